#include "PuzzleSolving.h"
#include "files/PuzzleLines.h"
#include "support/Puzzles.h"

#include <gtest/gtest.h>

using namespace sorvat;
using namespace sorvat::cli;

namespace {

const std::string Solution = "926471538875263941134985276589346712647152389312798465263517894458639127791824653";

} // namespace

TEST(Solve, AnswersAgreeWithQqwingSolutions) {
    for (const std::string file : {"qqwing.txt", "hard.txt"}) {
        int solved = 0;
        const auto cases = sorvat::test::ReadPuzzleCases(file);
        for (const auto& c : cases) {
            PuzzleOutcome out;
            AnalyzeLocks(LocksFromPuzzle(c.puzzle), 9, out);
            ASSERT_EQ(out.answer.size(), 81u);
            EXPECT_FALSE(out.deadCell) << c.puzzle;
            // Every digit the answer board determines is the puzzle's unique solution.
            for (std::size_t i = 0; i < 81; ++i) {
                if (out.answer[i] != '.') {
                    ASSERT_EQ(out.answer[i], c.solution[i]) << c.puzzle << " cell " << i;
                }
            }
            solved += IsSolvedOutcome(out);
            EXPECT_EQ(IsSolvedOutcome(out), out.answer == c.solution) << c.puzzle;
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

TEST(Solve, ACellLeftWithoutCandidatesIsAContradiction) {
    // Row 1 holds 1..8 and the 9 below its last cell leaves that cell
    // nothing; at level 0 nothing fills the cell before the 9 arrives.
    std::string puzzle(81, '.');
    for (int x = 0; x < 8; ++x) puzzle[static_cast<std::size_t>(x)] = static_cast<char>('1' + x);
    puzzle[17] = '9';
    PuzzleOutcome out;
    AnalyzeLocks(LocksFromPuzzle(puzzle), 0, out);
    EXPECT_TRUE(out.deadCell);
    EXPECT_EQ(out.answer[8], '.');
    EXPECT_STREQ(StatusOf(out), "contradiction");
    PuzzleOutcome graded;
    GradeLocks(LocksFromPuzzle(puzzle), graded);
    EXPECT_EQ(graded.grade, -1);
}

TEST(Solve, ADigitDeterminedBeforeAConflictingGivenIsAContradiction) {
    // The same givens at level 9: the last cell of row 1 is determined as 9
    // before the 9 below it is placed; no cell is dead, but column 9 holds
    // two 9s.
    std::string puzzle(81, '.');
    for (int x = 0; x < 8; ++x) puzzle[static_cast<std::size_t>(x)] = static_cast<char>('1' + x);
    puzzle[17] = '9';
    PuzzleOutcome out;
    AnalyzeLocks(LocksFromPuzzle(puzzle), 9, out);
    EXPECT_TRUE(out.conflict);
    EXPECT_FALSE(IsSolvedOutcome(out));
    EXPECT_STREQ(StatusOf(out), "contradiction");
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

TEST(Solve, AGradeIsALevelThatSolvesAndNoLowerOneDoes) {
    for (const auto& c : sorvat::test::ReadPuzzleCases("qqwing.txt")) {
        const EntryList locks = LocksFromPuzzle(c.puzzle);
        PuzzleOutcome graded;
        GradeLocks(locks, graded);
        if (graded.grade < 0) continue;
        EXPECT_EQ(graded.answer, c.solution);
        if (graded.grade > 0) {
            PuzzleOutcome below;
            AnalyzeLocks(locks, graded.grade - 1, below);
            EXPECT_FALSE(IsSolvedOutcome(below)) << c.puzzle;
        }
    }
}
