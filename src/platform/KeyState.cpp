#include "platform/KeyState.h"
#include "platform/Replaceable.h"

#include <QGuiApplication>

namespace sorvat {

namespace {

class QtKeyStateService final : public KeyStateService {
public:
    bool IsKeyDown(int virtualKey) override {
        const Qt::KeyboardModifiers modifiers = QGuiApplication::queryKeyboardModifiers();
        switch (virtualKey) {
        case VK_SHIFT_KEY: return modifiers.testFlag(Qt::ShiftModifier);
        case VK_CONTROL_KEY: return modifiers.testFlag(Qt::ControlModifier);
        case VK_MENU_KEY: return modifiers.testFlag(Qt::AltModifier);
        default: return false;
        }
    }
};

KeyStateService& RealKeyState() {
    static QtKeyStateService real;
    return real;
}

Replaceable<KeyStateService> g_keyState(&RealKeyState);

} // namespace

bool IsKeyDown(int virtualKey) {
    return g_keyState.Current().IsKeyDown(virtualKey);
}

KeyStateService* SetKeyStateService(KeyStateService* service) {
    return g_keyState.Install(service);
}

} // namespace sorvat
