#pragma once

// The dialog bar to the accessibility interfaces: its counters as named
// texts after the controls, the mode buttons as radio buttons (they are not
// exclusive, so Qt would show them as check boxes) and the level's up-down
// control as a spin box with a value; and the status bar's message pane as a
// notification, which a screen reader (Orca) says when it is shown
// (CMainFrame::AnnounceStatusText); the tool bars named by their accessible
// names. Installed once, by the main frame before it makes its bars and by
// the dialog bar's constructor.
void InstallDialogBarAccessibility();
