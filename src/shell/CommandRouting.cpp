#include "shell/CommandRouting.h"

#include "shell/CommandIds.h"
#include "commands/ViewCommands.h"

namespace sorvat {

bool RouteViewCommand(CViewCommands& commands, int id) {
    switch (id) {
    case ID_EDIT_RESET: commands.OnReset(); return true;
    case ID_EDIT_UNDO_MOVE: commands.OnUndo(); return true;
    case ID_EDIT_REDO_MOVE: commands.OnRedo(); return true;
    case ID_EDIT_QUICKSAVE: commands.OnQuickSave(); return true;
    case ID_EDIT_QUICKLOAD: commands.OnQuickLoad(); return true;
    case ID_EDIT_AUTO_CONFIRM: commands.OnAutoConfirm(); return true;
    case ID_EDIT_NEXT_MOVE: commands.OnNextMove(); return true;
    case ID_EDIT_ERASE_WRONG: commands.OnEraseWrongCells(); return true;
    case ID_EDIT_COPY_ANALYSIS: commands.OnCopyAnalysisToSelf(); return true;
    case ID_EDIT_LOCK_ALL: commands.OnLockAll(); return true;
    case ID_EDIT_FULL_RESET: commands.OnFullReset(); return true;
    case ID_HELP_USAGE: commands.OnHelp(); return true;
    case ID_FILE_NEW_PUZZLE: commands.OnNewPuzzle(); return true;
    case ID_EDIT_PASTE: commands.OnPastePuzzle(); return true;
    case ID_EDIT_COPY_PUZZLE: commands.OnCopyPuzzle(); return true;
    case ID_FILE_PRINT: commands.OnFilePrint(); return true;
    case ID_FILE_PRINT_PREVIEW: commands.OnFilePrintPreview(); return true;
    case ID_FILE_SAVE_EXCEL: commands.OnExportSpreadsheet(); return true;
    case IDC_MODE_SELF: commands.OnModeSelf(); return true;
    case IDC_MODE_HINT: commands.OnModeHint(); return true;
    case IDC_MODE_ANALYSIS: commands.OnModeAnalysis(); return true;
    case IDC_REPEAT: commands.OnToggleRepeat(); return true;
    case IDC_LEVEL_EDIT: commands.OnLevelChanged(); return true;
    default: return false;
    }
}

} // namespace sorvat
