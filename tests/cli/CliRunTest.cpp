#include "CliTestSupport.h"
#include "files/PuzzleFile.h"
#include "files/PuzzleLines.h"

#include <gtest/gtest.h>

using namespace sorvat;
using namespace sorvat::test;

TEST(CliSolve, PrintsOneLinePerPuzzleAndCountsTheSummary) {
    TempDirectory dir;
    const auto cases = ReadPuzzleCases("qqwing.txt");
    const std::string input = dir.Write("in/mixed.txt", "# header\n" + cases[0].puzzle + "\nthis is no puzzle\n" +
                                                            Contradictory() + "\n" + std::string(81, '0') + "\n");
    const CliRun run = RunCli(dir, "solve --jobs 2 " + Quoted(input));
    EXPECT_EQ(run.exitCode, 1) << "a skipped line is bad input";
    const auto out = Lines(run.out);
    ASSERT_EQ(out.size(), 3u) << run.out;
    EXPECT_EQ(out[0], cases[0].solution);
    EXPECT_EQ(out[1].substr(81), " contradiction");
    EXPECT_EQ(out[2], std::string(81, '.'));
    EXPECT_NE(run.err.find("3 puzzles: 1 solved, 1 unsolved, 1 contradictory"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("per puzzle mean"), std::string::npos) << run.err;
}

TEST(CliSolve, GridShowsTheSourceAndNineRows) {
    TempDirectory dir;
    const auto cases = ReadPuzzleCases("qqwing.txt");
    const std::string md2 = dir.Write("in/one.md2", PuzzleFile::Format("one.md2", LocksFromPuzzle(cases[0].puzzle)));
    const CliRun run = RunCli(dir, "solve --format grid " + Quoted(md2));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto out = Lines(run.out);
    ASSERT_GE(out.size(), 12u);
    EXPECT_EQ(out[0], md2 + ": solved");
    EXPECT_EQ(out[1], "9 2 6 | 4 7 1 | 5 3 8");
    EXPECT_EQ(out[4], "------+-------+------");
}

TEST(CliSolve, BadInvocationsFailWithOneLine) {
    TempDirectory dir;
    const CliRun missing = RunCli(dir, "solve " + Quoted((dir / "none.txt").string()));
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_NE(missing.err.find("none.txt: no such file or directory"), std::string::npos) << missing.err;
    const CliRun format = RunCli(dir, "solve --format xml -");
    EXPECT_NE(format.exitCode, 0);
    const CliRun binary = RunCli(dir, "solve -", SORVAT_CLI);
    EXPECT_NE(binary.exitCode, 0);
    EXPECT_TRUE(binary.out.empty());
}

// md1 and md2 go by name; another file gives its first puzzle line or grid,
// or else its md1 entries. Input without a puzzle or an entry (junk, an empty
// md2) is refused before anything is written.
TEST(CliConvert, WritesTheOtherFormatAndRefusesInputWithoutEntries) {
    TempDirectory dir;
    const auto out = dir / "out.md2";
    for (const char* name : {"in/game.md1", "in/game.sav"}) {
        const std::string md1 = dir.Write(name, PuzzleFile::Format("game.md1", Played()));
        const CliRun run = RunCli(dir, "convert " + Quoted(md1) + " " + Quoted(out.string()));
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(ReadBytes(out), PuzzleFile::Format("out.md2", Played()));
    }
    const std::string grid = dir.Write("in/grid.txt", Grid(EasyPuzzle, " ", " | ", "------+-------+------"));
    ASSERT_EQ(RunCli(dir, "convert " + Quoted(grid) + " " + Quoted(out.string())).exitCode, 0);
    EXPECT_EQ(ReadBytes(out), PuzzleFile::Format("out.md2", Givens()));

    for (const std::string& input : {dir.Write("in/junk.txt", "no puzzle\r\n"),
                                     dir.Write("in/junk.md1", "no entries\r\n"), dir.Write("in/empty.md2", "")}) {
        const CliRun refused = RunCli(dir, "convert " + Quoted(input) + " " + Quoted((dir / "new.md1").string()));
        EXPECT_EQ(refused.exitCode, 1) << input;
        EXPECT_EQ(Lines(refused.err).size(), 1u) << refused.err;
        EXPECT_EQ(refused.err.rfind("sorvat-cli: " + input + ": no ", 0), 0u) << refused.err;
        EXPECT_FALSE(std::filesystem::exists(dir / "new.md1")) << input;
    }
}

TEST(CliGrade, RatesEachPuzzleAndPrintsAHistogram) {
    TempDirectory dir;
    const auto cases = ReadPuzzleCases("qqwing.txt");
    const std::string input = dir.Write("in/q.txt", PuzzlesOf(cases) + Contradictory() + "\n");
    const CliRun run = RunCli(dir, "grade -j 2 " + Quoted(input));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto out = Lines(run.out);
    ASSERT_EQ(out.size(), cases.size() + 1);
    EXPECT_EQ(out.back(), Contradictory() + " unsolved");
    std::size_t unsolved = 0;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(out[i].substr(0, 81), cases[i].puzzle);
        unsolved += out[i].substr(82) == "unsolved" ? 1 : 0;
    }
    char unsolvedRow[32];
    std::snprintf(unsolvedRow, sizeof unsolvedRow, "unsolved %9zu", unsolved + 1);
    EXPECT_NE(run.err.find(unsolvedRow), std::string::npos) << run.err;

    const CliRun only = RunCli(dir, "grade --histogram " + Quoted(input));
    EXPECT_EQ(only.out.rfind("level     puzzles   share\n", 0), 0u) << only.out;
}

TEST(CliImport, WritesNumberedMd2FilesAndNeverOverwrites) {
    TempDirectory dir;
    const auto cases = ReadPuzzleCases("qqwing.txt");
    const std::string input = dir.Write("in/q.txt", PuzzlesOf(cases));
    const auto queue = dir / "queue";
    const CliRun run = RunCli(dir, "import " + Quoted(input) + " " + Quoted(queue.string()));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EntryList list;
    ASSERT_EQ(PuzzleFile().ReadBytes(ReadBytes(queue / "00040.md2"), "00040.md2", list), 0);
    EXPECT_EQ(PuzzleOfLocks(list), cases.at(39).puzzle);
    EXPECT_FALSE(std::filesystem::exists(queue / "00041.md2"));

    // A solved file of the queue and an edited one stay as they are.
    std::filesystem::rename(queue / "00001.md2", queue / "x.00001.md2");
    std::ofstream(queue / "00002.md2") << "edited";
    const CliRun again = RunCli(dir, "import " + Quoted(input) + " " + Quoted(queue.string()));
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_NE(again.err.find("x.00001.md2: already exists, not overwritten"), std::string::npos) << again.err;
    EXPECT_NE(again.err.find("00002.md2: already exists, not overwritten"), std::string::npos) << again.err;
    EXPECT_EQ(ReadBytes(queue / "00002.md2"), "edited");
    EXPECT_FALSE(std::filesystem::exists(queue / "00001.md2"));
}
