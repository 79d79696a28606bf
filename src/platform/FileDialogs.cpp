#include "platform/FileDialogs.h"
#include "platform/Replaceable.h"

#include <QFileDialog>

namespace sorvat {

namespace {

// All files are listed and no extension is added.
class QtFileDialogService final : public FileDialogService {
public:
    QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& directory) override {
        return QFileDialog::getOpenFileName(parent, caption, directory);
    }
    QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath) override {
        return QFileDialog::getSaveFileName(parent, caption, suggestedPath);
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

QString AskOpenFileName(QWidget* parent, const QString& caption, const QString& directory) {
    return g_fileDialogs.Current().GetOpenFileName(parent, caption, directory);
}

QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath) {
    return g_fileDialogs.Current().GetSaveFileName(parent, caption, suggestedPath);
}

QString AskDirectory(QWidget* parent, const QString& caption) {
    return g_fileDialogs.Current().GetExistingDirectory(parent, caption);
}

FileDialogService* SetFileDialogService(FileDialogService* service) {
    return g_fileDialogs.Install(service);
}

} // namespace sorvat
