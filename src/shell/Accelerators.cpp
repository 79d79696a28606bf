#include "shell/Accelerators.h"

#include "shell/CommandIds.h"

namespace sorvat {

namespace {

struct Accelerator {
    int key;
    Qt::KeyboardModifiers modifiers;
    int command;
};

const Accelerator AcceleratorTable[] = {
    {Qt::Key_N, Qt::ControlModifier, ID_FILE_NEW},
    {Qt::Key_O, Qt::ControlModifier, ID_FILE_OPEN},
    {Qt::Key_S, Qt::ControlModifier, ID_FILE_SAVE},
    {Qt::Key_P, Qt::ControlModifier, ID_FILE_PRINT},
    // Undo and redo of the moves, as the dialog bar's <Undo and Redo>.
    {Qt::Key_Z, Qt::ControlModifier, ID_EDIT_UNDO_MOVE},
    {Qt::Key_Y, Qt::ControlModifier, ID_EDIT_REDO_MOVE},
    {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, ID_EDIT_REDO_MOVE},
    {Qt::Key_Backspace, Qt::AltModifier, ID_EDIT_UNDO},
    {Qt::Key_X, Qt::ControlModifier, ID_EDIT_CUT},
    {Qt::Key_Delete, Qt::ShiftModifier, ID_EDIT_CUT},
    {Qt::Key_C, Qt::ControlModifier, ID_EDIT_COPY},
    {Qt::Key_Insert, Qt::ControlModifier, ID_EDIT_COPY},
    {Qt::Key_V, Qt::ControlModifier, ID_EDIT_PASTE},
    {Qt::Key_Insert, Qt::ShiftModifier, ID_EDIT_PASTE},
    {Qt::Key_F6, Qt::NoModifier, ID_NEXT_PANE},
    {Qt::Key_F6, Qt::ShiftModifier, ID_PREV_PANE},
};

} // namespace

int AcceleratorCommand(int qtKey, Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers relevant =
        modifiers & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    for (const Accelerator& accelerator : AcceleratorTable) {
        if (accelerator.key == qtKey && accelerator.modifiers == relevant)
            return accelerator.command;
    }
    return 0;
}

} // namespace sorvat
