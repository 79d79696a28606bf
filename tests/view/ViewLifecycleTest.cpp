// Creation and destruction of the view: the command line, the continue file,
// dropped files and the memo window's moments.
#include "ViewFixture.h"

#include "view/FixedFiles.h"

#include <QSignalSpy>

namespace sorvat::test {
namespace {

class ViewLifecycleTest : public ViewTest {};

TEST_F(ViewLifecycleTest, StartWithoutArgumentsLoadsTheContinueFile) {
    EntryList played = Givens(PuzzleLine);
    played.Add(Entry(2, 0, SolutionDigit(2, 0), Fix));
    WriteFile(ContinueFile, PuzzleFile::Format(ContinueFile, played));
    m_settings.SetCurrentPath("/home/u/puzzles/q007.md2");

    EXPECT_EQ(m_view->OnCreate({"sorvat"}), 0);
    EXPECT_EQ(g_pView, m_view.get());
    EXPECT_EQ(EntriesText(), PuzzleFile::Format("entries.md1", played));
    EXPECT_EQ(CurrentPath(), "/home/u/puzzles/q007.md2");
    EXPECT_TRUE(m_view->acceptDrops());

    // Once the frame exists, the title shows the puzzle of the previous run.
    g_pMainFrame = TestFramePointer();
    m_document->OnFileNew();
    EXPECT_EQ(m_document->GetTitle(), QStringLiteral("q007.md2"));
}

TEST_F(ViewLifecycleTest, StartWithoutAnythingLeavesAnEmptyBoardThatStillWorks) {
    EXPECT_EQ(m_view->OnCreate({"sorvat"}), 0);
    EXPECT_EQ(m_view->m_moves.Count(), 0);
    m_view->OnUndo();
    m_view->OnRedo();
    m_view->OnReset();
    EXPECT_EQ(m_view->m_moves.Count(), 0);
    EXPECT_EQ(m_memoLog, std::vector<std::string>{"start"});
}

TEST_F(ViewLifecycleTest, CreationResetsToTheLocksBeforeLoading) {
    m_view->m_moves = Givens(PuzzleLine);
    m_view->m_moves.Add(Entry(2, 0, 1, Fix));
    m_view->OnCreate({"sorvat", "missing.md1"});
    EXPECT_EQ(m_view->m_moves.Count(), Givens(PuzzleLine).Count());
    EXPECT_EQ(m_view->m_solutionMoves.Count(), m_view->m_moves.Count());
}

TEST_F(ViewLifecycleTest, ExitWritesTheContinueFileThatTheNextStartLoads) {
    m_view->OnCreate({"sorvat"});
    m_view->m_moves = Givens(PuzzleLine);
    m_view->m_moves.Add(Entry(3, 0, 4, Possible));
    const std::string played = EntriesText();
    m_memoLog.clear();

    m_view->OnDestroy();
    EXPECT_EQ(ReadFile(ContinueFile), played);
    EXPECT_EQ(m_memoLog, (std::vector<std::string>{"stop", "close", "wait"}));
    m_view->OnDestroy();  // only once
    EXPECT_EQ(m_memoLog.size(), 3u);

    CSorvatView next;
    next.OnCreate({"sorvat"});
    EXPECT_EQ(PuzzleFile::Format("entries.md1", next.m_moves), played);
    EXPECT_TRUE(next.m_board.Cell(3, 0).Has(4, PossibleBit));
    EXPECT_EQ(g_pView, &next);
}

TEST_F(ViewLifecycleTest, ModeControlsFollowTheSettingsOnceTheFrameExists) {
    QSignalSpy spy(m_view.get(), &CSorvatView::modeControlsSync);
    m_settings.displayMode = ModeAnalysis;
    m_settings.repeatFlag = 1;
    m_view->SyncModeControls();
    EXPECT_EQ(spy.count(), 0);

    g_pMainFrame = TestFramePointer();
    m_view->SyncModeControls();
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), ModeAnalysis);
    EXPECT_TRUE(spy.at(0).at(1).toBool());
}

} // namespace
} // namespace sorvat::test
