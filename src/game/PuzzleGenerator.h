#pragma once
#include "solver/Grid.h"
#include "solver/Random.h"
#include "solver/Solver.h"

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_set>

namespace sorvat {

enum class Symmetry { None, Rotational, Diagonal };

struct GeneratorSettings {
    int level = 0;                        // the grade every puzzle must have
    Symmetry symmetry = Symmetry::None;   // rotational: half a turn; diagonal: the top-left to bottom-right mirror
    bool minimal = false;                 // no given can go without losing uniqueness
    std::uint64_t seed = 0;
};

// Whether some puzzle can have this grade: GradeOfGivens never gives 2, 7
// or 9 (they solve exactly what 1, 6 and 8 solve).
bool IsGradeLevel(int level);

// Makes puzzles with exactly one solution whose grade (GradeOfGivens) is the
// level asked for, each different from the ones made before. The same
// settings give the same puzzles in the same order.
//
// Each attempt draws a solved grid and removes givens (whole symmetry
// orbits, in random order) as long as the puzzle stays within the level,
// judged by propagations of the level's techniques; only the puzzle left at
// the end is graded by the analysis itself.
class PuzzleGenerator {
public:
    // Where each attempt's solved grid comes from (a test may draw the same
    // grid every time).
    using SolvedGridSource = solver::Grid (*)(solver::Random&);

    explicit PuzzleGenerator(const GeneratorSettings& settings,
                             SolvedGridSource solvedGrid = solver::RandomSolvedGrid);

    // The next puzzle, or nothing when `maxAttempts` attempts in a row found
    // none.
    std::optional<solver::Grid> Next(int maxAttempts);

    // Attempts made so far.
    std::uint64_t Attempts() const { return attempts; }

private:
    solver::Grid Reduce(const solver::Grid& solution);
    bool Acceptable(const solver::Grid& puzzle) const;

    GeneratorSettings settings;
    SolvedGridSource solvedGrid;
    solver::Random random;
    std::unordered_set<std::string> made;
    std::uint64_t attempts = 0;
};

} // namespace sorvat
