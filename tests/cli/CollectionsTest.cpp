#include "CliTestSupport.h"
#include "Collections.h"
#include "files/PuzzleFile.h"
#include "files/PuzzleLines.h"
#include "support/Puzzles.h"

#include <gtest/gtest.h>

using namespace sorvat;
using namespace sorvat::cli;
using sorvat::test::TempDirectory;

namespace {

struct Collected {
    std::vector<std::string> sources;
    std::vector<std::string> puzzles;
    std::vector<std::string> problems;
};

Collected Collect(const std::vector<std::string>& inputs) {
    Collected c;
    CollectionReader reader(
        [&](CollectionPuzzle&& p) {
            c.sources.push_back(p.source);
            c.puzzles.push_back(PuzzleOfLocks(p.locks));
            return true;
        },
        [&](const std::string& m) { c.problems.push_back(m); });
    reader.Read(inputs);
    EXPECT_EQ(reader.Problems(), static_cast<std::int64_t>(c.problems.size()));
    return c;
}

std::string Md2Of(const std::string& puzzle) {
    return PuzzleFile::Format("p.md2", LocksFromPuzzle(puzzle));
}

const std::vector<sorvat::test::PuzzleCase>& Cases() {
    static const auto cases = sorvat::test::ReadPuzzleCases("qqwing.txt");
    return cases;
}

} // namespace

TEST(Collections, FileKindFollowsTheNameThenTheContent) {
    TempDirectory dir;
    const std::string line = Cases()[0].puzzle + "\n";
    EXPECT_EQ(KindOfFile(dir.Write("a.md2", line)), InputKind::Md2);
    EXPECT_EQ(KindOfFile(dir.Write("a.MD2", line)), InputKind::Md2);
    EXPECT_EQ(KindOfFile(dir.Write("a.Md1", line)), InputKind::Md1);
    EXPECT_EQ(KindOfFile(dir.Write("a.sdk", "anything\n")), InputKind::Lines);
    EXPECT_EQ(KindOfFile(dir.Write("plain", "# list\n\n" + line)), InputKind::Lines);
    EXPECT_EQ(KindOfFile(dir.Write("saved", "// comment\nL115\n")), InputKind::Md1);
}

TEST(Collections, LineFilesMd2AndMd1GiveTheirLocksInInputOrder) {
    TempDirectory dir;
    const std::string p0 = Cases()[0].puzzle, p1 = Cases()[1].puzzle, p2 = Cases()[2].puzzle;
    const std::string lines = dir.Write("in/list.txt", "# two\n" + p0 + "\nnot a puzzle\n" + p1 + " 3.1\n");
    const std::string md2 = dir.Write("in/one.md2", Md2Of(p2));
    EntryList saved = LocksFromPuzzle(p0);
    saved.Add(Entry(8, 8, 3, Fix));  // a player's digit is not part of the puzzle
    const std::string md1 = dir.Write("in/saved.md1", PuzzleFile::Format("saved.md1", saved));

    const Collected c = Collect({lines, md2, md1});
    EXPECT_EQ(c.puzzles, (std::vector<std::string>{p0, p1, p2, p0}));
    EXPECT_EQ(c.sources, (std::vector<std::string>{lines + ":2", lines + ":4", md2, md1}));
    ASSERT_EQ(c.problems.size(), 1u);
    EXPECT_EQ(c.problems[0].rfind(lines + ":3: not a puzzle line", 0), 0u) << c.problems[0];
}

TEST(Collections, DirectoryGivesItsPuzzleFilesInNameOrder) {
    TempDirectory dir;
    const std::string p0 = Cases()[0].puzzle, p1 = Cases()[1].puzzle, p2 = Cases()[2].puzzle;
    dir.Write("q/b.md2", Md2Of(p1));
    dir.Write("q/a.txt", p0 + "\n");
    dir.Write("q/x.c.md2", Md2Of(p2));
    dir.Write("q/.hidden.md2", Md2Of(p2));
    dir.Write("q/README.txt", "Puzzles to play.\n");
    dir.Write("q/sub/z.md2", Md2Of(p2));

    const Collected c = Collect({(dir / "q").string()});
    EXPECT_EQ(c.puzzles, (std::vector<std::string>{p0, p1, p2}));
    EXPECT_TRUE(c.problems.empty());
}

TEST(Collections, MissingEmptyAndGivenlessInputsAreReportedAndSkipped) {
    TempDirectory dir;
    const std::string p0 = Cases()[0].puzzle;
    const std::string missing = (dir / "nope.txt").string();
    const std::string empty = dir.Write("empty.md2", "");
    const std::string noLocks = dir.Write("fix.md1", "F115\n");
    const std::string lines = dir.Write("ok.txt", p0);
    std::filesystem::create_directories(dir / "nothing");

    const Collected c = Collect({missing, empty, noLocks, (dir / "nothing").string(), lines});
    EXPECT_EQ(c.puzzles, (std::vector<std::string>{p0}));
    ASSERT_EQ(c.problems.size(), 4u);
    EXPECT_NE(c.problems[0].find("nope.txt: no such file"), std::string::npos);
    EXPECT_NE(c.problems[1].find("empty.md2: empty file"), std::string::npos);
    EXPECT_NE(c.problems[2].find("fix.md1: no given digits"), std::string::npos);
    EXPECT_NE(c.problems[3].find("no puzzle files"), std::string::npos);
}

TEST(Collections, PuzzleHandlerStopsTheReading) {
    TempDirectory dir;
    const std::string lines = dir.Write("l.txt", Cases()[0].puzzle + "\n" + Cases()[1].puzzle + "\n");
    int seen = 0;
    CollectionReader reader([&](CollectionPuzzle&&) { return ++seen < 1; }, nullptr);
    EXPECT_FALSE(reader.Read({lines, lines}));
    EXPECT_EQ(seen, 1);
}
