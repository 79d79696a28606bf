#pragma once
#include <string>

namespace sorvat {
struct Settings;
class FrameServices;
}
class CSorvatView;

// Application-wide references, published in the order of start-up:
// g_pSettings by the main frame's constructor, g_pView at the end of the
// view's OnCreate, g_pMainFrame at the end of the main frame's creation.
extern sorvat::Settings* g_pSettings;
extern sorvat::FrameServices* g_pMainFrame;
extern CSorvatView* g_pView;

// Highest analysis level the user can choose: 8, or 9 with options bit 0.
extern int MaxLevel;

// Directory of the program file, without a trailing "/".
extern std::string ProgramDirectory;
// The current directory when the main frame was constructed.
extern std::string StartDirectory;
// Where the quick-save and continue files lie: empty for the current
// directory; the per-user state directory for a start from the desktop menu.
extern std::string FixedFilesDirectory;
