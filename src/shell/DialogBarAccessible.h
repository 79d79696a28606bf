#pragma once
#include <QString>

class QAction;

// The dialog bar to the accessibility interfaces: its counters as named
// texts after the controls, the mode buttons as radio buttons (they are not
// exclusive, so Qt would show them as check boxes) and the level's up-down
// control as a spin box with a value; and the status bar's message pane as a
// notification, which a screen reader (Orca) says when it is shown
// (CMainFrame::AnnounceStatusText); the tool bars named by their accessible
// names; the menu items named by SpokenMenuText. Installed once, by the main
// frame before it makes its bars and by the dialog bar's constructor.
void InstallDialogBarAccessibility();

// A menu item's name as a voice should read it: the property
// SpokenNameProperty when the item has it (for a text with English words or
// signs), otherwise its text without the shortcut after the tab, the
// mnemonic "(&O)" or "&", and "...", in full-width kana: "開く" for
// "開く(&O)...\tCtrl+O".
inline constexpr const char* SpokenNameProperty = "spokenName";
QString SpokenMenuText(const QAction& action);
