#include "game/PuzzleGenerator.h"

#include <gtest/gtest.h>

namespace sorvat {
namespace {

// Every attempt starts over from the same random state, so each one makes
// the same puzzle: the generator gives it once and then refuses it.
solver::Grid SameGridEveryTime(solver::Random& random) {
    random = solver::Random(7);
    return solver::RandomSolvedGrid(random);
}

TEST(PuzzleGenerator, NeverGivesAPuzzleItMadeBefore) {
    PuzzleGenerator generator({1, Symmetry::None, false, 0}, SameGridEveryTime);
    ASSERT_TRUE(generator.Next(1).has_value());
    EXPECT_FALSE(generator.Next(20).has_value());
    EXPECT_EQ(generator.Attempts(), 21u);
}

} // namespace
} // namespace sorvat
