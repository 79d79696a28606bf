#pragma once
#include <QString>

namespace sorvat {

// Opens a file with the desktop's program for its type without waiting for it.
class ShellOpenService {
public:
    virtual ~ShellOpenService() = default;
    // False when no program takes the file or the opener cannot be started.
    virtual bool Open(const QString& path) = 0;
};

bool ShellOpen(const QString& path);

// Installs `service` (not owned); nullptr restores the desktop's opener.
ShellOpenService* SetShellOpenService(ShellOpenService* service);

} // namespace sorvat
