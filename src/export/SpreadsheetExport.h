#pragma once
#include "export/Excel.h"
#include "model/CellBoard.h"

#include <ctime>
#include <string>

namespace sorvat {

// Colour indexes of the standard palette used by the export.
constexpr int EmptyCellFontColor = 3;
constexpr int FixDigitFontColor = 5;
constexpr int DeterminedBackColor = 20;
constexpr int EnteredDigitFontSize = 24;

constexpr char TemplateFileName[] = "_Template.xls";

// "<directory>/SorvatQ.YYMMDD.HHMMSS.xls" for the given local time.
std::string ExportFileName(const std::string& directory, const std::tm& localTime);

// Writes the board into the first three sheets of the wrapper's workbook:
// the digits as a 9x9 grid, the digits in 3x3 blocks, and the digits large
// with the analysis candidates small. Leaves the first sheet current.
void WriteBoardSheets(CExcel& excel, const CellBoard& board);

struct ExportRequest {
    std::string templateName = TemplateFileName; // relative names: current directory
    std::string outputPath;
    CExcel::AppFactory createApp;                // empty: the installed backend
    CExcel::OutputHook output;                   // empty: standard output
};

enum class ExportOutcome {
    Saved,             // the workbook is written to outputPath
    NotSaved,          // the save was refused (diagnostic through the hook)
    OfficeUnavailable, // no spreadsheet application could be started
    Failed,            // a call inside the application failed; see error
};

struct ExportResult {
    ExportOutcome outcome = ExportOutcome::Failed;
    std::string outputPath;
    std::string error;
};

// One whole export: start the application, open the template, write the
// three sheets, save, close. The application is ended in every outcome.
ExportResult ExportSpreadsheet(const CellBoard& board, const ExportRequest& request);

} // namespace sorvat
