#include "platform/ShellOpen.h"
#include "platform/Replaceable.h"

#include <QDesktopServices>
#include <QUrl>

namespace sorvat {

namespace {

// The desktop's default viewer; QDesktopServices does not wait for it.
class DesktopShellOpenService final : public ShellOpenService {
public:
    bool Open(const QString& path) override {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
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
