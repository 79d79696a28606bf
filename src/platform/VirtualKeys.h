#pragma once

// Windows virtual-key codes as the key handler expects them, and the
// translation of Qt key codes into them.
namespace sorvat {

enum VirtualKey : int {
    VK_None = 0,
    VK_Back = 0x08,
    VK_Tab = 0x09,
    VK_Return = 0x0D,
    VK_Shift = 0x10,
    VK_Control = 0x11,
    VK_Menu = 0x12,
    VK_Escape = 0x1B,
    VK_Space = 0x20,
    VK_Prior = 0x21,
    VK_Next = 0x22,
    VK_End = 0x23,
    VK_Home = 0x24,
    VK_Left = 0x25,
    VK_Up = 0x26,
    VK_Right = 0x27,
    VK_Down = 0x28,
    VK_Insert = 0x2D,
    VK_Delete = 0x2E,
    VK_KeyA = 0x41,
    VK_KeyC = 0x43,
    VK_F1 = 0x70,
};

// The virtual-key code of a Qt key (Qt::Key value); 0 when the key has none.
// Letters map to their upper-case code whatever the shift state.
int VirtualKeyFromQtKey(int qtKey);

} // namespace sorvat
