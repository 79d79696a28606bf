#pragma once

// Command ids of the menus, the tool bar, the dialog bar and the accelerators.
// Every menu item and button of the main window sends one of these to
// CMainFrame::OnCommand, which runs the frame's own commands and hands the
// others to the view's commands (RouteViewCommand).
namespace sorvat {

enum CommandId : int {
    // The program's own commands.
    ID_EDIT_RESET = 0x8003,
    ID_EDIT_UNDO_MOVE = 0x8004,
    ID_EDIT_REDO_MOVE = 0x8005,
    ID_EDIT_QUICKSAVE = 0x8006,
    ID_EDIT_QUICKLOAD = 0x8007,
    ID_FILE_SAVE_EXCEL = 0x8008,
    ID_EDIT_AUTO_CONFIRM = 0x800A,
    ID_EDIT_NEXT_MOVE = 0x800B,
    ID_EDIT_ERASE_WRONG = 0x800C,
    ID_EDIT_COPY_ANALYSIS = 0x800D,
    ID_EDIT_LOCK_ALL = 0x800E,
    ID_EDIT_FULL_RESET = 0x800F,
    ID_HELP_USAGE = 0x8010,
    ID_FILE_NEW_PUZZLE = 0x8011,
    ID_EDIT_COPY_PUZZLE = 0x8012,

    // Framework commands.
    ID_FILE_NEW = 0xE100,
    ID_FILE_OPEN = 0xE101,
    ID_FILE_SAVE = 0xE103,
    ID_FILE_SAVE_AS = 0xE104,
    ID_FILE_PRINT_SETUP = 0xE106,
    ID_FILE_PRINT = 0xE107,
    ID_FILE_PRINT_PREVIEW = 0xE109,
    ID_FILE_MRU_FILE1 = 0xE110,
    ID_EDIT_COPY = 0xE122,
    ID_EDIT_CUT = 0xE123,
    ID_EDIT_PASTE = 0xE125,  // 問題を貼り付け
    ID_EDIT_UNDO = 0xE12B,
    ID_APP_ABOUT = 0xE140,
    ID_APP_EXIT = 0xE141,
    ID_NEXT_PANE = 0xE150,
    ID_PREV_PANE = 0xE151,
    ID_VIEW_TOOLBAR = 0xE800,

    // Dialog-bar controls that are not commands of the menu.
    IDC_MODE_ANALYSIS = 1001,
    IDC_REPEAT = 1002,
    IDC_LEVEL_EDIT = 1004,
    IDC_LEVEL_SPIN = 1005,
    IDC_MODE_HINT = 1008,
    IDC_MODE_SELF = 1009,
};

} // namespace sorvat
