#pragma once
#include "export/SpreadsheetApp.h"

#include <functional>
#include <memory>
#include <string>

// Drives a spreadsheet application: starts it, opens a workbook (or makes a
// new one), selects sheets, writes cells, merges ranges, sets colours and font
// sizes, saves under a new name and closes everything again. Operations answer
// small status codes (0 = done); coordinates are checked before the
// application sees them. Cells are addressed by column x and row y from 1, or
// by A1 texts. A failing call inside the application raises SpreadsheetError,
// which the wrapper lets through.
class CExcel {
public:
    using AppFactory = std::function<std::unique_ptr<sorvat::SpreadsheetApp>()>;
    using OutputHook = std::function<void(const std::string&)>;

    // Close modes of AppClose and BookClose.
    static constexpr int CloseSave = 1;
    static constexpr int CloseDiscard = 2;

    // Uses the installed backend.
    CExcel();
    explicit CExcel(AppFactory createApp);
    ~CExcel();
    CExcel(const CExcel&) = delete;
    CExcel& operator=(const CExcel&) = delete;

    int AppOpen(bool visible);
    int AppClose(int mode);
    int BookNew();
    // name may be null: a new workbook instead (status 2).
    int BookOpen(const char* name);
    int BookClose(int mode);
    int BookSaveAs(const std::string& name);
    int SheetSelect(int n);
    int CellWrite(int x, int y, const std::string& text);
    int CellWriteNumber(int x, int y, int n);

    int RangeMerge(const std::string& a1, const std::string& a2);
    int RangeMerge(int x1, int y1, int x2, int y2);
    int RangeFontColor(const std::string& a1, const std::string& a2, int colorIndex);
    int RangeFontColor(int x1, int y1, int x2, int y2, int colorIndex);
    int CellFontColor(int x, int y, int colorIndex);
    int RangeBackColor(const std::string& a1, const std::string& a2, int colorIndex);
    int RangeBackColor(int x1, int y1, int x2, int y2, int colorIndex);
    int RangeFontSize(const std::string& a1, const std::string& a2, int size);
    int RangeFontSize(int x1, int y1, int x2, int y2, int size);

    bool IsCoordinate(const std::string& a1);
    bool IsCoordinate(int x, int y);
    static std::string MakeA1(int x, int y);

    // A relative name is taken from the current directory at this moment.
    static std::string FullName(const std::string& name);
    bool IsSaveBlocked(const std::string& fullName);
    bool IsBookOpenInApp(const std::string& fileName);
    static bool SameNameNoCase(const std::string& a, const std::string& b);

    // Diagnostics ("## CExcel::..."); standard output by default.
    OutputHook m_pfnOutput;

private:
    enum class RangeOp { FontColor, BackColor, FontSize };
    int RangeFormat(const std::string& a1, const std::string& a2, RangeOp op, int value);
    void Output(const char* format, ...) __attribute__((format(printf, 2, 3)));

    AppFactory m_createApp;
    std::unique_ptr<sorvat::SpreadsheetApp> m_pApp;
    std::shared_ptr<sorvat::SpreadsheetBook> m_pBook;
    std::shared_ptr<sorvat::SpreadsheetSheet> m_pSheet;
    std::shared_ptr<sorvat::SpreadsheetRange> m_pRange;
};
