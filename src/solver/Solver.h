#pragma once
#include "solver/Grid.h"
#include "solver/Random.h"

#include <optional>

namespace sorvat::solver {

struct Solutions {
    int count = 0;    // solutions found, at most the limit asked for
    Grid first{};     // when count >= 1
    Grid second{};    // when count >= 2: a different solution
};

// Counts the solutions of `puzzle` up to `limit` (2 tells a unique puzzle
// from one with several), keeping the first two. Givens that clash count as
// no solution.
Solutions CountSolutions(const Grid& puzzle, int limit = 2);

// The solution when propagation alone solves `puzzle`: naked and hidden
// singles, pointing and claiming, repeated until nothing changes, no guess.
std::optional<Grid> SolveWithoutGuessing(const Grid& puzzle);

// A complete grid, drawn by `random`.
Grid RandomSolvedGrid(Random& random);

} // namespace sorvat::solver
