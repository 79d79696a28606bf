#pragma once
#include <Qt>

namespace sorvat {

// The command id of accelerator table 128 for a key with its modifiers, or 0.
// Ctrl+Z undoes a move, Ctrl+Y and Ctrl+Shift+Z redo one; Alt+Backspace, cut,
// copy, paste and the pane keys carry framework ids that nothing in the
// program handles.
int AcceleratorCommand(int qtKey, Qt::KeyboardModifiers modifiers);

} // namespace sorvat
