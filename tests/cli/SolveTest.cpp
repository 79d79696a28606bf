#include "CliTestSupport.h"
#include "PuzzleSolving.h"
#include "files/PuzzleLines.h"
#include "game/AnswerBoard.h"

#include <gtest/gtest.h>

using namespace sorvat;
using namespace sorvat::cli;
using sorvat::test::Contradictory;

namespace {

const std::string Solution = "926471538875263941134985276589346712647152389312798465263517894458639127791824653";

} // namespace

// The answer board determines only digits of the unique solution and is
// solved exactly when it equals it; a grade is a level that solves and no
// lower one does.
TEST(Solve, AnswersAndGradesAgreeWithQqwingSolutions) {
    for (const std::string file : {"qqwing.txt", "hard.txt"}) {
        int solved = 0;
        for (const auto& c : sorvat::test::ReadPuzzleCases(file)) {
            SCOPED_TRACE(c.puzzle);
            const EntryList locks = LocksFromPuzzle(c.puzzle);
            PuzzleOutcome out;
            AnalyzeLocks(locks, 9, out);
            ASSERT_EQ(out.answer.size(), 81u);
            EXPECT_FALSE(out.deadCell);
            for (std::size_t i = 0; i < 81; ++i) {
                if (out.answer[i] != '.') {
                    ASSERT_EQ(out.answer[i], c.solution[i]) << "cell " << i;
                }
            }
            solved += IsSolvedOutcome(out);
            EXPECT_EQ(IsSolvedOutcome(out), out.answer == c.solution);

            PuzzleOutcome graded;
            GradeLocks(locks, graded);
            if (graded.grade < 0) continue;
            EXPECT_EQ(graded.answer, c.solution);
            if (graded.grade > 0) {
                PuzzleOutcome below;
                AnalyzeLocks(locks, graded.grade - 1, below);
                EXPECT_FALSE(IsSolvedOutcome(below));
            }
        }
        EXPECT_GT(solved, 0) << file;
    }
}

TEST(Solve, FullGridAndOneBlankAreSolvedAtLevelZero) {
    PuzzleOutcome full;
    GradeLocks(LocksFromPuzzle(Solution), full);
    EXPECT_EQ(full.grade, 0);
    std::string oneBlank = Solution;
    oneBlank[40] = '.';
    PuzzleOutcome one;
    GradeLocks(LocksFromPuzzle(oneBlank), one);
    EXPECT_EQ(one.grade, 0);
    EXPECT_EQ(one.answer, Solution);
}

// At level 0 nothing fills the last cell of row 1 before the 9 below it
// arrives: a dead cell. At level 9 that cell is determined as 9 first: no
// cell is dead, but column 9 holds two 9s. Both are contradictions.
TEST(Solve, DeadCellsAndConflictingDigitsAreContradictions) {
    PuzzleOutcome dead;
    AnalyzeLocks(LocksFromPuzzle(Contradictory()), 0, dead);
    EXPECT_TRUE(dead.deadCell);
    EXPECT_EQ(dead.answer[8], '.');
    EXPECT_STREQ(StatusOf(dead), "contradiction");

    PuzzleOutcome conflict;
    AnalyzeLocks(LocksFromPuzzle(Contradictory()), 9, conflict);
    EXPECT_TRUE(conflict.conflict);
    EXPECT_FALSE(IsSolvedOutcome(conflict));
    EXPECT_STREQ(StatusOf(conflict), "contradiction");

    PuzzleOutcome graded;
    GradeLocks(LocksFromPuzzle(Contradictory()), graded);
    EXPECT_EQ(graded.grade, -1);
}

TEST(Solve, ConflictsAreFoundInRowsColumnsAndBoxes) {
    std::string blank(81, '.');
    EXPECT_FALSE(HasConflict(blank));
    EXPECT_FALSE(HasConflict(Solution));
    for (const auto& [a, b] : {std::pair{0, 8}, std::pair{0, 72}, std::pair{0, 20}}) {
        std::string twice = blank;
        twice[static_cast<std::size_t>(a)] = twice[static_cast<std::size_t>(b)] = '4';
        EXPECT_TRUE(HasConflict(twice)) << a << " " << b;
    }
    std::string apart = blank;
    apart[0] = apart[30] = '4';  // different row, column and box
    EXPECT_FALSE(HasConflict(apart));
}
