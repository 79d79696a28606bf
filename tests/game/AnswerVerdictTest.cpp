#include "game/AnswerVerdict.h"
#include "support/Puzzles.h"

#include <gtest/gtest.h>

namespace sorvat::test {
namespace {

// The verdict on `moves`, judged against the board built from them.
AnswerVerdict Judge(EntryList& moves, CellBoard& board) {
    BuildBoard(board, moves);
    return JudgeAnswer(moves, board);
}

TEST(AnswerVerdict, LockedGivensDecideTheVerdictOtherwiseTheBoardItself) {
    const struct {
        EntryList moves;
        AnswerVerdict verdict;
    } cases[] = {
        {Played(EasySolution), AnswerVerdict::Correct},
        {Played(SwappedSolution()), AnswerVerdict::Wrong},
        {AllFix(EasySolution), AnswerVerdict::UnsolvedConsistent},
        {AllFix(SwappedSolution()), AnswerVerdict::UnsolvedContradiction},
    };
    for (auto c : cases) {
        CellBoard board;
        EXPECT_EQ(Judge(c.moves, board), c.verdict);
        // The player's list and board are left as they were.
        EXPECT_EQ(c.moves.Count(), 81);
        EXPECT_EQ(c.moves.Position(), 81);
        EXPECT_EQ(board.enteredCount, 81);
    }
}

TEST(AnswerVerdict, LocksBehindTheUndoPointAreNotGivens) {
    EntryList moves = AllFix(EasySolution);
    AddGrid(moves, EasyPuzzle, Lock);  // each Lock replaces the cell's Fix
    CellBoard board;
    EXPECT_EQ(Judge(moves, board), AnswerVerdict::Correct);
    ASSERT_EQ(board.enteredCount, 81);

    // With the Lock entries in the redo tail the givens are unknown again.
    while (moves.Position() > 0 && moves.At(moves.Position() - 1).kind == Lock) moves.Undo();
    EXPECT_EQ(JudgeAnswer(moves, board), AnswerVerdict::UnsolvedConsistent);
}

} // namespace
} // namespace sorvat::test
