#include "RecordingSpreadsheet.h"
#include "support/TempDirectory.h"

#include "export/SpreadsheetExport.h"
#include "model/CellBoard.h"
#include "model/EntryList.h"

#include <ctime>
#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>

namespace fs = std::filesystem;
using namespace sorvat;
using sorvat::test::FakeCell;
using sorvat::test::FakeOffice;
using sorvat::test::FakeSheet;
using sorvat::test::TempDirectory;
using ::testing::HasSubstr;

namespace {

// A board rebuilt from its entries at level 0, as the view keeps it.
struct Board {
    explicit Board(std::initializer_list<Entry> entries) {
        for (const Entry& e : entries) list.Add(e);
        board->entries = &list;
        board->SetLevel(0);
        board->Analyze();
    }
    EntryList list;
    std::unique_ptr<CellBoard> board = std::make_unique<CellBoard>();
};

class SpreadsheetExportTest : public ::testing::Test {
protected:
    // Runs the three layouts on a fresh workbook of `sheets` sheets.
    void Write(const CellBoard& board, int sheets = 3) {
        office.newBookSheets = sheets;
        CExcel excel(office.Factory());
        excel.m_pfnOutput = [this](const std::string& text) { output += text; };
        ASSERT_EQ(excel.AppOpen(false), 0);
        ASSERT_EQ(excel.BookNew(), 0);
        WriteBoardSheets(excel, board);
    }
    const FakeSheet& Sheet(int n) const { return office.books.at(0)->sheets.at(static_cast<std::size_t>(n - 1)); }

    FakeOffice office;
    std::string output;
};

std::string Text(const FakeSheet& sheet, int column, int row) {
    const FakeCell* cell = sheet.At(column, row);
    return cell ? cell->text : "";
}

int CountTexts(const FakeSheet& sheet) {
    int n = 0;
    for (const auto& [position, cell] : sheet.cells) n += cell.text.empty() ? 0 : 1;
    return n;
}

TEST(ExportFileName, IsMadeFromTheLocalDateAndTime) {
    std::tm time{};
    ASSERT_NE(::strptime("2026-01-02 03:04:05", "%Y-%m-%d %H:%M:%S", &time), nullptr);
    EXPECT_EQ(ExportFileName("/d", time), "/d/SorvatQ.260102.030405.xls");
}

TEST_F(SpreadsheetExportTest, AnEmptyBoardColoursTheDigitsGridAndShowsEveryCandidate) {
    Board empty({});
    Write(*empty.board);
    const FakeSheet& digits = Sheet(1);
    for (int y = 2; y <= 10; ++y) {
        for (int x = 2; x <= 10; ++x) {
            const FakeCell* cell = digits.At(x, y);
            ASSERT_NE(cell, nullptr);
            EXPECT_EQ(cell->text, "");
            EXPECT_EQ(cell->fontColor, EmptyCellFontColor);
        }
    }
    EXPECT_EQ(digits.cells.size(), 81u);
    EXPECT_TRUE(Sheet(2).cells.empty());

    const FakeSheet& candidates = Sheet(3);
    EXPECT_EQ(CountTexts(candidates), 729);
    EXPECT_TRUE(candidates.merges.empty());
    // Digit k of the cell in column c, row r sits at (3c + 2 + k mod 3, 3r + 2 + k div 3).
    EXPECT_EQ(Text(candidates, 4, 2), "3");
    EXPECT_EQ(Text(candidates, 15, 18), "5"); // cell (4, 5), digit 5 in the middle
    for (const auto& [position, cell] : candidates.cells) EXPECT_FALSE(cell.backColor.has_value());
    EXPECT_EQ(output, "");
}

TEST_F(SpreadsheetExportTest, EnteredDigitsAreOnAllThreeSheetsLocksInTheDefaultColourFixInBlue) {
    Board entered({Entry(0, 0, 4, Lock), Entry(8, 8, 8, Lock), Entry(4, 3, 0, Lock), Entry(2, 1, 6, Fix)});
    Write(*entered.board);
    EXPECT_EQ(Text(Sheet(1), 10, 10), "9");
    EXPECT_FALSE(Sheet(1).At(2, 2)->fontColor.has_value());
    EXPECT_EQ(Sheet(1).At(3, 2)->fontColor, EmptyCellFontColor);
    EXPECT_EQ(Text(Sheet(1), 4, 3), "7");
    EXPECT_EQ(Sheet(1).At(4, 3)->fontColor, FixDigitFontColor);

    EXPECT_EQ(Text(Sheet(2), 26, 26), "9");
    EXPECT_EQ(Text(Sheet(2), 8, 5), "7");
    EXPECT_EQ(CountTexts(Sheet(2)), 4);
    for (const auto& [position, cell] : Sheet(2).cells)
        EXPECT_EQ(cell.fontColor, position == std::pair(5, 8) ? std::optional<int>(FixDigitFontColor) : std::nullopt);

    const FakeSheet& candidates = Sheet(3);
    EXPECT_THAT(candidates.merges, ::testing::ElementsAre("B2:D4", "H5:J7", "N11:P13", "Z26:AB28"));
    EXPECT_EQ(Text(candidates, 14, 11), "1");
    EXPECT_FALSE(candidates.At(14, 11)->fontColor.has_value());
    EXPECT_EQ(candidates.At(8, 5)->fontColor, FixDigitFontColor);
    EXPECT_EQ(candidates.At(8, 5)->fontSize, EnteredDigitFontSize);
    EXPECT_EQ(Text(candidates, 6, 3), "");  // a peer of the Lock 5 lost candidate 5
    EXPECT_EQ(Text(candidates, 15, 6), "5");
}

// A solved cell that is not entered, and a cell with one candidate left,
// show that digit alone and marked, on the candidates sheet only.
TEST_F(SpreadsheetExportTest, ADeterminedDigitThatIsNotEnteredIsMarkedOnTheCandidatesSheetOnly) {
    Board board({});
    board.board->Confirm(3, 6, 7);  // digit 8 determined in column 4, row 7
    SCell& single = board.board->Cell(8, 0);
    for (int d = 0; d < 9; ++d)
        if (d != 2) single.SetCandidate(d, Clear);
    Write(*board.board);
    EXPECT_EQ(Text(Sheet(1), 5, 8), "");
    EXPECT_TRUE(Sheet(2).cells.empty());
    const FakeSheet& candidates = Sheet(3);
    for (int k = 0; k < 9; ++k) EXPECT_EQ(Text(candidates, 11 + k % 3, 20 + k / 3), k == 7 ? "8" : "") << k;
    EXPECT_EQ(candidates.At(12, 22)->backColor, DeterminedBackColor);
    EXPECT_EQ(Text(candidates, 28, 2), "3");
    EXPECT_EQ(candidates.At(28, 2)->backColor, DeterminedBackColor);
    EXPECT_EQ(Text(candidates, 26, 2), "");
    EXPECT_TRUE(candidates.merges.empty());
    EXPECT_FALSE(candidates.At(2, 2)->backColor.has_value());
}

TEST_F(SpreadsheetExportTest, ATwoSheetTemplateGetsTheThirdLayoutOnItsLastSheet) {
    Board board({Entry(1, 0, 2, Fix)});
    Write(*board.board, 2);
    const FakeSheet& second = Sheet(2);
    // The entered digit of the blocks layout, then merged and enlarged.
    EXPECT_EQ(Text(second, 5, 2), "3");
    EXPECT_THAT(second.merges, ::testing::ElementsAre("E2:G4"));
    EXPECT_EQ(second.At(5, 2)->fontSize, EnteredDigitFontSize);
    // The candidates of the other cells are there as well.
    EXPECT_EQ(Text(second, 2, 2), "1");
    EXPECT_EQ(Text(second, 4, 2), ""); // 3 is entered beside it
}

class ExportCommandTest : public ::testing::Test {
protected:
    ExportCommandTest() {
        request.createApp = office.Factory();
        request.output = [this](const std::string& text) { output += text; };
        request.outputPath = (dir.Path() / "SorvatQ.260102.030405.xls").string();
    }

    TempDirectory dir;
    FakeOffice office;
    ExportRequest request;
    std::string output;
    Board board{{Entry(0, 0, 0, Lock)}};
};

TEST_F(ExportCommandTest, OpensTheTemplateOrANewWorkbookSavesWithTheDigitsSheetActiveAndQuits) {
    const fs::path templateFile = dir.Path() / "_Template.xls";
    request.templateName = templateFile.string();
    for (const bool withTemplate : {true, false}) {
        SCOPED_TRACE(withTemplate ? "with the template" : "without the template");
        if (withTemplate)
            std::ofstream(templateFile) << "template";
        else
            fs::remove(templateFile);
        office.books.clear();
        office.log.clear();
        const ExportResult result = ExportSpreadsheet(*board.board, request);
        EXPECT_EQ(result.outcome, ExportOutcome::Saved);
        ASSERT_EQ(office.books.size(), 1u);
        const auto& book = *office.books[0];
        EXPECT_EQ(book.source, withTemplate ? templateFile.string() : "");
        EXPECT_EQ(book.savedAs, request.outputPath);
        EXPECT_EQ(book.activeSheetAtSave, 1);
        EXPECT_EQ(book.closedWith, false);
        EXPECT_EQ(office.appsAlive, 0);
        ASSERT_GE(office.log.size(), 2u);
        EXPECT_EQ(office.log[0] + " " + office.log[1], "Run Visible=0");
    }
    EXPECT_EQ(office.quits, 2);
}

TEST_F(ExportCommandTest, NoApplicationMeansNothingWrittenAndNothingLeftRunning) {
    office.cannotRun = true;
    const ExportResult result = ExportSpreadsheet(*board.board, request);
    EXPECT_EQ(result.outcome, ExportOutcome::OfficeUnavailable);
    EXPECT_TRUE(office.books.empty());
    EXPECT_EQ(office.appsCreated, 1);
    EXPECT_EQ(office.appsAlive, 0);
    EXPECT_FALSE(fs::exists(request.outputPath));
}

TEST_F(ExportCommandTest, AnApplicationErrorIsReportedAndNothingIsSaved) {
    office.failingCall = "Font.Size";
    ExportResult result;
    EXPECT_NO_THROW(result = ExportSpreadsheet(*board.board, request));
    EXPECT_EQ(result.outcome, ExportOutcome::Failed);
    EXPECT_THAT(result.error, HasSubstr("Font.Size"));
    EXPECT_EQ(office.books[0]->savedAs, "");
}

TEST_F(ExportCommandTest, AFailingCloseAfterASuccessfulSaveStillCountsAsSaved) {
    office.failingCall = "Close(";
    const ExportResult result = ExportSpreadsheet(*board.board, request);
    EXPECT_EQ(result.outcome, ExportOutcome::Saved);
    EXPECT_EQ(office.books[0]->savedAs, request.outputPath);
}

} // namespace
