#pragma once
#include "guisupport/InstalledService.h"
#include "platform/KeyState.h"
#include "platform/ShellOpen.h"

#include <QStringList>

#include <set>

namespace sorvat::test {

// Modifier keys held down, as the key-state query reports them.
class HeldKeys final : public InstalledService<KeyStateService, &SetKeyStateService> {
public:
    bool IsKeyDown(int virtualKey) override { return held.count(virtualKey) != 0; }
    std::set<int> held;
};

// Records the files given to the desktop's opener; no program takes those in `refused`.
class RecordedShellOpen final : public InstalledService<ShellOpenService, &SetShellOpenService> {
public:
    bool Open(const QString& path) override {
        opened.append(path);
        return !refused.contains(path);
    }
    QStringList opened, refused;
};

} // namespace sorvat::test
