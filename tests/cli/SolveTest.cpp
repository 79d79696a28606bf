#include "CliTestSupport.h"
#include "PuzzleSolving.h"
#include "files/PuzzleLines.h"

#include <gtest/gtest.h>

using namespace sorvat;
using namespace sorvat::cli;
using sorvat::test::Contradictory;

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

