#pragma once
#include "export/SpreadsheetApp.h"

#include <memory>
#include <string>

namespace sorvat {

// LibreOffice's program directory this build was made for.
std::string LibreOfficeProgramDirectory();

// True when the office program is installed where this build expects it.
bool IsLibreOfficeInstalled();

// A headless LibreOffice Calc of our own, driven over UNO. Run() starts the
// office and connects to it; Quit() (or destruction) ends and reaps it.
std::unique_ptr<SpreadsheetApp> CreateLibreOfficeApp();

} // namespace sorvat
