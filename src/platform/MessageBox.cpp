#include "platform/MessageBox.h"
#include "platform/Replaceable.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

#include <vector>

namespace sorvat {

namespace {

QMessageBox::Icon QtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonChoice {
    QMessageBox::StandardButton button;
    MessageResult result;
};

// The buttons of a box in their order; the first is the default.
std::vector<ButtonChoice> ButtonsOf(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel:
        return {{QMessageBox::Ok, MessageResult::Ok}, {QMessageBox::Cancel, MessageResult::Cancel}};
    case MessageButtons::YesNo:
        return {{QMessageBox::Yes, MessageResult::Yes}, {QMessageBox::No, MessageResult::No}};
    case MessageButtons::YesNoCancel:
        return {{QMessageBox::Yes, MessageResult::Yes},
                {QMessageBox::No, MessageResult::No},
                {QMessageBox::Cancel, MessageResult::Cancel}};
    case MessageButtons::Ok:
        break;
    }
    return {{QMessageBox::Ok, MessageResult::Ok}};
}

// What closing the box without a button means.
MessageResult EscapeResult(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok: return MessageResult::Ok;
    case MessageButtons::YesNo: return MessageResult::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel: break;
    }
    return MessageResult::Cancel;
}

class QtMessageBoxService final : public MessageBoxService {
public:
    MessageResult Show(const MessageBoxRequest& request) override {
        QString text = request.text;
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QMessageBox box(QtIcon(request.icon), request.title, text, QMessageBox::NoButton, request.owner);
        box.setTextFormat(Qt::PlainText);
        if (!request.spokenTitle.isEmpty())
            box.setAccessibleName(request.spokenTitle);
        if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")); label && !request.spokenText.isEmpty())
            label->setAccessibleName(request.spokenText);
        const std::vector<ButtonChoice> choices = ButtonsOf(request.buttons);
        // The buttons named without the mnemonic a voice reads out ("はい(&Y)").
        static const QRegularExpression mnemonic(QStringLiteral("\\(&.\\)|&"));
        for (const ButtonChoice& choice : choices) {
            QPushButton* button = box.addButton(choice.button);
            button->setAccessibleName(button->text().remove(mnemonic));
        }
        box.setDefaultButton(choices.front().button);
        box.exec();
        const auto clicked = box.standardButton(box.clickedButton());
        for (const ButtonChoice& choice : choices) {
            if (choice.button == clicked)
                return choice.result;
        }
        return EscapeResult(request.buttons);
    }
};

} // namespace

MessageBoxService& RealMessageBoxService() {
    static QtMessageBoxService service;
    return service;
}

namespace {
Replaceable<MessageBoxService> g_messageBoxes(&RealMessageBoxService);
} // namespace

MessageResult ShowMessageBox(QWidget* owner, const QString& text, const QString& title,
                             MessageButtons buttons, MessageIcon icon) {
    MessageBoxRequest request;
    request.owner = owner;
    request.text = text;
    request.title = title;
    request.buttons = buttons;
    request.icon = icon;
    return ShowMessageBox(request);
}

MessageResult ShowMessageBox(const MessageBoxRequest& request) { return g_messageBoxes.Current().Show(request); }

MessageBoxService* SetMessageBoxService(MessageBoxService* service) {
    return g_messageBoxes.Install(service);
}

} // namespace sorvat
