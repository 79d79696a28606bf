// Undo, redo and the two resets of the working entries.
#include "guisupport/WindowFixture.h"

namespace sorvat::test {
namespace {

class ViewHistoryTest : public CommandFixture {
protected:
    // The givens, then right Fix digits in the three empty cells (2,0), (3,0)
    // and (5,0) of row 0.
    void PlayThreeFixes() {
        view->m_moves = Givens();
        for (int x : {2, 3, 5}) view->m_moves.Add(Entry(x, 0, DigitAt(EasySolution, x, 0), Fix));
        view->ApplySettings();
    }
    bool Entered(int x, int y) const { return view->m_board.Cell(x, y).HasEntered(); }
};

TEST_F(ViewHistoryTest, UndoStopsAtALockAndRedoBringsTheEntriesBackInOrder) {
    PlayThreeFixes();
    view->m_moves.Add(Entry(2, 1, 0, Possible));
    view->OnUndo();
    EXPECT_FALSE(view->m_board.Cell(2, 1).Has(0, PossibleBit));
    view->OnUndo();
    EXPECT_FALSE(Entered(5, 0));
    EXPECT_TRUE(Entered(3, 0));
    view->OnUndo();
    view->OnUndo();
    view->OnUndo();  // the entry before the position is a Lock
    EXPECT_EQ(view->m_moves.Position(), 30);
    EXPECT_FALSE(Entered(2, 0));
    EXPECT_TRUE(Entered(0, 0));  // the givens stay

    view->OnRedo();
    EXPECT_TRUE(Entered(2, 0));
    EXPECT_FALSE(Entered(3, 0));
    for (int i = 0; i < 4; ++i) view->OnRedo();  // the last one at the end: ignored
    EXPECT_EQ(view->m_moves.Position(), 34);
    EXPECT_TRUE(view->m_board.Cell(2, 1).Has(0, PossibleBit));

    // A Lock after the Fix digits: nothing before it can be undone.
    view->m_moves.Add(Entry(1, 1, DigitAt(EasySolution, 1, 1), Lock));
    view->OnUndo();
    EXPECT_EQ(view->m_moves.Position(), 35);
}

TEST_F(ViewHistoryTest, ResetKeepsTheLocksAndFullResetEmptiesOnlyTheWorkBoard) {
    PlayThreeFixes();
    view->m_moves.Add(Entry(2, 1, 3, Possible));
    view->OnReset();
    EXPECT_EQ(view->m_moves.Count(), 30);
    for (int i = 0; i < view->m_moves.Count(); ++i) EXPECT_EQ(view->m_moves.At(i).kind, Lock);
    EXPECT_TRUE(Entered(0, 0));
    EXPECT_FALSE(Entered(2, 0));
    EXPECT_EQ(view->m_solutionBoard.solvedCount, 81);

    view->OnFullReset();
    EXPECT_EQ(view->m_moves.Count(), 0);
    EXPECT_EQ(view->m_board.enteredCount, 0);
    EXPECT_EQ(view->m_solutionBoard.Cell(2, 0).solvedDigit, DigitAt(EasySolution, 2, 0));
}

} // namespace
} // namespace sorvat::test
