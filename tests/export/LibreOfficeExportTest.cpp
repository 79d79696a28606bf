// The export through a real headless LibreOffice, read back with xlrd: what
// lands where is checked against the recording fake, here only that the real
// office carries it into the file.
// The setup installs the office, its SDK and python3-xlrd: a missing one fails
// the tests. Skipped only in a build configured without the backend
// (SORVAT_EXPORT_LO off).
#include "support/ChildProcess.h"
#include "support/TempDirectory.h"

#include "export/SpreadsheetExport.h"
#include "model/CellBoard.h"
#include "model/EntryList.h"
#ifdef SORVAT_HAVE_LIBREOFFICE
#include "export/lo/LibreOfficeApp.h"
#endif

#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <memory>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace sorvat;
using nlohmann::json;
using sorvat::test::TempDirectory;

namespace {

const std::vector<int> Blue = {0, 0, 255};
const std::vector<int> Red = {255, 0, 0};
const std::vector<int> LightTurquoise = {204, 255, 255};

// A python3 that has xlrd, or empty.
[[maybe_unused]] std::string PythonWithXlrd() {
    for (const char* python : {"/usr/bin/python3", "python3"}) {
        const std::string probe = std::string(python) + " -c 'import xlrd' >/dev/null 2>&1";
        if (std::system(probe.c_str()) == 0) return python;
    }
    return {};
}

// Processes of this test's own offices (their pipe names carry our pid).
int OwnOfficeProcesses() {
    const std::string mark = "sorvat_export_" + std::to_string(::getpid()) + "_";
    int count = 0;
    for (const auto& entry : fs::directory_iterator("/proc")) {
        std::ifstream cmdline(entry.path() / "cmdline");
        std::string text((std::istreambuf_iterator<char>(cmdline)), std::istreambuf_iterator<char>());
        if (text.find(mark) != std::string::npos) ++count;
    }
    return count;
}

class LibreOfficeExportTest : public ::testing::Test {
protected:
    void SetUp() override {
#if !defined(SORVAT_HAVE_LIBREOFFICE) && defined(SORVAT_EXPORT_LO_WANTED)
        FAIL() << "the LibreOffice SDK (libreoffice-dev) is missing: built without the backend";
#elif !defined(SORVAT_HAVE_LIBREOFFICE)
        GTEST_SKIP() << "built without the LibreOffice backend (SORVAT_EXPORT_LO off)";
#else
        ASSERT_TRUE(IsLibreOfficeInstalled()) << "LibreOffice is not installed in " << LibreOfficeProgramDirectory();
        python = PythonWithXlrd();
        ASSERT_FALSE(python.empty()) << "python3-xlrd is not installed: cannot read .xls files back";
#endif
        ::setenv("TMPDIR", profiles.Path().c_str(), 1);  // where the office profiles go
    }
    void TearDown() override { ::unsetenv("TMPDIR"); }

    // No office of this test is left running and no office profile is left.
    void ExpectNothingLeft() {
        EXPECT_EQ(OwnOfficeProcesses(), 0);
        EXPECT_TRUE(fs::is_empty(profiles.Path()));
    }

    json ReadBack(const fs::path& xls) {
        const std::string text =
            sorvat::test::CommandOutput(python + " '" SORVAT_EXPORT_TEST_DIR "/read_xls.py' '" + xls.string() + "'");
        return json::parse(text);
    }

    std::string python;
    TempDirectory dir;
    TempDirectory profiles;
};

TEST_F(LibreOfficeExportTest, ExportsTheThreeLayoutsIntoTheTemplate) {
    EntryList list;
    list.Add(Entry(0, 0, 4, Lock));  // 5 at B2
    list.Add(Entry(8, 8, 8, Lock));  // 9 at J10
    list.Add(Entry(2, 1, 6, Fix));   // 7 at D3, blue
    auto board = std::make_unique<CellBoard>();
    board->entries = &list;
    board->SetLevel(0);
    board->Analyze();
    board->Confirm(4, 4, 0); // 1 determined, not entered, in the centre cell

    const fs::path templateCopy = dir.Path() / "_Template.xls";
    fs::copy_file(SORVAT_SHIPPED_TEMPLATE, templateCopy);
    const auto templateTime = fs::last_write_time(templateCopy);
    ExportRequest request;
    request.templateName = templateCopy.string();
    request.outputPath = (dir.Path() / "SorvatQ.260102.030405.xls").string();
    std::string output;
    request.output = [&](const std::string& text) { output += text; };

    const ExportResult result = ExportSpreadsheet(*board, request);

    ASSERT_EQ(result.outcome, ExportOutcome::Saved) << result.error << output;
    EXPECT_EQ(output, "");
    ExpectNothingLeft();
    EXPECT_EQ(fs::last_write_time(templateCopy), templateTime);

    const json book = ReadBack(request.outputPath);
    const json& sheets = book["sheets"];
    ASSERT_EQ(sheets.size(), 3u);

    const json& digits = sheets[0]["cells"];
    EXPECT_EQ(digits["B2"]["value"], 5);
    EXPECT_EQ(digits["D3"]["font_rgb"], Blue);
    EXPECT_EQ(digits["C2"]["font_rgb"], Red);
    EXPECT_EQ(digits.size(), 81u);

    const json& blocks = sheets[1];
    EXPECT_EQ(blocks["cells"]["H5"]["font_rgb"], Blue);
    EXPECT_EQ(blocks["merges"].size(), 81u); // the template's blocks

    const json& candidates = sheets[2];
    EXPECT_EQ(candidates["merges"], json({"B2:D4", "H5:J7", "Z26:AB28"}));
    EXPECT_EQ(candidates["cells"]["H5"]["font_height"], 24 * 20);
    // The centre cell's block N14:P16 shows only its determined 1, marked.
    EXPECT_EQ(candidates["cells"]["N14"]["value"], 1);
    EXPECT_EQ(candidates["cells"]["N14"]["back_rgb"], LightTurquoise);
}

// What the recording fake cannot show: text through the office's own
// strings, a name the office has loaded, errors raised inside the office and
// the clean-up after them without an orderly close.
TEST_F(LibreOfficeExportTest, RealOfficeNamesErrorsAndCleanUp) {
    {
        sorvat::test::InDirectory inDir(dir.Path());
        CExcel excel;
        std::string output;
        excel.m_pfnOutput = [&](const std::string& text) { output += text; };
        ASSERT_EQ(excel.AppOpen(false), 0);
        EXPECT_GT(OwnOfficeProcesses(), 0);
        EXPECT_EQ(excel.BookOpen("_Template.xls"), 3);  // missing: a new workbook of three sheets
        EXPECT_EQ(excel.CellWrite(3, 4, "テキスト"), 0);
        EXPECT_EQ(excel.BookSaveAs("book.xls"), 0);
        // The workbook now carries that name in the office: saving onto it again is refused.
        EXPECT_EQ(excel.BookSaveAs("BOOK.xls"), 1);
        EXPECT_THAT(output, ::testing::HasSubstr("## CExcel::BookSaveAs Warning"));
        EXPECT_THROW(excel.RangeFontSize("A1", "A1", -3), SpreadsheetError);
        // The wrapper goes away without an orderly close.
    }
    ExpectNothingLeft();
    EXPECT_EQ(ReadBack(dir.Path() / "book.xls")["sheets"][2]["cells"]["C4"]["value"], "テキスト");
}

} // namespace
