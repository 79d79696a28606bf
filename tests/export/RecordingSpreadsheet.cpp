#include "RecordingSpreadsheet.h"

#include "export/Excel.h"

namespace sorvat::test {

namespace {

std::string Cell(int column, int row) { return CExcel::MakeA1(column, row); }

// Column and row of an A1 text (no checks: the wrapper sends only valid ones).
std::pair<int, int> ParseA1(const std::string& a1) {
    int column = 0;
    std::size_t i = 0;
    for (; i < a1.size() && a1[i] >= 'A' && a1[i] <= 'Z'; ++i) column = column * 26 + (a1[i] - 'A' + 1);
    return {column, std::stoi(a1.substr(i))};
}

class FakeRangeObject : public SpreadsheetRange {
public:
    FakeRangeObject(FakeOffice& office, std::shared_ptr<FakeBook> book, int sheet, int c1, int r1, int c2, int r2)
        : m_office(office), m_book(std::move(book)), m_sheet(sheet), m_c1(c1), m_r1(r1), m_c2(c2), m_r2(r2) {}

    void SetItem(std::int32_t row, std::int32_t column, const std::string& text) override {
        const int c = m_c1 + column - 1;
        const int r = m_r1 + row - 1;
        m_office.Record("Item(" + std::to_string(m_sheet) + "," + Cell(c, r) + ")=" + text);
        Sheet().cells[{r, c}].text = text;
    }
    void SetMergeCells(bool merge) override {
        m_office.Record("MergeCells(" + Name() + ")=" + std::to_string(merge));
        Sheet().merges.push_back(Cell(m_c1, m_r1) + ":" + Cell(m_c2, m_r2));
    }
    void SetFontColorIndex(std::int16_t index) override {
        m_office.Record("Font.ColorIndex(" + Name() + ")=" + std::to_string(index));
        ForEach([&](FakeCell& cell) { cell.fontColor = index; });
    }
    void SetFontSize(std::int16_t size) override {
        m_office.Record("Font.Size(" + Name() + ")=" + std::to_string(size));
        ForEach([&](FakeCell& cell) { cell.fontSize = size; });
    }
    void SetInteriorColorIndex(std::int16_t index) override {
        m_office.Record("Interior.ColorIndex(" + Name() + ")=" + std::to_string(index));
        ForEach([&](FakeCell& cell) { cell.backColor = index; });
    }

private:
    FakeSheet& Sheet() { return m_book->sheets.at(static_cast<std::size_t>(m_sheet - 1)); }
    std::string Name() const {
        return std::to_string(m_sheet) + "," + Cell(m_c1, m_r1) + ":" + Cell(m_c2, m_r2);
    }
    template <class F> void ForEach(F f) {
        for (int r = m_r1; r <= m_r2; ++r)
            for (int c = m_c1; c <= m_c2; ++c) f(Sheet().cells[{r, c}]);
    }

    FakeOffice& m_office;
    std::shared_ptr<FakeBook> m_book;
    int m_sheet, m_c1, m_r1, m_c2, m_r2;
};

class FakeSheetObject : public SpreadsheetSheet {
public:
    FakeSheetObject(FakeOffice& office, std::shared_ptr<FakeBook> book, int index)
        : m_office(office), m_book(std::move(book)), m_index(index) {}

    void Activate() override {
        m_office.Record("Activate(" + std::to_string(m_index) + ")");
        m_book->activeSheet = m_index;
    }
    std::shared_ptr<SpreadsheetRange> Cells() override {
        m_office.Record("Cells(" + std::to_string(m_index) + ")");
        return std::make_shared<FakeRangeObject>(m_office, m_book, m_index, 1, 1, 0xFFFF, 0xFFFF);
    }
    std::shared_ptr<SpreadsheetRange> Range(const std::string& cell1, const std::string& cell2) override {
        m_office.Record("Range(" + std::to_string(m_index) + "," + cell1 + "," + cell2 + ")");
        const auto [c1, r1] = ParseA1(cell1);
        const auto [c2, r2] = ParseA1(cell2);
        return std::make_shared<FakeRangeObject>(m_office, m_book, m_index, c1, r1, c2, r2);
    }

private:
    FakeOffice& m_office;
    std::shared_ptr<FakeBook> m_book;
    int m_index;
};

class FakeBookObject : public SpreadsheetBook {
public:
    FakeBookObject(FakeOffice& office, std::shared_ptr<FakeBook> book) : m_office(office), m_book(std::move(book)) {}

    std::int32_t SheetCount() override {
        m_office.Record("Worksheets.Count");
        return static_cast<std::int32_t>(m_book->sheets.size());
    }
    std::shared_ptr<SpreadsheetSheet> Sheet(std::int32_t index) override {
        m_office.Record("Worksheets.Item(" + std::to_string(index) + ")");
        if (index < 1 || index > static_cast<int>(m_book->sheets.size())) return nullptr;
        return std::make_shared<FakeSheetObject>(m_office, m_book, index);
    }
    void SaveAs(const std::string& fullName) override {
        m_office.Record("SaveAs(" + fullName + ")");
        m_book->savedAs = fullName;
        m_book->activeSheetAtSave = m_book->activeSheet;
    }
    void Close(std::optional<bool> saveChanges) override {
        m_office.Record(std::string("Close(") + (saveChanges ? (*saveChanges ? "true" : "false") : "missing") + ")");
        m_book->closed = true;
        m_book->closedWith = saveChanges;
    }

private:
    FakeOffice& m_office;
    std::shared_ptr<FakeBook> m_book;
};

class FakeApp : public SpreadsheetApp {
public:
    explicit FakeApp(FakeOffice& office) : m_office(office) { ++m_office.appsAlive; }
    ~FakeApp() override { --m_office.appsAlive; }

    bool Run() override {
        m_office.Record("Run");
        return !m_office.cannotRun;
    }
    void SetVisible(bool visible) override { m_office.Record("Visible=" + std::to_string(visible)); }
    void SetDisplayAlerts(bool display) override { m_office.Record("DisplayAlerts=" + std::to_string(display)); }
    std::shared_ptr<SpreadsheetBook> AddBook() override {
        m_office.Record("Workbooks.Add");
        return NewBook("", m_office.newBookSheets);
    }
    std::shared_ptr<SpreadsheetBook> OpenBook(const std::string& fullName) override {
        m_office.Record("Workbooks.Open(" + fullName + ")");
        return NewBook(fullName, 3);
    }
    bool IsBookLoaded(const std::string& fileName) override {
        m_office.Record("IsBookLoaded(" + fileName + ")");
        for (const auto& name : m_office.loadedNames)
            if (CExcel::SameNameNoCase(name, fileName)) return true;
        return false;
    }
    void Quit() override {
        m_office.Record("Quit");
        ++m_office.quits;
    }

private:
    std::shared_ptr<SpreadsheetBook> NewBook(const std::string& source, int sheets) {
        auto book = std::make_shared<FakeBook>();
        book->source = source;
        book->sheets.resize(static_cast<std::size_t>(sheets));
        m_office.books.push_back(book);
        return std::make_shared<FakeBookObject>(m_office, book);
    }

    FakeOffice& m_office;
};

} // namespace

CExcel::AppFactory FakeOffice::Factory() {
    return [this]() -> std::unique_ptr<SpreadsheetApp> {
        ++appsCreated;
        return std::make_unique<FakeApp>(*this);
    };
}

void FakeOffice::Record(const std::string& call) {
    log.push_back(call);
    if (!failingCall.empty() && call.rfind(failingCall, 0) == 0)
        throw SpreadsheetError(call + " failed", 0x800A03EC);
}

} // namespace sorvat::test
