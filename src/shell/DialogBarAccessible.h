#pragma once

// The dialog bar to the accessibility interfaces: its counters as named
// texts after the controls, the mode buttons as radio buttons (they are not
// exclusive, so Qt would show them as check boxes) and the level's up-down
// control as a spin box. Installed once; the dialog bar's constructor calls it.
void InstallDialogBarAccessibility();
