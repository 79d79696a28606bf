#include "game/AnswerBoard.h"
#include "support/Puzzles.h"

#include <gtest/gtest.h>

#include <utility>

namespace sorvat::test {
namespace {

TEST(AnswerBoard, ConflictsAreFoundInRowsColumnsAndBoxes) {
    std::string blank(81, '.');
    EXPECT_FALSE(HasConflict(blank));
    EXPECT_FALSE(HasConflict(std::string(EasySolution)));
    for (const auto& [a, b] : {std::pair{0, 8}, std::pair{0, 72}, std::pair{0, 20}}) {
        std::string twice = blank;
        twice[static_cast<std::size_t>(a)] = twice[static_cast<std::size_t>(b)] = '4';
        EXPECT_TRUE(HasConflict(twice)) << a << " " << b;
    }
}

// The answer board determines only digits of the unique solution and is a
// solved board exactly when it equals it; the grade is a level that solves
// and no lower one does.
TEST(AnswerBoard, AnswersAndGradesAgreeWithThePeerSolutions) {
    for (const auto& [file, atLeast] : {std::pair{"qqwing.txt", 30}, std::pair{"hard.txt", 1}}) {
        int solved = 0;
        for (const PuzzleCase& c : ReadPuzzleCases(file)) {
            SCOPED_TRACE(c.puzzle);
            EntryList givens = Givens(c.puzzle);
            auto board = std::make_unique<CellBoard>();
            AnalyzeGivens(givens, *board);
            const std::string digits = SolvedDigits(*board);
            EXPECT_FALSE(board->HasDeadCell());
            for (std::size_t i = 0; i < 81; ++i) {
                if (digits[i] != '.') {
                    ASSERT_EQ(digits[i], c.solution[i]) << "cell " << i;
                }
            }
            EXPECT_EQ(IsSolvedBoard(*board), digits == c.solution);
            solved += IsSolvedBoard(*board) ? 1 : 0;

            const int grade = GradeOfGivens(Givens(c.puzzle));
            EXPECT_EQ(grade >= 0, IsSolvedBoard(*board));
            if (grade > 0) {
                EntryList below = Givens(c.puzzle);
                AnalyzeGivens(below, *board, grade == 8 ? 6 : grade - 1);
                EXPECT_FALSE(IsSolvedBoard(*board)) << "grade " << grade;
            }
        }
        EXPECT_GE(solved, atLeast) << file;
    }
    std::string oneBlank(EasySolution);
    oneBlank[40] = '.';
    EXPECT_EQ(GradeOfGivens(Givens(oneBlank)), 0);
}

// At level 0 the contradictory puzzle's open cell ends without candidates;
// level 9 determines it as 9 before the 9 below arrives, which leaves two 9s
// in column 9.
TEST(AnswerBoard, ContradictoryGivensAreNeverASolvedBoard) {
    const std::string puzzle = Contradictory();
    auto board = std::make_unique<CellBoard>();
    EntryList atZero = Givens(puzzle);
    AnalyzeGivens(atZero, *board, 0);
    EXPECT_TRUE(board->HasDeadCell());
    EntryList atNine = Givens(puzzle);
    AnalyzeGivens(atNine, *board);
    EXPECT_TRUE(HasConflict(SolvedDigits(*board)));
    EXPECT_FALSE(IsSolvedBoard(*board));
    EXPECT_EQ(GradeOfGivens(Givens(puzzle)), -1);
}

} // namespace
} // namespace sorvat::test
