#include "game/AnswerVerdict.h"
#include "guisupport/PuzzleFixtures.h"

#include <gtest/gtest.h>

using namespace sorvat;
using namespace sorvat::test;

namespace {

// The verdict on `moves`, judged against the board built from them.
AnswerVerdict Judge(EntryList& moves, CellBoard& board) {
    BuildBoard(board, moves);
    return JudgeAnswer(moves, board);
}

} // namespace

TEST(AnswerVerdict, LockedGivensDecideBetweenCorrectAndWrong) {
    EntryList moves = Givens();
    AddAnswers(moves, EasyPuzzle, EasySolution);
    CellBoard board;
    EXPECT_EQ(Judge(moves, board), AnswerVerdict::Correct);
    // The player's list and board are left as they were.
    EXPECT_EQ(moves.Count(), 81);
    EXPECT_EQ(moves.Position(), 81);
    EXPECT_EQ(board.enteredCount, 81);

    EntryList wrong = Givens();
    AddAnswers(wrong, EasyPuzzle, SwappedSolution());
    CellBoard wrongBoard;
    EXPECT_EQ(Judge(wrong, wrongBoard), AnswerVerdict::Wrong);
}

TEST(AnswerVerdict, GivensAsFixLeaveTheVerdictToTheBoardItself) {
    EntryList valid;
    AddGrid(valid, EasySolution, Fix);
    CellBoard validBoard;
    EXPECT_EQ(Judge(valid, validBoard), AnswerVerdict::UnsolvedConsistent);

    EntryList invalid;
    AddGrid(invalid, SwappedSolution(), Fix);
    CellBoard invalidBoard;
    EXPECT_EQ(Judge(invalid, invalidBoard), AnswerVerdict::UnsolvedContradiction);
}

TEST(AnswerVerdict, LocksBehindTheUndoPointAreNotGivens) {
    EntryList moves;
    AddGrid(moves, EasySolution, Fix);
    AddGrid(moves, EasyPuzzle, Lock);  // each Lock replaces the cell's Fix
    CellBoard board;
    EXPECT_EQ(Judge(moves, board), AnswerVerdict::Correct);
    ASSERT_EQ(board.enteredCount, 81);

    // With the Lock entries in the redo tail the givens are unknown again.
    while (moves.Position() > 0 && moves.At(moves.Position() - 1).kind == Lock) moves.Undo();
    EXPECT_EQ(JudgeAnswer(moves, board), AnswerVerdict::UnsolvedConsistent);
}
