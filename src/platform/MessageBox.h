#pragma once
#include <QString>

class QWidget;

namespace sorvat {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageResult { Ok, Cancel, Yes, No };

struct MessageBoxRequest {
    QWidget* owner = nullptr;
    QString text;   // "\r\n" or "\n" break lines
    QString title;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    // What a screen reader says for the title and the text, when they hold
    // signs or foreign words a voice would read out; empty: as shown.
    QString spokenTitle;
    QString spokenText;
};

// Shows modal message boxes. The real one is a plain-text QMessageBox whose
// first button is the default; tests install a scripted one.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual MessageResult Show(const MessageBoxRequest& request) = 0;
};

// Shows a box through the installed service and returns the button pressed
// (Cancel or No when the box is closed without a button, whichever it has).
MessageResult ShowMessageBox(QWidget* owner, const QString& text, const QString& title,
                             MessageButtons buttons = MessageButtons::Ok,
                             MessageIcon icon = MessageIcon::None);
MessageResult ShowMessageBox(const MessageBoxRequest& request);

// Installs `service` (not owned); nullptr restores the real boxes.
// Returns the service installed before.
MessageBoxService* SetMessageBoxService(MessageBoxService* service);

// The real boxes, for code that wants to wrap them.
MessageBoxService& RealMessageBoxService();

} // namespace sorvat
