// `sorvat-cli export` driven through its command definition, with the
// spreadsheet application replaced by the recording fake.
#ifdef SORVAT_HAVE_CLI_LIB
#include "ExportCommand.h"
#include "PuzzleInput.h"
#include "RecordingSpreadsheet.h"
#include "support/TempDirectory.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <memory>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using sorvat::test::FakeOffice;
using sorvat::test::TempDirectory;

namespace {

class ExportCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        sorvat::SetDefaultSpreadsheetAppFactory(office.Factory());
        inDir = std::make_unique<sorvat::test::InDirectory>(dir.Path());
        std::ofstream("puzzle.md1") << "// comment\r\nL115\r\nF213\r\n";
    }
    void TearDown() override {
        inDir.reset();
        sorvat::SetDefaultSpreadsheetAppFactory(nullptr);
    }

    void Run(std::vector<std::string> args) {
        CLI::App app;
        sorvat::cli::AddExportCommand(app);
        args.insert(args.begin(), "sorvat-cli");
        std::vector<const char*> argv;
        for (const auto& a : args) argv.push_back(a.c_str());
        app.parse(static_cast<int>(argv.size()), argv.data());
    }

    TempDirectory dir;
    std::unique_ptr<sorvat::test::InDirectory> inDir;
    FakeOffice office;
};

TEST_F(ExportCliTest, WritesTheBoardToTheGivenFileFromTheGivenTemplate) {
    std::ofstream("mine.xls") << "template";
    testing::internal::CaptureStdout();
    Run({"export", "puzzle.md1", "--template", "mine.xls", "--out", "out.xls"});
    const std::string printed = testing::internal::GetCapturedStdout();
    ASSERT_EQ(office.books.size(), 1u);
    const auto& book = *office.books[0];
    EXPECT_EQ(book.source, (dir.Path() / "mine.xls").string());
    EXPECT_EQ(book.savedAs, (dir.Path() / "out.xls").string());
    EXPECT_EQ(printed, "out.xls\n");
    EXPECT_EQ(book.sheets[0].At(2, 2)->text, "5");
    EXPECT_EQ(book.sheets[0].At(3, 2)->text, "3");
}

TEST_F(ExportCliTest, FailuresBecomeOneLineErrors) {
    office.cannotRun = true;
    EXPECT_THROW(Run({"export", "puzzle.md1", "--out", "x.xls"}), sorvat::cli::CliError);
    office.cannotRun = false;
    office.failingCall = "Font.Size";
    try {
        Run({"export", "puzzle.md1", "--out", "x.xls"});
        FAIL() << "no error";
    } catch (const sorvat::cli::CliError& e) {
        EXPECT_THAT(e.what(), ::testing::HasSubstr("Font.Size"));
    }
    office.failingCall.clear();
    testing::internal::CaptureStderr();
    EXPECT_THROW(Run({"export", "puzzle.md1", "--out", "no/such/dir/x.xls"}), sorvat::cli::CliError);
    EXPECT_THAT(testing::internal::GetCapturedStderr(), ::testing::HasSubstr("## CExcel::BookSaveAs Warning"));
    EXPECT_THROW(Run({"export", "missing.md1"}), sorvat::cli::CliError);
}

} // namespace
#endif
