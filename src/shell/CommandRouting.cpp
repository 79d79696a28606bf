#include "shell/CommandRouting.h"

#include "shell/CommandIds.h"
#include "view/SorvatView.h"

namespace sorvat {

bool RouteViewCommand(CSorvatView& view, int id) {
    switch (id) {
    case ID_EDIT_RESET: view.OnReset(); return true;
    case ID_EDIT_UNDO_MOVE: view.OnUndo(); return true;
    case ID_EDIT_REDO_MOVE: view.OnRedo(); return true;
    case ID_EDIT_QUICKSAVE: view.OnQuickSave(); return true;
    case ID_EDIT_QUICKLOAD: view.OnQuickLoad(); return true;
    case ID_EDIT_AUTO_CONFIRM: view.OnAutoConfirm(); return true;
    case ID_EDIT_NEXT_MOVE: view.OnNextMove(); return true;
    case ID_EDIT_ERASE_WRONG: view.OnEraseWrongCells(); return true;
    case ID_EDIT_COPY_ANALYSIS: view.OnCopyAnalysisToSelf(); return true;
    case ID_EDIT_LOCK_ALL: view.OnLockAll(); return true;
    case ID_EDIT_FULL_RESET: view.OnFullReset(); return true;
    case ID_HELP_USAGE: view.OnHelp(); return true;
    case ID_FILE_NEW_PUZZLE: view.OnNewPuzzle(); return true;
    case ID_FILE_PRINT: view.OnFilePrint(); return true;
    case ID_FILE_PRINT_PREVIEW: view.OnFilePrintPreview(); return true;
    case ID_FILE_SAVE_EXCEL: view.OnExportSpreadsheet(); return true;
    case IDC_MODE_SELF: view.OnModeSelf(); return true;
    case IDC_MODE_HINT: view.OnModeHint(); return true;
    case IDC_MODE_ANALYSIS: view.OnModeAnalysis(); return true;
    case IDC_REPEAT: view.OnToggleRepeat(); return true;
    case IDC_LEVEL_EDIT: view.OnLevelChanged(); return true;
    default: return false;
    }
}

} // namespace sorvat
