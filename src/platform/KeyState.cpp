#include "platform/KeyState.h"

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

KeyStateService* g_installedService = nullptr;

} // namespace

bool IsKeyDown(int virtualKey) {
    static QtKeyStateService real;
    KeyStateService& service = g_installedService != nullptr ? *g_installedService : real;
    return service.IsKeyDown(virtualKey);
}

KeyStateService* SetKeyStateService(KeyStateService* service) {
    KeyStateService* previous = g_installedService;
    g_installedService = service;
    return previous;
}

} // namespace sorvat
