#pragma once

namespace sorvat {

// Virtual-key codes of the modifier keys the program asks about.
constexpr int VK_SHIFT_KEY = 0x10;
constexpr int VK_CONTROL_KEY = 0x11;
constexpr int VK_MENU_KEY = 0x12;

// Whether a key is held down right now. Only the modifier keys above are
// known; every other key answers false.
class KeyStateService {
public:
    virtual ~KeyStateService() = default;
    virtual bool IsKeyDown(int virtualKey) = 0;
};

bool IsKeyDown(int virtualKey);

// Installs `service` (not owned); nullptr restores the real keyboard query.
KeyStateService* SetKeyStateService(KeyStateService* service);

} // namespace sorvat
