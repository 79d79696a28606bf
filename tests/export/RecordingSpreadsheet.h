#pragma once
#include "export/Excel.h"
#include "export/SpreadsheetApp.h"

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace sorvat::test {

// What one cell of a fake sheet received.
struct FakeCell {
    std::string text;
    std::optional<int> fontColor;
    std::optional<int> backColor;
    std::optional<int> fontSize;
};

struct FakeSheet {
    std::map<std::pair<int, int>, FakeCell> cells; // by (row, column), 1-based
    std::vector<std::string> merges;                // "B2:D4"
    const FakeCell* At(int column, int row) const {
        auto it = cells.find({row, column});
        return it == cells.end() ? nullptr : &it->second;
    }
};

struct FakeBook {
    std::string source; // the opened file, empty for a new book
    std::vector<FakeSheet> sheets;
    int activeSheet = 1;
    std::string savedAs;
    int activeSheetAtSave = 0;
    bool closed = false;
    std::optional<bool> closedWith;
};

// The shared state of a recording spreadsheet application: every call is
// logged in order, and its effect lands on the fake books and sheets.
struct FakeOffice {
    std::vector<std::string> log;
    bool cannotRun = false;
    int newBookSheets = 3;  // an opened workbook has three
    std::set<std::string> loadedNames;
    std::string failingCall; // a call name that raises SpreadsheetError
    std::vector<std::shared_ptr<FakeBook>> books;
    int appsCreated = 0;
    int appsAlive = 0;
    int quits = 0;

    CExcel::AppFactory Factory();
    void Record(const std::string& call);
};

} // namespace sorvat::test
