#include "RecordingSpreadsheet.h"
#include "support/TempDirectory.h"

#include "export/Excel.h"

#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <tuple>

namespace fs = std::filesystem;
using sorvat::SpreadsheetError;
using sorvat::test::FakeOffice;
using sorvat::test::TempDirectory;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

class ExcelTest : public ::testing::Test {
protected:
    ExcelTest() : excel(office.Factory()) {
        excel.m_pfnOutput = [this](const std::string& text) { output += text; };
    }

    // A workbook with `sheets` sheets and the application log cleared.
    void OpenNewBook(int sheets) {
        office.newBookSheets = sheets;
        ASSERT_EQ(excel.AppOpen(false), 0);
        ASSERT_EQ(excel.BookNew(), 0);
        office.TakeLog();
    }

    std::string TakeOutput() { return std::exchange(output, {}); }

    FakeOffice office;
    std::string output;
    CExcel excel;
};

const char* const CoordinateDiagnostic = "## CExcel::IsCoordinate Error : 座標指定が正しくない '%s' ##\n"
                                         "\t正しい例） A1 , XY2 , B123, XYZ123\n"
                                         "\tだめな例） 1A(逆) , A0(数字は1～)\n";

std::string TextDiagnostic(const std::string& a1) {
    std::string text = CoordinateDiagnostic;
    return text.replace(text.find("%s"), 2, a1);
}

TEST(MakeA1, ColumnLettersAreBijectiveBase26AndNonPositiveGiveAQuestionMark) {
    const std::vector<std::tuple<int, int, std::string>> cases = {
        {1, 1, "A1"},    {26, 9, "Z9"},    {27, 1, "AA1"},    {28, 30, "AB30"},         {52, 2, "AZ2"},
        {53, 2, "BA2"},  {702, 3, "ZZ3"},  {703, 3, "AAA3"},  {16384, 65535, "XFD65535"}, {0, 1, "?"},
        {1, 0, "?"},     {-5, -5, "?"}};
    for (const auto& [x, y, a1] : cases) EXPECT_EQ(CExcel::MakeA1(x, y), a1) << x << "," << y;
    for (int x = 1; x <= 20000; x += 7) {
        const std::string a1 = CExcel::MakeA1(x, 1);
        int column = 0;
        for (char c : a1.substr(0, a1.size() - 1)) column = column * 26 + (c - 'A' + 1);
        ASSERT_EQ(column, x) << a1;
    }
}

TEST_F(ExcelTest, CoordinatesAreCapitalLettersThenAPositiveRowOrNumbersFromOneTo0xFFFF) {
    for (const char* good : {"A1", "XY2", "B123", "XYZ123", "A01"}) EXPECT_TRUE(excel.IsCoordinate(good)) << good;
    EXPECT_TRUE(excel.IsCoordinate(1, 1));
    EXPECT_TRUE(excel.IsCoordinate(0xFFFF, 0xFFFF));
    EXPECT_EQ(TakeOutput(), "");
    for (const char* bad : {"a1", "1A", "A0", "A", "AB", "A00", "A1B", "", "B 2", "A-1"}) {
        EXPECT_FALSE(excel.IsCoordinate(bad)) << bad;
        EXPECT_EQ(TakeOutput(), TextDiagnostic(bad));
    }
    EXPECT_FALSE(excel.IsCoordinate(0, 5));
    EXPECT_EQ(TakeOutput(), "## CExcel::IsCoordinate Error : 0,5 座標指定が正しくない (1<= x,y <= 0xFFFF) ##\n");
    EXPECT_FALSE(excel.IsCoordinate(3, 0x10000));
    EXPECT_EQ(TakeOutput(), "## CExcel::IsCoordinate Error : 3,65536 座標指定が正しくない (1<= x,y <= 0xFFFF) ##\n");
}

TEST_F(ExcelTest, WithoutAnApplicationEveryOperationAnswersItsNoObjectCode) {
    office.cannotRun = true;
    EXPECT_EQ(excel.AppOpen(false), 1);
    EXPECT_EQ(excel.BookNew(), 1);
    EXPECT_EQ(excel.BookOpen("_Template.xls"), 1);
    EXPECT_EQ(excel.BookSaveAs("out.xls"), 1);
    EXPECT_EQ(excel.SheetSelect(1), 1);
    EXPECT_EQ(excel.CellWrite(1, 1, "x"), 1);
    EXPECT_EQ(excel.CellWriteNumber(1, 1, 5), 1);
    EXPECT_EQ(excel.RangeMerge(1, 1, 2, 2), 1);
    EXPECT_EQ(excel.RangeFontColor("A1", "B2", 3), 1);
    EXPECT_EQ(excel.CellFontColor(1, 1, 3), 1);
    EXPECT_EQ(excel.RangeBackColor(1, 1, 1, 1, 20), 1);
    EXPECT_EQ(excel.RangeFontSize(1, 1, 1, 1, 24), 1);
    EXPECT_EQ(excel.BookClose(1), 0);
    EXPECT_EQ(excel.AppClose(2), 0);
    EXPECT_EQ(TakeOutput(), "");
    EXPECT_EQ(office.appsAlive, 0);
    EXPECT_EQ(office.quits, 0);
}

TEST_F(ExcelTest, MergeChecksTheWorkbookBeforeTheTextsButFormattingChecksTheTextsFirst) {
    EXPECT_EQ(excel.RangeMerge("a1", "B2"), 1);
    EXPECT_EQ(TakeOutput(), "");
    EXPECT_EQ(excel.RangeFontColor("a1", "B2", 3), 3);
    EXPECT_EQ(TakeOutput(), TextDiagnostic("a1"));
    EXPECT_EQ(excel.RangeBackColor("A1", "0B", 3), 3);
    EXPECT_EQ(TakeOutput(), TextDiagnostic("0B"));
    EXPECT_EQ(excel.RangeFontSize("A0", "B2", 3), 3);
    EXPECT_EQ(TakeOutput(), TextDiagnostic("A0"));
    EXPECT_EQ(excel.RangeFontSize("A1", "B2", 3), 1);

    // Numeric forms check their corners before anything else.
    EXPECT_EQ(excel.RangeMerge(1, 1, 0, 2), 3);
    EXPECT_THAT(TakeOutput(), HasSubstr("0,2 座標指定が正しくない"));
    EXPECT_EQ(excel.CellWriteNumber(0, 1, 4), 3);
    EXPECT_EQ(excel.CellWrite(0, 1, "4"), 1);
}

TEST_F(ExcelTest, AWorkbookWithoutSheetsAnswersNoSheet) {
    OpenNewBook(0);
    EXPECT_EQ(excel.CellWrite(1, 1, "x"), 2);
    EXPECT_EQ(excel.RangeMerge("A1", "B2"), 2);
    EXPECT_EQ(excel.RangeMerge("a1", "B2"), 2);
    EXPECT_EQ(excel.RangeFontColor("A1", "B2", 3), 2);
    EXPECT_EQ(excel.RangeFontColor("a1", "B2", 3), 3);
    EXPECT_EQ(excel.CellWrite(0, 1, "x"), 2);
}

TEST_F(ExcelTest, ColourIndexesAreTakenModulo57WithTheSignOfTheValue) {
    OpenNewBook(1);
    EXPECT_EQ(excel.RangeFontColor(2, 2, 2, 2, 60), 0);
    EXPECT_EQ(excel.RangeFontColor(2, 2, 2, 2, -60), 0);
    EXPECT_EQ(excel.RangeBackColor(2, 2, 3, 3, 77), 0);
    EXPECT_EQ(excel.CellFontColor(4, 5, 57), 0);
    EXPECT_EQ(excel.RangeFontSize("B2", "C3", 0x10018), 0);
    EXPECT_THAT(office.TakeLog(),
                ElementsAre("Range(1,B2,B2)", "Font.ColorIndex(1,B2:B2)=3", "Range(1,B2,B2)",
                            "Font.ColorIndex(1,B2:B2)=-3", "Range(1,B2,C3)", "Interior.ColorIndex(1,B2:C3)=20",
                            "Range(1,D5,D5)", "Font.ColorIndex(1,D5:D5)=0", "Range(1,B2,C3)",
                            "Font.Size(1,B2:C3)=24"));
}

TEST_F(ExcelTest, CellWritesGoThroughTheSheetsCellsByRowAndColumn) {
    OpenNewBook(1);
    EXPECT_EQ(excel.CellWriteNumber(28, 30, -17), 0);
    EXPECT_EQ(excel.CellWrite(1, 2, "テキスト"), 0);
    EXPECT_THAT(office.TakeLog(), ElementsAre("Cells(1)", "Item(1,AB30)=-17", "Cells(1)", "Item(1,A2)=テキスト"));
    EXPECT_EQ(excel.RangeMerge(2, 2, 4, 4), 0);
    EXPECT_THAT(office.TakeLog(), ElementsAre("Range(1,B2,D4)", "MergeCells(1,B2:D4)=1"));
}

TEST_F(ExcelTest, SheetSelectBeyondTheLastSheetTakesTheLastWithoutActivating) {
    OpenNewBook(2);
    EXPECT_EQ(excel.SheetSelect(3), 3);
    EXPECT_THAT(office.TakeLog(), ElementsAre("Worksheets.Count", "Worksheets.Item(2)", "Cells(2)"));
    EXPECT_EQ(excel.CellWrite(1, 1, "on two"), 0);
    EXPECT_EQ(office.books[0]->sheets[1].At(1, 1)->text, "on two");
    office.TakeLog();

    EXPECT_EQ(excel.SheetSelect(1), 0);
    EXPECT_THAT(office.TakeLog(), ElementsAre("Worksheets.Count", "Worksheets.Item(1)", "Activate(1)", "Cells(1)"));
    EXPECT_EQ(excel.SheetSelect(0), 2);
    EXPECT_EQ(excel.SheetSelect(-4), 2);

    office.sheetGivesNothing = true;
    EXPECT_EQ(excel.SheetSelect(1), 4);
    EXPECT_EQ(excel.CellWrite(1, 1, "x"), 2);
}

TEST_F(ExcelTest, TheApplicationStartsOnceVisibleForBookNewAndAlertsStayHidden) {
    EXPECT_EQ(excel.BookNew(), 0);
    EXPECT_THAT(office.TakeLog(), ElementsAre("Run", "Visible=1", "DisplayAlerts=0", "Workbooks.Add",
                                              "Worksheets.Count", "Worksheets.Item(3)", "Cells(3)"));
    EXPECT_EQ(excel.AppOpen(false), 0);
    EXPECT_EQ(office.appsCreated, 1);
    EXPECT_THAT(office.TakeLog(), ElementsAre("Visible=0", "DisplayAlerts=0"));
    office.addGivesNothing = true;
    EXPECT_EQ(excel.BookNew(), 1);
}

TEST_F(ExcelTest, BookOpenFallsBackToANewBookForANullOrMissingName) {
    TempDirectory dir;
    const fs::path previous = fs::current_path();
    fs::current_path(dir.Path());
    std::ofstream(dir.Path() / "_Template.xls") << "x";
    ASSERT_EQ(excel.AppOpen(false), 0);

    EXPECT_EQ(excel.BookOpen(nullptr), 2);
    EXPECT_EQ(excel.BookOpen("missing.xls"), 3);
    EXPECT_EQ(office.books.size(), 2u);
    EXPECT_EQ(office.books[1]->source, "");
    // The last sheet of the new book is current.
    EXPECT_EQ(excel.CellWrite(1, 1, "last"), 0);
    EXPECT_EQ(office.books[1]->sheets[2].At(1, 1)->text, "last");

    office.TakeLog();
    EXPECT_EQ(excel.BookOpen("_Template.xls"), 0);
    const std::string fullName = dir.Path().string() + "/_Template.xls";
    EXPECT_THAT(office.TakeLog(), ElementsAre("Workbooks.Open(" + fullName + ")", "Worksheets.Count",
                                              "Worksheets.Item(3)", "Cells(3)"));
    EXPECT_EQ(excel.BookOpen(fullName.c_str()), 0);
    EXPECT_EQ(office.books.back()->source, fullName);

    office.openGivesNothing = true;
    EXPECT_EQ(excel.BookOpen("_Template.xls"), 4);
    fs::current_path(previous);
}

TEST_F(ExcelTest, BookSaveAsNeedsAWorkbookAndSavesUnderTheFullName) {
    TempDirectory dir;
    EXPECT_EQ(excel.BookSaveAs("a.xls"), 1);
    ASSERT_EQ(excel.AppOpen(false), 0);
    EXPECT_EQ(excel.BookSaveAs("a.xls"), 2);
    OpenNewBook(3);
    const std::string target = (dir.Path() / "SorvatQ.091231.235959.xls").string();
    EXPECT_EQ(excel.BookSaveAs(target), 0);
    EXPECT_EQ(office.books[0]->savedAs, target);
    // An existing writable file is overwritten without a question.
    std::ofstream(target) << "old";
    EXPECT_EQ(excel.BookSaveAs(target), 0);
    EXPECT_EQ(TakeOutput(), "");
}

TEST_F(ExcelTest, BookSaveAsRefusesTargetsThatCannotBeWritten) {
    TempDirectory dir;
    OpenNewBook(3);
    const fs::path readOnly = dir.Path() / "readonly.xls";
    std::ofstream(readOnly) << "x";
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const fs::path readOnlyDir = dir.Path() / "locked";
    fs::create_directory(readOnlyDir);
    fs::permissions(readOnlyDir, fs::perms::owner_read | fs::perms::owner_exec);
    std::ofstream(dir.Path() / ".~lock.inuse.xls#") << "someone";
    office.loadedNames.insert("Loaded.XLS");

    const std::vector<fs::path> blocked = {
        readOnly,                           // read-only file
        dir.Path(),                         // a directory
        dir.Path() / "no such dir" / "a.xls", // missing directory
        readOnlyDir / "a.xls",              // read-only directory
        dir.Path() / "loaded.xls",          // open in the application, other letter case
        dir.Path() / "inuse.xls",           // open in another office (its lock file)
    };
    for (const auto& target : blocked) {
        EXPECT_EQ(excel.BookSaveAs(target.string()), 1) << target;
        EXPECT_EQ(TakeOutput(), "## CExcel::BookSaveAs Warning : 何らかの理由で保存不可能 ##\n"
                                "  保存ファイル名：" + target.string() + "\n"
                                "  予想される原因：\n"
                                "    指定されたファイルが読取専用ファイル。\n"
                                "    指定されたファイルと同名のファイルをExcelで開いている。\n"
                                "    指定されたディレクトリが読取専用ディレクトリ。\n"
                                "    指定されたディレクトリが存在しない。\n");
    }
    EXPECT_EQ(office.books[0]->savedAs, "");
    fs::permissions(readOnlyDir, fs::perms::owner_all);
}

TEST(SameNameNoCase, IgnoresTheCaseOfAsciiLettersOnly) {
    EXPECT_TRUE(CExcel::SameNameNoCase("Book1.xls", "bOOK1.XLS"));
    EXPECT_FALSE(CExcel::SameNameNoCase("Book1.xls", "Book1.xlsx"));
    EXPECT_FALSE(CExcel::SameNameNoCase("a@", "a`")); // 0x40 and 0x60 are not letters
    EXPECT_FALSE(CExcel::SameNameNoCase("Ä.xls", "ä.xls"));
    EXPECT_TRUE(CExcel::SameNameNoCase("", ""));
}

TEST_F(ExcelTest, BookCloseHandsTheCloseModeToTheWorkbookAndAppCloseQuits) {
    for (const auto& [mode, expected] :
         std::vector<std::pair<int, std::string>>{{1, "Close(true)"}, {2, "Close(false)"}, {0, "Close(missing)"}}) {
        OpenNewBook(1);
        EXPECT_EQ(excel.BookClose(mode), 0);
        EXPECT_THAT(office.TakeLog(), ElementsAre("DisplayAlerts=1", expected));
        EXPECT_EQ(excel.CellWrite(1, 1, "x"), 1);
    }
    EXPECT_EQ(excel.BookClose(1), 0);
    EXPECT_TRUE(office.TakeLog().empty());

    OpenNewBook(1);
    EXPECT_EQ(excel.AppClose(2), 0);
    EXPECT_THAT(office.TakeLog(), ElementsAre("DisplayAlerts=1", "Close(false)", "Quit"));
    EXPECT_EQ(office.appsAlive, 0);
    EXPECT_EQ(excel.AppClose(2), 0);
    EXPECT_TRUE(office.TakeLog().empty());
}

TEST_F(ExcelTest, ApplicationErrorsPassThroughTheWrapper) {
    OpenNewBook(1);
    office.failingCall = "Item(";
    try {
        excel.CellWriteNumber(2, 2, 5);
        FAIL() << "no error raised";
    } catch (const SpreadsheetError& e) {
        EXPECT_EQ(e.code, 0x800A03EC);
        EXPECT_THAT(e.what(), HasSubstr("Item(1,B2)=5"));
    }
}

TEST(ExcelLifetime, DestructionOrAFailingCloseStillQuitsTheApplication) {
    FakeOffice office;
    {
        CExcel excel(office.Factory());
        ASSERT_EQ(excel.BookNew(), 0);
    }
    EXPECT_EQ(office.quits, 1);
    EXPECT_TRUE(office.books[0]->closed);
    EXPECT_FALSE(office.books[0]->closedWith.has_value());

    CExcel excel(office.Factory());
    ASSERT_EQ(excel.BookNew(), 0);
    office.failingCall = "Close(";
    EXPECT_THROW(excel.AppClose(2), SpreadsheetError);
    EXPECT_EQ(office.quits, 2);
    EXPECT_EQ(office.appsAlive, 0);
}

} // namespace
