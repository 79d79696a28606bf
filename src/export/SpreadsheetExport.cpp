#include "export/SpreadsheetExport.h"

#include <cstdio>
#include <exception>

namespace sorvat {

namespace {

bool IsFix(const SCell& cell) { return !cell.Has(cell.enteredDigit, LockBit); }

void WriteDigitsSheet(CExcel& excel, const CellBoard& board) {
    excel.SheetSelect(1);
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            const SCell& cell = board.cells[r][c];
            if (cell.HasEntered()) {
                excel.CellWriteNumber(c + 2, r + 2, cell.enteredDigit + 1);
                if (IsFix(cell)) excel.CellFontColor(c + 2, r + 2, FixDigitFontColor);
            } else {
                excel.RangeFontColor(c + 2, r + 2, c + 2, r + 2, EmptyCellFontColor);
            }
        }
    }
}

void WriteBlocksSheet(CExcel& excel, const CellBoard& board) {
    excel.SheetSelect(2);
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            const SCell& cell = board.cells[r][c];
            if (!cell.HasEntered()) continue;
            excel.CellWriteNumber(3 * c + 2, 3 * r + 2, cell.enteredDigit + 1);
            if (IsFix(cell)) excel.CellFontColor(3 * c + 2, 3 * r + 2, FixDigitFontColor);
        }
    }
}

void WriteCandidatesSheet(CExcel& excel, const CellBoard& board) {
    excel.SheetSelect(3);
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            const SCell& cell = board.cells[r][c];
            const int left = 3 * c + 2;
            const int top = 3 * r + 2;
            if (cell.HasEntered()) {
                excel.RangeMerge(left, top, left + 2, top + 2);
                excel.RangeFontSize(left, top, left + 2, top + 2, EnteredDigitFontSize);
                excel.CellWriteNumber(left, top, cell.enteredDigit + 1);
                if (IsFix(cell)) excel.CellFontColor(left, top, FixDigitFontColor);
                continue;
            }
            const bool determined = cell.HasSolved() || cell.candidateCount == 1;
            for (int k = 0; k < 9; ++k) {
                if (!cell.Has(k, SolvedBit) && !cell.Has(k, CandidateBit)) continue;
                const int x = left + k % 3;
                const int y = top + k / 3;
                excel.CellWriteNumber(x, y, k + 1);
                if (determined) excel.RangeBackColor(x, y, x, y, DeterminedBackColor);
            }
        }
    }
}

} // namespace

std::string ExportFileName(const std::string& directory, const std::tm& t) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%02d%02d%02d.%02d%02d%02d", t.tm_year % 100, t.tm_mon + 1, t.tm_mday,
                  t.tm_hour, t.tm_min, t.tm_sec);
    return directory + "/SorvatQ." + stamp + ".xls";
}

void WriteBoardSheets(CExcel& excel, const CellBoard& board) {
    WriteDigitsSheet(excel, board);
    WriteBlocksSheet(excel, board);
    WriteCandidatesSheet(excel, board);
    excel.SheetSelect(1);
}

ExportResult ExportSpreadsheet(const CellBoard& board, const ExportRequest& request) {
    ExportResult result;
    result.outputPath = request.outputPath;
    CExcel excel(request.createApp ? request.createApp : CExcel::AppFactory(&CreateDefaultSpreadsheetApp));
    if (request.output) excel.m_pfnOutput = request.output;
    int saved = -1;
    try {
        if (excel.AppOpen(false) != 0) {
            result.outcome = ExportOutcome::OfficeUnavailable;
            return result;
        }
        excel.BookOpen(request.templateName.c_str());
        WriteBoardSheets(excel, board);
        saved = excel.BookSaveAs(request.outputPath);
        excel.AppClose(CExcel::CloseDiscard);
        result.outcome = saved == 0 ? ExportOutcome::Saved : ExportOutcome::NotSaved;
    } catch (const std::exception& e) {
        // A workbook already on disk stays a success: only the closing
        // failed, and the application is ended all the same.
        result.outcome = saved == 0 ? ExportOutcome::Saved : ExportOutcome::Failed;
        result.error = e.what();
        try {
            excel.AppClose(CExcel::CloseDiscard);
        } catch (...) {
            // The application is ended when the wrapper goes away.
        }
    }
    return result;
}

} // namespace sorvat
