#include "platform/VirtualKeys.h"

#include <Qt>

namespace sorvat {

int VirtualKeyFromQtKey(int qtKey) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 0x41 + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return 0x30 + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return VK_F1 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Backspace: return VK_Back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_Return;
    case Qt::Key_Shift: return VK_Shift;
    case Qt::Key_Control: return VK_Control;
    case Qt::Key_Alt: return VK_Menu;
    case Qt::Key_Escape: return VK_Escape;
    case Qt::Key_Space: return VK_Space;
    case Qt::Key_PageUp: return VK_Prior;
    case Qt::Key_PageDown: return VK_Next;
    case Qt::Key_End: return VK_End;
    case Qt::Key_Home: return VK_Home;
    case Qt::Key_Left: return VK_Left;
    case Qt::Key_Up: return VK_Up;
    case Qt::Key_Right: return VK_Right;
    case Qt::Key_Down: return VK_Down;
    case Qt::Key_Insert: return VK_Insert;
    case Qt::Key_Delete: return VK_Delete;
    default: return VK_None;
    }
}

} // namespace sorvat
