// Loading and saving puzzle files by name, the fixed files and currentPath.
#include "guisupport/WindowFixture.h"

#include "view/FixedFiles.h"

namespace sorvat::test {
namespace {

namespace fs = std::filesystem;

class ViewFilesTest : public CommandFixture {
protected:

    // The givens, a right Fix at (2,0) and Possible marks of 1 and 7 at (3,0).
    void PlayFixAndMarks() {
        Play(Givens());
        session().EnterFix(2, 0, DigitAt(EasySolution, 2, 0));
        session().TogglePossible(3, 0, 0);
        session().TogglePossible(3, 0, 6);
    }
};

TEST_F(ViewFilesTest, ARelativeNameBecomesTheAbsoluteCurrentPathAndTheTitle) {
    fs::create_directory(dir / "puzzles");
    WritePuzzle("q001.md2", Givens(), {}, dir / "puzzles");
    view->LoadFile("puzzles/q001.md2");
    EXPECT_EQ(CurrentPath(), (dir / "puzzles/q001.md2").string());
    EXPECT_EQ(document->GetTitle(), QStringLiteral("q001.md2"));
    EXPECT_EQ(moves().Count(), 30);
    EXPECT_EQ(board().Cell(0, 0).enteredDigit, 4);  // the given 5
    EXPECT_EQ(session().Answer().solvedCount, 81);

    view->LoadFile("./puzzles/../puzzles/q001.md2");
    EXPECT_EQ(CurrentPath(), (dir / "puzzles/q001.md2").string());  // normalised
}

// A missing or empty name changes nothing; an empty file keeps the entries
// but becomes the current puzzle.
TEST_F(ViewFilesTest, WhatHoldsNoEntriesLeavesTheBoard) {
    PlayFixAndMarks();
    settings().SetCurrentPath("/earlier/q.md1");
    const std::string before = EntriesText();
    for (const char* name : {"nowhere.md1", ""}) view->LoadFile(name);
    EXPECT_EQ(EntriesText(), before);
    EXPECT_EQ(CurrentPath(), "/earlier/q.md1");

    WriteBytes(dir / "empty.md1", "");
    view->LoadFile("empty.md1");
    EXPECT_EQ(EntriesText(), before);
    EXPECT_EQ(CurrentPath(), (dir / "empty.md1").string());
    EXPECT_EQ(document->GetTitle(), QStringLiteral("empty.md1"));
}

// The quick file, and any path containing a fixed name, load and save
// without touching the current puzzle's path.
TEST_F(ViewFilesTest, FixedFilesLeaveTheCurrentPathAlone) {
    view->LoadFile(WritePuzzle("q.md2").string());
    const std::string current = CurrentPath();
    Command(ID_EDIT_QUICKLOAD);  // no quick file yet: nothing changes
    EXPECT_EQ(moves().Count(), 30);
    PlayFixAndMarks();
    const std::string played = EntriesText();
    Command(ID_EDIT_QUICKSAVE);
    view->SaveFile("x._Sorvat.Quick.md1");
    Command(ID_EDIT_FULL_RESET);
    ASSERT_EQ(moves().Count(), 0);

    Command(ID_EDIT_QUICKLOAD);
    EXPECT_EQ(EntriesText(), played);
    EXPECT_TRUE(board().Cell(3, 0).Has(6, PossibleBit));
    Command(ID_EDIT_FULL_RESET);
    view->LoadFile("x._Sorvat.Quick.md1");
    EXPECT_EQ(EntriesText(), played);
    EXPECT_EQ(CurrentPath(), current);
    EXPECT_EQ(document->GetTitle(), QStringLiteral("q.md2"));
    EXPECT_TRUE(IsFixedFile("/a/b_Sorvat.Continue.md1/c.md2"));
    EXPECT_FALSE(IsFixedFile("/a/_sorvat.quick.md1"));
}

TEST_F(ViewFilesTest, AnMd2NameKeepsOnlyTheLocksInTheFileButAllInMemory) {
    PlayFixAndMarks();
    const std::string played = EntriesText();
    view->SaveFile("out.MD2");
    EXPECT_EQ(ReadBytes(dir / "out.MD2"), PuzzleFile::Format("q.md2", Givens()));
    EXPECT_EQ(EntriesText(), played);
    EXPECT_EQ(CurrentPath(), (dir / "out.MD2").string());
}

} // namespace
} // namespace sorvat::test
