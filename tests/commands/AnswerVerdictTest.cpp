#include "commands/AnswerVerdict.h"
#include "PuzzleFixtures.h"

#include <gtest/gtest.h>
#include <memory>

using namespace sorvat;
using namespace sorvat::testing;

namespace {

struct Play {
    EntryList moves;
    std::unique_ptr<CellBoard> board = std::make_unique<CellBoard>();
    void Build() { BuildBoard(*board, moves); }
};

std::string SolutionWithSwap(std::string s, int a, int b) {
    std::swap(s[a], s[b]);
    return s;
}

} // namespace

TEST(AnswerVerdict, CorrectBoardOfLockedGivens) {
    Play play;
    AddGrid(play.moves, EasyPuzzle, Lock);
    AddAnswers(play.moves, EasyPuzzle, EasySolution);
    play.Build();
    ASSERT_EQ(play.board->enteredCount, 81);
    const int countBefore = play.moves.Count();
    EXPECT_EQ(JudgeAnswer(play.moves, *play.board), AnswerVerdict::Correct);
    // The player's list and board are left as they were.
    EXPECT_EQ(play.moves.Count(), countBefore);
    EXPECT_EQ(play.moves.Position(), countBefore);
    EXPECT_EQ(play.board->enteredCount, 81);
}

TEST(AnswerVerdict, WrongDigitsAgainstSolvedGivens) {
    Play play;
    AddGrid(play.moves, EasyPuzzle, Lock);
    // Two empty cells of row 0 (columns 2 and 3) with their answers swapped.
    AddAnswers(play.moves, EasyPuzzle, SolutionWithSwap(std::string(EasySolution), 2, 3));
    play.Build();
    EXPECT_EQ(JudgeAnswer(play.moves, *play.board), AnswerVerdict::Wrong);
}

TEST(AnswerVerdict, GivensAsFixLeaveTheVerdictToTheBoardItself) {
    Play valid;
    AddGrid(valid.moves, EasySolution, Fix);
    valid.Build();
    EXPECT_EQ(JudgeAnswer(valid.moves, *valid.board), AnswerVerdict::UnsolvedConsistent);

    Play invalid;
    AddGrid(invalid.moves, SolutionWithSwap(std::string(EasySolution), 2, 3), Fix);
    invalid.Build();
    EXPECT_EQ(JudgeAnswer(invalid.moves, *invalid.board), AnswerVerdict::UnsolvedContradiction);
}

TEST(AnswerVerdict, LocksBehindTheUndoPointAreNotGivens) {
    Play play;
    AddGrid(play.moves, EasySolution, Fix);
    AddGrid(play.moves, EasyPuzzle, Lock);  // each Lock replaces the cell's Fix
    play.Build();
    ASSERT_EQ(play.board->enteredCount, 81);
    EXPECT_EQ(JudgeAnswer(play.moves, *play.board), AnswerVerdict::Correct);

    // With the Lock entries in the redo tail the givens are unknown again.
    while (play.moves.Position() > 0 && play.moves.At(play.moves.Position() - 1).kind == Lock)
        play.moves.Undo();
    EXPECT_EQ(JudgeAnswer(play.moves, *play.board), AnswerVerdict::UnsolvedConsistent);
}
