// Loading and saving puzzle files by name, the fixed files and currentPath.
#include "ViewFixture.h"

#include "view/FixedFiles.h"

namespace sorvat::test {
namespace {

class ViewFilesTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        g_pMainFrame = TestFramePointer();  // the title follows currentPath
    }
};

TEST_F(ViewFilesTest, RelativeNameGivesAnAbsolutePathTitleAndLocks) {
    WriteFile("puzzles/q001.md2", PuzzleMd2());
    m_view->LoadFile("puzzles/q001.md2");

    EXPECT_EQ(CurrentPath(), PathOf("puzzles/q001.md2"));
    EXPECT_EQ(CurrentPath().front(), '/');
    EXPECT_EQ(m_document->GetTitle(), QStringLiteral("q001.md2"));
    ASSERT_GT(m_view->m_moves.Count(), 0);
    for (int i = 0; i < m_view->m_moves.Count(); ++i)
        EXPECT_EQ(m_view->m_moves.At(i).kind, Lock);
    EXPECT_EQ(m_view->m_board.Cell(0, 0).enteredDigit, 8);  // the given 9
    EXPECT_EQ(m_view->m_solutionMoves.Count(), m_view->m_moves.Count());

    m_view->LoadFile("./puzzles/../puzzles/q001.md2");
    EXPECT_EQ(CurrentPath(), PathOf("puzzles/q001.md2"));  // normalised
}

TEST_F(ViewFilesTest, LoadingPublishesTheMemoAfterClosingThePreviousBox) {
    WriteFile("memo.md2", "Memo:\nfirst line\nsecond line\nM\n" + PuzzleMd2());
    WriteFile("plain.md2", PuzzleMd2());

    m_view->LoadFile("memo.md2");
    m_view->LoadFile("plain.md2");
    const std::vector<std::string> expected{"close", "publish:first line\nsecond line\n", "close",
                                            "publish:"};
    EXPECT_EQ(m_memoLog, expected);
}

TEST_F(ViewFilesTest, MissingFileChangesNothing) {
    Play();
    m_settings.SetCurrentPath("/earlier/q.md1");
    const std::string before = EntriesText();
    m_view->LoadFile("nowhere.md1");
    m_view->LoadFile("");
    MakeDirectory("folder.md1");
    m_view->LoadFile("folder.md1");
    EXPECT_EQ(EntriesText(), before);
    EXPECT_EQ(CurrentPath(), "/earlier/q.md1");
    EXPECT_TRUE(m_memoLog.empty());
}

TEST_F(ViewFilesTest, EmptyFileKeepsTheEntriesButBecomesTheCurrentPuzzle) {
    Play();
    const std::string before = EntriesText();
    WriteFile("empty.md1", "");
    m_view->LoadFile("empty.md1");
    EXPECT_EQ(EntriesText(), before);
    EXPECT_EQ(CurrentPath(), PathOf("empty.md1"));
    EXPECT_EQ(m_document->GetTitle(), QStringLiteral("empty.md1"));
}

TEST_F(ViewFilesTest, QuickSaveAndLoadRoundTripWithoutTouchingThePath) {
    WriteFile("q.md2", PuzzleMd2());
    m_view->LoadFile("q.md2");
    const QString title = m_document->GetTitle();
    Play();
    const std::string played = EntriesText();

    m_view->SaveFile(QuickFile);
    ASSERT_TRUE(Exists(QuickFile));
    m_view->OnFullReset();
    ASSERT_EQ(m_view->m_moves.Count(), 0);

    m_view->LoadFile(QuickFile);
    EXPECT_EQ(EntriesText(), played);
    EXPECT_EQ(CurrentPath(), PathOf("q.md2"));
    EXPECT_EQ(m_document->GetTitle(), title);
    EXPECT_TRUE(m_view->m_board.Cell(3, 0).Has(6, PossibleBit));
}

TEST_F(ViewFilesTest, AnyPathContainingAFixedNameLeavesThePathAlone) {
    m_settings.SetCurrentPath("/earlier/q.md1");
    Play();
    m_view->SaveFile("done/x._Sorvat.Quick.md1");  // no such directory: nothing
    EXPECT_FALSE(Exists("done/x._Sorvat.Quick.md1"));

    m_view->SaveFile("x._Sorvat.Quick.md1");
    m_view->SaveFile("_Sorvat.Continue.md1.bak");
    EXPECT_TRUE(Exists("x._Sorvat.Quick.md1"));
    EXPECT_EQ(CurrentPath(), "/earlier/q.md1");

    m_view->OnFullReset();
    m_view->LoadFile("x._Sorvat.Quick.md1");
    EXPECT_EQ(m_view->m_moves.Count(), Givens(PuzzleLine).Count() + 3);
    EXPECT_EQ(CurrentPath(), "/earlier/q.md1");
    EXPECT_TRUE(IsFixedFile("/a/b_Sorvat.Continue.md1/c.md2"));
    EXPECT_FALSE(IsFixedFile("/a/_sorvat.quick.md1"));
}

TEST_F(ViewFilesTest, SavingAnMd2NameKeepsOnlyLocksInTheFileButAllInMemory) {
    Play();
    const std::string played = EntriesText();
    m_view->SaveFile("out.MD2");

    EXPECT_EQ(ReadFile("out.MD2"), PuzzleMd2());
    EXPECT_EQ(EntriesText(), played);
    EXPECT_EQ(CurrentPath(), PathOf("out.MD2"));
}

TEST_F(ViewFilesTest, SavingOverAFileReplacesItWhole) {
    WriteFile("q.md1", std::string(5000, 'x'));
    Play();
    m_view->SaveFile("q.md1");
    EXPECT_EQ(ReadFile("q.md1"), EntriesText());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
}

TEST_F(ViewFilesTest, AFileThatCannotBeWrittenChangesNothing) {
    m_settings.SetCurrentPath("/earlier/q.md1");
    MakeDirectory("adir");
    Play();
    m_view->SaveFile("adir");
    m_view->SaveFile("missing/q.md1");
    m_view->SaveFile("");
    EXPECT_EQ(CurrentPath(), "/earlier/q.md1");
    EXPECT_TRUE(std::filesystem::is_directory(PathOf("adir")));
}

TEST_F(ViewFilesTest, TooLongAPathEmptiesCurrentPath) {
    m_settings.SetCurrentPath("/earlier/q.md1");
    // A full path beyond the limit but within what the system accepts.
    std::string deep;
    while (PathOf(deep).size() + 201 + 6 < 4050)
        deep += std::string(200, 'd') + "/";
    deep += std::string(4050 - PathOf(deep).size() - 6, 'e') + "/";
    WriteFile(deep + "q.md2", PuzzleMd2());
    ASSERT_GT(PathOf(deep + "q.md2").size(), 4000u);

    m_view->LoadFile(deep + "q.md2");
    EXPECT_EQ(CurrentPath(), "");
    EXPECT_GT(m_view->m_moves.Count(), 0);
}

} // namespace
} // namespace sorvat::test
