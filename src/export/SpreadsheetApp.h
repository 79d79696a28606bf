#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace sorvat {

// Raised by a spreadsheet backend when a call inside the application fails.
// `code` carries the backend's own result code where it has one.
class SpreadsheetError : public std::runtime_error {
public:
    explicit SpreadsheetError(const std::string& what, long code = 0)
        : std::runtime_error(what), code(code) {}
    long code;
};

// The small slice of a spreadsheet application's object model that CExcel
// drives. Objects are shared: holding one keeps it alive, dropping the last
// holder releases it. Every call may throw SpreadsheetError.

class SpreadsheetRange {
public:
    virtual ~SpreadsheetRange() = default;
    // Writes `text` into the cell at 1-based row and column of this range,
    // parsed the way typing it would be (a number stays a number).
    virtual void SetItem(std::int32_t row, std::int32_t column, const std::string& text) = 0;
    virtual void SetMergeCells(bool merge) = 0;
    virtual void SetFontColorIndex(std::int16_t index) = 0;
    virtual void SetFontSize(std::int16_t size) = 0;
    virtual void SetInteriorColorIndex(std::int16_t index) = 0;
};

class SpreadsheetSheet {
public:
    virtual ~SpreadsheetSheet() = default;
    virtual void Activate() = 0;
    // All cells of the sheet.
    virtual std::shared_ptr<SpreadsheetRange> Cells() = 0;
    // The rectangle between two A1 corners.
    virtual std::shared_ptr<SpreadsheetRange> Range(const std::string& cell1, const std::string& cell2) = 0;
};

class SpreadsheetBook {
public:
    virtual ~SpreadsheetBook() = default;
    virtual std::int32_t SheetCount() = 0;
    // Sheet by 1-based index; null when there is none.
    virtual std::shared_ptr<SpreadsheetSheet> Sheet(std::int32_t index) = 0;
    // Saves under a new name; the book then carries that name.
    virtual void SaveAs(const std::string& fullName) = 0;
    // saveChanges empty: the application's default.
    virtual void Close(std::optional<bool> saveChanges) = 0;
};

class SpreadsheetApp {
public:
    virtual ~SpreadsheetApp() = default;
    // Puts the application into the running state; false when it cannot run.
    virtual bool Run() = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetDisplayAlerts(bool display) = 0;
    // A new workbook; null when none results.
    virtual std::shared_ptr<SpreadsheetBook> AddBook() = 0;
    // Opens an existing workbook file; null when the open gave no workbook.
    virtual std::shared_ptr<SpreadsheetBook> OpenBook(const std::string& fullName) = 0;
    // True when a workbook of this file name (no directory; letter case of
    // ASCII letters ignored) is loaded in the application.
    virtual bool IsBookLoaded(const std::string& fileName) = 0;
    // Ends the application; nothing of it stays running afterwards.
    virtual void Quit() = 0;
};

// Creates the application object of the installed backend, or null when
// this build has none.
std::unique_ptr<SpreadsheetApp> CreateDefaultSpreadsheetApp();

// Makes CreateDefaultSpreadsheetApp use `factory` instead (tests script the
// application this way); an empty factory restores the installed backend.
void SetDefaultSpreadsheetAppFactory(std::function<std::unique_ptr<SpreadsheetApp>()> factory);

} // namespace sorvat
