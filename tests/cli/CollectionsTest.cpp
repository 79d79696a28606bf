// The inputs of the commands through the built sorvat-cli: puzzle lists and
// grids, md2 and md1 files (told apart by name, else by content) and directories.
#include "CliTestSupport.h"
#include "files/PuzzleFile.h"
#include "files/PuzzleLines.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

using namespace sorvat;
using namespace sorvat::test;

namespace {

std::string Md2Of(const std::string& puzzle) { return PuzzleFile::Format("p.md2", LocksFromPuzzle(puzzle)); }

} // namespace

// The puzzles come in input order with their sources; a directory gives its
// puzzle files in name order (not hidden or nested ones); lines, grids and
// inputs without a puzzle are reported with where they are.
TEST(Collections, EveryKindOfInputGivesItsPuzzlesInOrderAndTheRestIsReported) {
    TempDirectory dir;
    std::vector<std::string> p;
    for (const auto& c : ReadPuzzleCases("qqwing.txt")) p.push_back(c.puzzle);
    p.resize(9);
    const std::string list = dir.Write("in/list.sdk", "# two\n" + p[0] + "\nnot a puzzle\n" + p[1] + " 3.1\n");
    const std::string md2 = dir.Write("in/one.MD2", Md2Of(p[2]));
    EntryList saved = LocksFromPuzzle(p[3]);
    const auto open = p[3].find('.');
    saved.Add(Entry(static_cast<int>(open % 9), static_cast<int>(open / 9), 0, Fix));  // not part of the puzzle
    const std::string md1 = dir.Write("in/saved", PuzzleFile::Format("saved.md1", saved));
    const std::string plain = dir.Write("in/plain", "# list\n\n" + p[4] + "\n");
    const std::string a = dir.Write("q/a.txt", p[5] + "\n"), b = dir.Write("q/b.md2", Md2Of(p[6]));
    const std::string solved = dir.Write("q/x.c.md2", Md2Of(p[7]));
    for (const char* passedOver : {"q/.hidden.md2", "q/sub/z.md2"}) dir.Write(passedOver, Md2Of(p[0]));
    dir.Write("q/README.txt", "Puzzles to play.\n");
    std::filesystem::create_directories(dir / "nothing");
    std::string args = "solve --format json";
    for (const std::string& input :
         {list, md2, md1, plain, (dir / "q").string(), (dir / "nope.txt").string(), dir.Write("in/empty.md2", ""),
          dir.Write("in/fix.md1", "F115\n"), (dir / "nothing").string(),
          dir.Write("in/grid.ss", Grid(p[8], "", "|", "---+---+---") + "1..|...|...\n")})
        args += " " + Quoted(input);
    const CliRun run = RunCli(dir, args);
    EXPECT_EQ(run.exitCode, 1);
    std::vector<std::string> puzzles, sources;
    for (const std::string& line : Lines(run.out)) {
        const auto j = nlohmann::json::parse(line);
        puzzles.push_back(j["puzzle"]);
        sources.push_back(j["source"]);
    }
    EXPECT_EQ(puzzles, p);
    EXPECT_EQ(sources, (std::vector<std::string>{list + ":2", list + ":4", md2, md1, plain + ":3", a + ":1", b, solved,
                                                 (dir / "in/grid.ss:1").string()}));
    for (const std::string& problem :
         {list + ":3: not a puzzle line", std::string("nope.txt: no such file"), std::string("empty.md2: empty file"),
          std::string("fix.md1: no given digits"), std::string("nothing: no puzzle files"),
          std::string("grid.ss:12: not a puzzle grid, skipped: only 1 row")})
        EXPECT_NE(run.err.find(problem), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("9 puzzles: 9 solved, 0 unsolved, 0 contradictory; 6 inputs or lines skipped"),
              std::string::npos) << run.err;
}
