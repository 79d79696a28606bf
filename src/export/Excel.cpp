#include "export/Excel.h"

#include "export/FileNames.h"

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;
using sorvat::LastNamePart;

namespace {

constexpr int MaxCoordinate = 0xFFFF;
constexpr int PaletteModulus = 57;
constexpr std::size_t MaxA1Length = 18;

void WriteToStandardOutput(const std::string& text) {
    std::fputs(text.c_str(), stdout);
    std::fflush(stdout);
}

constexpr auto AnyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

// Read-only in the sense of the file's own mode: no write bit at all, or not
// writable for this process. The mode test keeps the answer the same for
// every user, including one who may write anywhere.
bool IsReadOnly(const fs::path& path, const fs::file_status& status) {
    return (status.permissions() & AnyWrite) == fs::perms::none || ::access(path.c_str(), W_OK) != 0;
}

// LibreOffice keeps ".~lock.<name>#" beside a file while it has it open.
bool HasOfficeLockFile(const std::string& fullName) {
    const auto slash = fullName.find_last_of('/');
    const std::string directory = slash == std::string::npos ? std::string() : fullName.substr(0, slash + 1);
    std::error_code ec;
    return fs::exists(directory + ".~lock." + LastNamePart(fullName) + "#", ec);
}

} // namespace

CExcel::CExcel() : CExcel(&sorvat::CreateDefaultSpreadsheetApp) {}

CExcel::CExcel(AppFactory createApp) : m_pfnOutput(WriteToStandardOutput), m_createApp(std::move(createApp)) {}

CExcel::~CExcel() {
    // Destruction must not throw; the backend's own destruction still ends
    // the application when Quit failed.
    try {
        AppClose(0);
    } catch (...) {
    }
    m_pRange.reset();
    m_pSheet.reset();
    m_pBook.reset();
    m_pApp.reset();
}

void CExcel::Output(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    if (length > 0) std::vsnprintf(text.data(), text.size() + 1, format, args);
    va_end(args);
    if (m_pfnOutput) m_pfnOutput(text);
}

int CExcel::AppOpen(bool visible) {
    if (!m_pApp) {
        std::unique_ptr<sorvat::SpreadsheetApp> app = m_createApp ? m_createApp() : nullptr;
        if (!app || !app->Run()) return 1;
        m_pApp = std::move(app);
    }
    m_pApp->SetVisible(visible);
    m_pApp->SetDisplayAlerts(false);
    return 0;
}

int CExcel::AppClose(int mode) {
    // The application quits even when closing the book fails; that error is
    // raised afterwards.
    std::exception_ptr failure;
    try {
        BookClose(mode);
    } catch (...) {
        failure = std::current_exception();
    }
    if (m_pApp) {
        std::unique_ptr<sorvat::SpreadsheetApp> app = std::move(m_pApp);
        app->Quit();
    }
    if (failure) std::rethrow_exception(failure);
    return 0;
}

int CExcel::BookClose(int mode) {
    m_pRange.reset();
    m_pSheet.reset();
    if (m_pBook) {
        std::shared_ptr<sorvat::SpreadsheetBook> book = std::move(m_pBook);
        if (m_pApp) m_pApp->SetDisplayAlerts(true);
        std::optional<bool> saveChanges;
        if (mode == CloseSave) saveChanges = true;
        if (mode == CloseDiscard) saveChanges = false;
        book->Close(saveChanges);
    }
    return 0;
}

int CExcel::BookNew() {
    if (!m_pApp) {
        // A workbook made without an explicit start shows the application.
        AppOpen(true);
        if (!m_pApp) return 1;
    }
    m_pBook = m_pApp->AddBook();
    if (!m_pBook) return 1;
    m_pSheet = m_pBook->Sheet(m_pBook->SheetCount());
    m_pRange = m_pSheet ? m_pSheet->Cells() : nullptr;
    return 0;
}

std::string CExcel::FullName(const std::string& name) {
    if (!name.empty() && name.front() == '/') return name;
    std::error_code ec;
    return fs::current_path(ec).string() + "/" + name;
}

int CExcel::BookOpen(const char* name) {
    if (!m_pApp) {
        AppOpen(true);
        if (!m_pApp) return 1;
    }
    if (!name) {
        BookNew();
        return 2;
    }
    const std::string fullName = FullName(name);
    std::error_code ec;
    if (!fs::exists(fullName, ec)) {
        BookNew();
        return 3;
    }
    m_pBook = m_pApp->OpenBook(fullName);
    if (!m_pBook) return 4;
    m_pSheet = m_pBook->Sheet(m_pBook->SheetCount());
    m_pRange = m_pSheet ? m_pSheet->Cells() : nullptr;
    return 0;
}

int CExcel::BookSaveAs(const std::string& name) {
    if (!m_pApp) return 1;
    if (!m_pBook) return 2;
    const std::string fullName = FullName(name);
    if (IsSaveBlocked(fullName)) {
        Output("## CExcel::BookSaveAs Warning : 何らかの理由で保存不可能 ##\n"
               "  保存ファイル名：%s\n"
               "  予想される原因：\n"
               "    指定されたファイルが読取専用ファイル。\n"
               "    指定されたファイルと同名のファイルをExcelで開いている。\n"
               "    指定されたディレクトリが読取専用ディレクトリ。\n"
               "    指定されたディレクトリが存在しない。\n",
               fullName.c_str());
        return 1;
    }
    m_pBook->SaveAs(fullName);
    return 0;
}

bool CExcel::IsSaveBlocked(const std::string& fullName) {
    if (fullName.empty()) return false;
    std::error_code ec;
    const fs::file_status status = fs::status(fullName, ec);
    if (fs::exists(status)) {
        if (fs::is_directory(status) || IsReadOnly(fullName, status)) return true;
    }
    if (IsBookOpenInApp(LastNamePart(fullName)) || HasOfficeLockFile(fullName)) return true;
    const auto slash = fullName.find_last_of('/');
    if (slash != std::string::npos && slash >= 1) {
        const fs::path directory = fullName.substr(0, slash);
        const fs::file_status dirStatus = fs::status(directory, ec);
        if (!fs::is_directory(dirStatus) || IsReadOnly(directory, dirStatus)) return true;
    }
    return false;
}

bool CExcel::IsBookOpenInApp(const std::string& fileName) {
    return m_pApp && m_pApp->IsBookLoaded(fileName);
}

bool CExcel::SameNameNoCase(const std::string& a, const std::string& b) { return sorvat::SameNameNoCase(a, b); }

int CExcel::SheetSelect(int n) {
    if (!m_pBook) return 1;
    if (n < 1) return 2;
    const std::int32_t count = m_pBook->SheetCount();
    if (n <= count) {
        m_pSheet = m_pBook->Sheet(static_cast<std::int16_t>(n));
        if (!m_pSheet) return 4;
        m_pSheet->Activate();
        m_pRange = m_pSheet->Cells();
        return 0;
    }
    m_pSheet = m_pBook->Sheet(count);
    m_pRange = m_pSheet ? m_pSheet->Cells() : nullptr;
    return 3;
}

int CExcel::CellWrite(int x, int y, const std::string& text) {
    if (!m_pBook) return 1;
    if (!m_pSheet) return 2;
    if (!IsCoordinate(x, y)) return 3;
    m_pRange = m_pSheet->Cells();
    m_pRange->SetItem(y, x, text);
    return 0;
}

int CExcel::CellWriteNumber(int x, int y, int n) {
    if (!IsCoordinate(x, y)) return 3;
    return CellWrite(x, y, std::to_string(n));
}

int CExcel::RangeMerge(const std::string& a1, const std::string& a2) {
    if (!m_pBook) return 1;
    if (!m_pSheet) return 2;
    if (!IsCoordinate(a1) || !IsCoordinate(a2)) return 3;
    m_pRange = m_pSheet->Range(a1, a2);
    m_pRange->SetMergeCells(true);
    return 0;
}

int CExcel::RangeMerge(int x1, int y1, int x2, int y2) {
    if (!IsCoordinate(x1, y1) || !IsCoordinate(x2, y2)) return 3;
    return RangeMerge(MakeA1(x1, y1), MakeA1(x2, y2));
}

int CExcel::RangeFormat(const std::string& a1, const std::string& a2, RangeOp op, int value) {
    if (!IsCoordinate(a1) || !IsCoordinate(a2)) return 3;
    if (!m_pBook) return 1;
    if (!m_pSheet) return 2;
    m_pRange = m_pSheet->Range(a1, a2);
    switch (op) {
    case RangeOp::FontColor:
        m_pRange->SetFontColorIndex(static_cast<std::int16_t>(value % PaletteModulus));
        break;
    case RangeOp::BackColor:
        m_pRange->SetInteriorColorIndex(static_cast<std::int16_t>(value % PaletteModulus));
        break;
    case RangeOp::FontSize:
        m_pRange->SetFontSize(static_cast<std::int16_t>(value));
        break;
    }
    return 0;
}

int CExcel::RangeFontColor(const std::string& a1, const std::string& a2, int colorIndex) {
    return RangeFormat(a1, a2, RangeOp::FontColor, colorIndex);
}

int CExcel::RangeFontColor(int x1, int y1, int x2, int y2, int colorIndex) {
    if (!IsCoordinate(x1, y1) || !IsCoordinate(x2, y2)) return 3;
    return RangeFontColor(MakeA1(x1, y1), MakeA1(x2, y2), colorIndex);
}

int CExcel::CellFontColor(int x, int y, int colorIndex) { return RangeFontColor(x, y, x, y, colorIndex); }

int CExcel::RangeBackColor(const std::string& a1, const std::string& a2, int colorIndex) {
    return RangeFormat(a1, a2, RangeOp::BackColor, colorIndex);
}

int CExcel::RangeBackColor(int x1, int y1, int x2, int y2, int colorIndex) {
    if (!IsCoordinate(x1, y1) || !IsCoordinate(x2, y2)) return 3;
    return RangeBackColor(MakeA1(x1, y1), MakeA1(x2, y2), colorIndex);
}

int CExcel::RangeFontSize(const std::string& a1, const std::string& a2, int size) {
    return RangeFormat(a1, a2, RangeOp::FontSize, size);
}

int CExcel::RangeFontSize(int x1, int y1, int x2, int y2, int size) {
    if (!IsCoordinate(x1, y1) || !IsCoordinate(x2, y2)) return 3;
    return RangeFontSize(MakeA1(x1, y1), MakeA1(x2, y2), size);
}

bool CExcel::IsCoordinate(int x, int y) {
    if (x >= 1 && x <= MaxCoordinate && y >= 1 && y <= MaxCoordinate) return true;
    Output("## CExcel::IsCoordinate Error : %d,%d 座標指定が正しくない (1<= x,y <= 0xFFFF) ##\n", x, y);
    return false;
}

bool CExcel::IsCoordinate(const std::string& a1) {
    std::size_t i = 0;
    while (i < a1.size() && a1[i] >= 'A' && a1[i] <= 'Z') ++i;
    const std::size_t letters = i;
    bool nonZero = false;
    while (i < a1.size() && a1[i] >= '0' && a1[i] <= '9') nonZero |= a1[i++] != '0';
    const bool valid = a1.size() >= 2 && letters >= 1 && i > letters && i == a1.size() && nonZero;
    if (valid) return true;
    Output("## CExcel::IsCoordinate Error : 座標指定が正しくない '%s' ##\n"
           "\t正しい例） A1 , XY2 , B123, XYZ123\n"
           "\tだめな例） 1A(逆) , A0(数字は1～)\n",
           a1.c_str());
    return false;
}

std::string CExcel::MakeA1(int x, int y) {
    if (x < 1 || y < 1) return "?";
    std::string letters;
    for (std::int64_t n = x; n > 0; n = (n - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
    const std::string digits = std::to_string(y);
    if (letters.size() + digits.size() > MaxA1Length) return letters;
    return letters + digits;
}
