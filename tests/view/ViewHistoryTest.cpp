// Undo, redo and the two resets of the working entries.
#include "ViewFixture.h"

namespace sorvat::test {
namespace {

class ViewHistoryTest : public ViewTest {
protected:
    // The puzzle's Locks, then Fix entries with right digits in the first
    // three empty cells of row 0, with the boards set up as after start-up.
    void PlayThreeFixes() {
        g_pMainFrame = TestFramePointer();
        m_view->m_moves = Givens(PuzzleLine);
        m_lockCount = m_view->m_moves.Count();
        int added = 0;
        for (int x = 0; x < 9 && added < 3; ++x) {
            if (PuzzleLine[x] == '0') {
                m_view->m_moves.Add(Entry(x, 0, SolutionDigit(x, 0), Fix));
                m_fixX.push_back(x);
                ++added;
            }
        }
        m_view->ApplySettings();
    }

    bool Entered(int x, int y) const { return m_view->m_board.Cell(x, y).HasEntered(); }

    int m_lockCount = 0;
    std::vector<int> m_fixX;
};

TEST_F(ViewHistoryTest, UndoStopsAtTheLastLockAndRedoBringsTheEntriesBackInOrder) {
    PlayThreeFixes();
    ASSERT_EQ(m_view->m_moves.Position(), m_lockCount + 3);
    ASSERT_TRUE(Entered(m_fixX[2], 0));

    m_view->OnUndo();
    EXPECT_FALSE(Entered(m_fixX[2], 0));
    EXPECT_TRUE(Entered(m_fixX[1], 0));
    m_view->OnUndo();
    m_view->OnUndo();
    EXPECT_EQ(m_view->m_moves.Position(), m_lockCount);
    EXPECT_FALSE(Entered(m_fixX[0], 0));

    m_view->OnUndo();  // the entry before the position is a Lock
    EXPECT_EQ(m_view->m_moves.Position(), m_lockCount);
    EXPECT_TRUE(Entered(0, 0));  // the givens stay
    EXPECT_EQ(m_view->m_moves.Count(), m_lockCount + 3);  // kept for redo

    m_view->OnRedo();
    EXPECT_TRUE(Entered(m_fixX[0], 0));
    EXPECT_FALSE(Entered(m_fixX[1], 0));
    EXPECT_EQ(m_view->m_board.Cell(m_fixX[0], 0).enteredDigit, SolutionDigit(m_fixX[0], 0));
    m_view->OnRedo();
    m_view->OnRedo();
    EXPECT_TRUE(Entered(m_fixX[2], 0));

    m_view->OnRedo();  // at the end: ignored
    EXPECT_EQ(m_view->m_moves.Position(), m_lockCount + 3);
}

TEST_F(ViewHistoryTest, ALockAfterFixesBlocksUndoOfEverythingBefore) {
    PlayThreeFixes();
    int freeX = -1;
    for (int x = 0; x < 9; ++x) {
        if (PuzzleLine[9 + x] == '0') {
            freeX = x;
            break;
        }
    }
    m_view->m_moves.Add(Entry(freeX, 1, SolutionDigit(freeX, 1), Lock));
    m_view->m_moves.Add(Entry(freeX, 1, 0, Possible));
    const int position = m_view->m_moves.Position();

    m_view->OnUndo();
    EXPECT_EQ(m_view->m_moves.Position(), position - 1);
    m_view->OnUndo();
    EXPECT_EQ(m_view->m_moves.Position(), position - 1);
    EXPECT_TRUE(Entered(m_fixX[2], 0));
}

TEST_F(ViewHistoryTest, ReplayTogglesPossibleMarks) {
    m_view->m_moves.Add(Entry(4, 4, 2, Possible));
    m_view->m_moves.Add(Entry(4, 4, 5, Possible));
    m_view->ReplayMoves();
    EXPECT_TRUE(m_view->m_board.Cell(4, 4).Has(2, PossibleBit));
    EXPECT_TRUE(m_view->m_board.Cell(4, 4).Has(5, PossibleBit));

    m_view->OnUndo();
    EXPECT_TRUE(m_view->m_board.Cell(4, 4).Has(2, PossibleBit));
    EXPECT_FALSE(m_view->m_board.Cell(4, 4).Has(5, PossibleBit));
    m_view->OnUndo();
    m_view->OnUndo();  // nothing left to undo
    EXPECT_EQ(m_view->m_moves.Position(), 0);
    EXPECT_FALSE(m_view->m_board.Cell(4, 4).Has(2, PossibleBit));
}

TEST_F(ViewHistoryTest, ResetKeepsTheLocksAndRebuildsBothBoards) {
    PlayThreeFixes();
    m_view->m_moves.Add(Entry(m_fixX[0], 1, 3, Possible));
    m_view->OnReset();

    EXPECT_EQ(m_view->m_moves.Count(), m_lockCount);
    for (int i = 0; i < m_view->m_moves.Count(); ++i)
        EXPECT_EQ(m_view->m_moves.At(i).kind, Lock);
    EXPECT_TRUE(Entered(0, 0));
    EXPECT_FALSE(Entered(m_fixX[0], 0));
    // The solution list starts with the Locks (its analysis confirms the rest).
    ASSERT_GE(m_view->m_solutionMoves.Count(), m_lockCount);
    for (int i = 0; i < m_lockCount; ++i)
        EXPECT_EQ(m_view->m_solutionMoves.At(i), m_view->m_moves.At(i));
    EXPECT_EQ(m_view->m_solutionBoard.solvedCount, 81);
}

TEST_F(ViewHistoryTest, FullResetEmptiesTheWorkBoardButLeavesTheSolution) {
    PlayThreeFixes();
    const int solutionEntries = m_view->m_solutionMoves.Count();
    ASSERT_EQ(m_view->m_solutionBoard.solvedCount, 81);

    m_view->OnFullReset();
    EXPECT_EQ(m_view->m_moves.Count(), 0);
    EXPECT_EQ(m_view->m_moves.Position(), 0);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x)
            EXPECT_FALSE(Entered(x, y));
    EXPECT_EQ(m_view->m_solutionMoves.Count(), solutionEntries);
    EXPECT_EQ(m_view->m_solutionBoard.solvedCount, 81);
    EXPECT_EQ(m_view->m_solutionBoard.Cell(2, 0).solvedDigit, SolutionDigit(2, 0));
}

} // namespace
} // namespace sorvat::test
