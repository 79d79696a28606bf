#include "view/Globals.h"

sorvat::Settings* g_pSettings = nullptr;
CMainFrame* g_pMainFrame = nullptr;
CSorvatView* g_pView = nullptr;
int MaxLevel = 8;
std::string ProgramDirectory;
std::string StartDirectory;
