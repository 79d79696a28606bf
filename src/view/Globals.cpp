#include "view/Globals.h"

sorvat::Settings* g_pSettings = nullptr;
sorvat::FrameServices* g_pMainFrame = nullptr;
CSorvatView* g_pView = nullptr;
int MaxLevel = 8;
std::string ProgramDirectory;
std::string StartDirectory;
std::string FixedFilesDirectory;
