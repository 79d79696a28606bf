#pragma once

// SIGTERM, SIGINT and SIGHUP close the windows the normal way, as the close
// box does: the settings file and the continue file are written before the
// program ends. Needs a QApplication; call once.
void CloseWindowsOnTerminationSignals();
