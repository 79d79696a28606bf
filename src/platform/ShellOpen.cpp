#include "platform/ShellOpen.h"
#include "platform/Replaceable.h"

#include <QMimeDatabase>
#include <QProcess>
#include <QStringList>

namespace sorvat {

namespace {

// Whether the desktop names a program for the file's type or one of the
// type's aliases (a CHM viewer may register only application/x-chm).
bool DesktopHasProgramFor(const QString& path) {
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path);
    for (const QString& name : QStringList{type.name()} + type.aliases()) {
        QProcess query;
        query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), name});
        if (query.waitForFinished(10000) && query.exitStatus() == QProcess::NormalExit && query.exitCode() == 0 &&
            !query.readAllStandardOutput().trimmed().isEmpty())
            return true;
    }
    return false;
}

// The desktop's opener, xdg-open, started on its own (it may run the program
// in the foreground). It is only asked when the desktop names a program for the
// file: any other file it hands to a web browser, which cannot show a CHM, and
// still reports success.
class DesktopShellOpenService final : public ShellOpenService {
public:
    bool Open(const QString& path) override {
        return DesktopHasProgramFor(path) && QProcess::startDetached(QStringLiteral("xdg-open"), {path});
    }
};

ShellOpenService& DesktopShellOpen() {
    static DesktopShellOpenService real;
    return real;
}

Replaceable<ShellOpenService> g_shellOpen(&DesktopShellOpen);

} // namespace

bool ShellOpen(const QString& path) {
    return g_shellOpen.Current().Open(path);
}

ShellOpenService* SetShellOpenService(ShellOpenService* service) {
    return g_shellOpen.Install(service);
}

} // namespace sorvat
