// The technique propagations against the analysis' grades: singles and
// the line/box techniques solve exactly the puzzles of the levels that use
// them; the propagations with hidden pairs and paired triples never solve a
// puzzle that levels 5 and 6 leave open.
#include "files/PuzzleLines.h"
#include "game/AnswerBoard.h"
#include "game/PuzzleGenerator.h"
#include "solver/Logic.h"
#include "solver/Solver.h"
#include "support/Puzzles.h"

#include <gtest/gtest.h>

using namespace sorvat;
using namespace sorvat::solver;

TEST(Logic, TechniqueSetsSolveWhatTheirLevelsSolve) {
    std::vector<std::string> puzzles;
    for (const std::string file : {"qqwing.txt", "hard.txt"})
        for (const auto& c : sorvat::test::ReadPuzzleCases(file)) puzzles.push_back(c.puzzle);
    for (int level : {0, 1, 3, 4, 5, 6, 8}) {
        PuzzleGenerator generator({level, Symmetry::None, false, 5});
        for (int i = 0; i < 3; ++i) puzzles.push_back(TextOfGrid(*generator.Next(100000)));
    }
    constexpr unsigned Singles = NakedSingles | HiddenSingles;
    constexpr unsigned Lines = Singles | Pointing | Claiming;
    int grades[10] = {};
    for (const std::string& p : puzzles) {
        SCOPED_TRACE(p);
        const Grid grid = GridFromText(p);
        const int graded = GradeOfGivens(LocksFromPuzzle(p));
        const int grade = graded >= 0 ? graded : 9;  // not even level 9 solves it
        ++grades[grade];
        EXPECT_EQ(SolvesWith(grid, NakedSingles), grade == 0);
        EXPECT_EQ(SolvesWith(grid, Singles), grade <= 1);
        EXPECT_EQ(SolvesWith(grid, Singles | Pointing), grade <= 3);
        EXPECT_EQ(SolvesWith(grid, Lines), grade <= 4);
        EXPECT_EQ(SolveWithoutGuessing(grid).has_value(), grade <= 4);
        EXPECT_TRUE(!SolvesWith(grid, Lines | HiddenPairs) || grade <= 5);
        EXPECT_TRUE(!SolvesWith(grid, Lines | HiddenPairs | PairedTriples) || grade <= 6);
    }
    for (int level : {0, 1, 3, 4, 5, 6, 8}) EXPECT_GE(grades[level], 3) << level;
}
