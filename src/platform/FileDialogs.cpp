#include "platform/FileDialogs.h"
#include "platform/Replaceable.h"

#include <QFileDialog>

namespace sorvat {

namespace {

// No extension is added.
class QtFileDialogService final : public FileDialogService {
public:
    QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& directory,
                            const QString& filter) override {
        return QFileDialog::getOpenFileName(parent, caption, directory, filter);
    }
    QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath,
                            const QString& filter) override {
        return QFileDialog::getSaveFileName(parent, caption, suggestedPath, filter);
    }
    QString GetExistingDirectory(QWidget* parent, const QString& caption) override {
        return QFileDialog::getExistingDirectory(parent, caption);
    }
};

FileDialogService& RealFileDialogs() {
    static QtFileDialogService real;
    return real;
}

Replaceable<FileDialogService> g_fileDialogs(&RealFileDialogs);

} // namespace

QString AskOpenFileName(QWidget* parent, const QString& caption, const QString& directory, const QString& filter) {
    return g_fileDialogs.Current().GetOpenFileName(parent, caption, directory, filter);
}

QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath,
                        const QString& filter) {
    return g_fileDialogs.Current().GetSaveFileName(parent, caption, suggestedPath, filter);
}

QString AskDirectory(QWidget* parent, const QString& caption) {
    return g_fileDialogs.Current().GetExistingDirectory(parent, caption);
}

FileDialogService* SetFileDialogService(FileDialogService* service) {
    return g_fileDialogs.Install(service);
}

} // namespace sorvat
