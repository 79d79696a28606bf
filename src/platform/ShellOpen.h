#pragma once
#include <QString>

namespace sorvat {

// Opens a file with the desktop's default viewer without waiting for it.
class ShellOpenService {
public:
    virtual ~ShellOpenService() = default;
    virtual bool Open(const QString& path) = 0;
};

// Returns what the service answers; callers may ignore it.
bool ShellOpen(const QString& path);

// Installs `service` (not owned); nullptr restores the desktop's viewer.
ShellOpenService* SetShellOpenService(ShellOpenService* service);

} // namespace sorvat
