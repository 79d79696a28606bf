// The spreadsheet wrapper's own rules; what the export asks of it is checked in
// SpreadsheetExportTest.
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
using ::testing::HasSubstr;

namespace {

class ExcelTest : public ::testing::Test {
protected:
    ExcelTest() : excel(office.Factory()) {
        excel.m_pfnOutput = [this](const std::string& text) { output += text; };
    }

    std::string TakeOutput() { return std::exchange(output, {}); }

    FakeOffice office;
    std::string output;
    CExcel excel;
};

TEST(MakeA1, ColumnLettersAreBijectiveBase26AndNonPositiveGiveAQuestionMark) {
    const std::vector<std::tuple<int, int, std::string>> cases = {
        {1, 1, "A1"},    {26, 9, "Z9"},    {27, 1, "AA1"},    {28, 30, "AB30"},         {52, 2, "AZ2"},
        {53, 2, "BA2"},  {702, 3, "ZZ3"},  {703, 3, "AAA3"},  {16384, 65535, "XFD65535"}, {0, 1, "?"},
        {1, 0, "?"},     {-5, -5, "?"}};
    for (const auto& [x, y, a1] : cases) EXPECT_EQ(CExcel::MakeA1(x, y), a1) << x << "," << y;
}

TEST_F(ExcelTest, CoordinatesAreCapitalLettersThenAPositiveRowOrNumbersFromOneTo0xFFFF) {
    for (const char* good : {"A1", "XY2", "B123", "XYZ123", "A01"}) EXPECT_TRUE(excel.IsCoordinate(good)) << good;
    EXPECT_TRUE(excel.IsCoordinate(1, 1));
    EXPECT_TRUE(excel.IsCoordinate(0xFFFF, 0xFFFF));
    EXPECT_EQ(TakeOutput(), "");
    for (const char* bad : {"a1", "1A", "A0", "A", "AB", "A00", "A1B", "", "B 2", "A-1"}) {
        EXPECT_FALSE(excel.IsCoordinate(bad)) << bad;
        EXPECT_THAT(TakeOutput(), HasSubstr("IsCoordinate Error : 座標指定が正しくない '" + std::string(bad) + "'"));
    }
    EXPECT_FALSE(excel.IsCoordinate(0, 5));
    EXPECT_THAT(TakeOutput(), HasSubstr("IsCoordinate Error : 0,5 "));
    EXPECT_FALSE(excel.IsCoordinate(3, 0x10000));
    EXPECT_THAT(TakeOutput(), HasSubstr("IsCoordinate Error : 3,65536 "));
}

TEST_F(ExcelTest, BookSaveAsRefusesTargetsThatCannotBeWritten) {
    TempDirectory dir;
    ASSERT_EQ(excel.AppOpen(false), 0);
    ASSERT_EQ(excel.BookNew(), 0);
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
        EXPECT_THAT(TakeOutput(), HasSubstr("BookSaveAs Warning : 何らかの理由で保存不可能 ##\n  保存ファイル名：" +
                                            target.string() + "\n"));
    }
    EXPECT_EQ(office.books[0]->savedAs, "");
    fs::permissions(readOnlyDir, fs::perms::owner_all);
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
