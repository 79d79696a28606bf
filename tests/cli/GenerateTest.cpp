// check, generate and import --unique-only through the built sorvat-cli.
#include "CliTestSupport.h"
#include "files/PuzzleFile.h"
#include "files/PuzzleLines.h"
#include "game/AnswerBoard.h"
#include "solver/Solver.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <set>

using namespace sorvat;
using namespace sorvat::test;

namespace {

int SolutionCount(const std::string& puzzle) { return solver::CountSolutions(solver::GridFromText(puzzle), 2).count; }

bool Symmetric(const std::string& p, const std::string& symmetry) {
    for (int c = 0; c < 81; ++c) {
        const int partner = symmetry == "rotational" ? 80 - c : symmetry == "diagonal" ? c % 9 * 9 + c / 9 : c;
        if ((p[static_cast<std::size_t>(c)] == '.') != (p[static_cast<std::size_t>(partner)] == '.')) return false;
    }
    return true;
}

bool Minimal(const std::string& p) {
    for (std::size_t c = 0; c < 81; ++c) {
        if (p[c] == '.') continue;
        std::string fewer = p;
        fewer[c] = '.';
        if (SolutionCount(fewer) == 1) return false;
    }
    return true;
}

} // namespace

TEST(CliCheck, TellsUniqueMultipleAndNoneInInputOrder) {
    TempDirectory dir;
    const auto c = ReadPuzzleCases("qqwing.txt")[0];
    std::string several = c.puzzle;
    several[0] = several[1] = '.';
    const std::string input =
        dir.Write("in/p.txt", c.puzzle + "\n" + several + "\n" + Contradictory() + "\nno puzzle\n");
    const CliRun run = RunCli(dir, "check --jobs 2 " + Quoted(input));
    EXPECT_EQ(run.exitCode, 1) << "a skipped line is bad input";
    const auto out = Lines(run.out);
    ASSERT_EQ(out.size(), 3u) << run.out;
    EXPECT_EQ(out[0], c.puzzle + " unique " + c.solution);
    ASSERT_EQ(out[1].size(), 81 + 10 + 81 + 1 + 81u) << out[1];
    EXPECT_EQ(out[1].substr(81, 10), " multiple ");
    EXPECT_NE(out[1].substr(91, 81), out[1].substr(173, 81));
    EXPECT_EQ(out[2], Contradictory() + " none");
    EXPECT_NE(run.err.find("3 puzzles: 1 unique, 1 multiple, 1 none; 1 input or line skipped"), std::string::npos)
        << run.err;

    const CliRun json = RunCli(dir, "check --format json -", input);
    const auto j = nlohmann::json::parse(Lines(json.out).at(1));
    EXPECT_EQ(j["source"], "-:2");
    EXPECT_EQ(j["status"], "multiple");
    EXPECT_EQ(j["solutions"].size(), 2u);
}

// Standard input gets seven-digit names after the prefix.
TEST(CliImport, UniqueOnlyLeavesOutAndReportsTheOthers) {
    TempDirectory dir;
    const auto cases = ReadPuzzleCases("qqwing.txt");
    std::string several = cases[0].puzzle;
    several[0] = several[1] = '.';
    const std::string input = dir.Write("in/p.txt", several + "\n" + cases[1].puzzle + "\n" + Contradictory() + "\n" +
                                                        cases[2].puzzle + "\n");
    const CliRun run = RunCli(dir, "import --unique-only --prefix set- - " + Quoted((dir / "q").string()), input);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("-:1: more than one solution, not imported"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("-:3: no solution, not imported"), std::string::npos) << run.err;
    EXPECT_NE(run.out.find("imported 2 puzzles"), std::string::npos) << run.out;
    EntryList list;
    PuzzleFile reader;
    ASSERT_EQ(reader.ReadBytes(ReadBytes(dir / "q/set-0000002.md2"), "set-0000002.md2", list), 0);
    EXPECT_EQ(PuzzleOfLocks(list), cases[2].puzzle);
    EXPECT_FALSE(std::filesystem::exists(dir / "q/set-0000003.md2"));
}

// Every puzzle has one solution, exactly the grade asked for, the symmetry,
// and no removable given when minimal; all differ; the seed decides.
TEST(CliGenerate, PuzzlesAreUniqueDistinctAndOfTheLevelAsked) {
    struct Case {
        int level;
        const char* symmetry;
        bool minimal;
        int count;
    };
    const Case cases[] = {{0, "none", false, 4},      {1, "rotational", true, 2}, {3, "diagonal", false, 3},
                          {4, "none", true, 2},       {5, "rotational", false, 2}, {6, "none", false, 1},
                          {8, "diagonal", true, 2}};
    TempDirectory dir;
    std::set<std::string> all;
    for (const Case& c : cases) {
        const std::string args = "generate --level " + std::to_string(c.level) + " --count " + std::to_string(c.count) +
                                 " --seed 42 --symmetry " + c.symmetry + (c.minimal ? " --minimal" : "");
        SCOPED_TRACE(args);
        const CliRun run = RunCli(dir, args);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const auto puzzles = Lines(run.out);
        ASSERT_EQ(puzzles.size(), static_cast<std::size_t>(c.count));
        for (const std::string& p : puzzles) {
            SCOPED_TRACE(p);
            ASSERT_EQ(ParsePuzzleLine(p).kind, LineKind::Puzzle);
            EXPECT_EQ(SolutionCount(p), 1);
            EXPECT_EQ(GradeOfGivens(LocksFromPuzzle(p)), c.level);
            EXPECT_TRUE(Symmetric(p, c.symmetry));
            EXPECT_TRUE(!c.minimal || Minimal(p));
            EXPECT_TRUE(all.insert(p).second) << "made twice";
        }
        if (c.level == 0) {
            EXPECT_EQ(RunCli(dir, args).out, run.out) << "the same seed, the same puzzles";
            EXPECT_NE(RunCli(dir, args + " --seed 43").out, run.out);
        }
    }
}

TEST(CliGenerate, Md2FilesJoinTheQueueWithoutOverwriting) {
    TempDirectory dir;
    const auto queue = dir / "queue";
    std::filesystem::create_directories(queue);
    WriteBytes(queue / "x.00002.md2", "solved before");
    const std::string args = "generate --level 1 --count 2 --format md2 --out " + Quoted(queue.string());
    const CliRun first = RunCli(dir, args + " --seed 1");
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_NE(first.err.find("00003.md2 .. 00004.md2"), std::string::npos) << first.err;
    const CliRun second = RunCli(dir, args + " --seed 1");
    ASSERT_EQ(second.exitCode, 0) << second.err;
    EXPECT_EQ(ReadBytes(queue / "x.00002.md2"), "solved before");
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(queue)) names.insert(e.path().filename().string());
    EXPECT_EQ(names, (std::set<std::string>{"x.00002.md2", "00003.md2", "00004.md2", "00005.md2", "00006.md2"}));
}

TEST(CliGenerate, BadSettingsFailWithOneLineAndWriteNothing) {
    TempDirectory dir;
    const std::string file = dir.Write("a-file", "");
    const std::pair<std::string, std::string> cases[] = {
        {"--level 7", "--level 7 is never a grade"},
        {"--level 10", "--level 10 is never a grade"},
        {"--level 1 --count 0", "--count must be at least 1"},
        {"--level 1 --symmetry spiral", "--symmetry must be none, rotational or diagonal"},
        {"--level 1 --seed x1", "--seed must be a number"},
        {"--level 1 --format md2", "--format md2 needs --out DIR"},
        {"--level 1 --format md2 --out " + Quoted(file + "/q"), file + "/q: cannot create directory"},
    };
    for (const auto& [args, message] : cases) {
        const CliRun run = RunCli(dir, "generate " + args);
        EXPECT_NE(run.exitCode, 0) << args;
        EXPECT_TRUE(run.out.empty()) << args;
        EXPECT_EQ(run.err, "sorvat-cli: " + run.err.substr(12)) << args;
        EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    }
}
