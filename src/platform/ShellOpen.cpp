#include "platform/ShellOpen.h"

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

ShellOpenService* g_installedService = nullptr;

} // namespace

bool ShellOpen(const QString& path) {
    static DesktopShellOpenService real;
    ShellOpenService& service = g_installedService != nullptr ? *g_installedService : real;
    return service.Open(path);
}

ShellOpenService* SetShellOpenService(ShellOpenService* service) {
    ShellOpenService* previous = g_installedService;
    g_installedService = service;
    return previous;
}

} // namespace sorvat
