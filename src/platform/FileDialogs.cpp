#include "platform/FileDialogs.h"

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
};

FileDialogService* g_installedService = nullptr;

FileDialogService& Service() {
    static QtFileDialogService real;
    return g_installedService != nullptr ? *g_installedService : real;
}

} // namespace

QString AskOpenFileName(QWidget* parent, const QString& caption, const QString& directory) {
    return Service().GetOpenFileName(parent, caption, directory);
}

QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath) {
    return Service().GetSaveFileName(parent, caption, suggestedPath);
}

FileDialogService* SetFileDialogService(FileDialogService* service) {
    FileDialogService* previous = g_installedService;
    g_installedService = service;
    return previous;
}

} // namespace sorvat
