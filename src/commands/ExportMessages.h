#pragma once
#include "export/SpreadsheetExport.h"

#include <QString>

namespace sorvat {

// The window's text for the outcome of an export, in the interface language:
// the workbook's path when it was saved, the reason when it was not.
QString ExportOutcomeText(const ExportResult& result);

} // namespace sorvat
