#pragma once
#include <QString>

class QWidget;

namespace sorvat {

// Asks the user for a file to open or a name to save under. Both list the
// files of the chosen filter (QFileDialog's form, "Name (*.a *.b);;All (*)";
// all files without one) and add no extension. An empty result means the
// user cancelled.
class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    virtual QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& directory,
                                    const QString& filter) = 0;
    virtual QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath,
                                    const QString& filter) = 0;
    virtual QString GetExistingDirectory(QWidget* parent, const QString& caption) = 0;
};

QString AskOpenFileName(QWidget* parent, const QString& caption = QString(),
                        const QString& directory = QString(), const QString& filter = QString());
QString AskSaveFileName(QWidget* parent, const QString& caption = QString(),
                        const QString& suggestedPath = QString(), const QString& filter = QString());

QString AskDirectory(QWidget* parent, const QString& caption = QString());

// Installs `service` (not owned); nullptr restores the real dialogs.
FileDialogService* SetFileDialogService(FileDialogService* service);

} // namespace sorvat
