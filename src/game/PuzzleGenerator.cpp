#include "game/PuzzleGenerator.h"

#include "files/PuzzleLines.h"
#include "game/AnswerBoard.h"
#include "solver/Logic.h"
#include "solver/Solver.h"

#include <array>
#include <memory>
#include <vector>

namespace sorvat {

namespace {

using solver::Grid;

constexpr unsigned Singles = solver::NakedSingles | solver::HiddenSingles;
constexpr unsigned UpToClaiming = Singles | solver::Pointing | solver::Claiming;

// Whether the techniques of analysis level `level` alone solve the puzzle,
// or a part of them that the analysis surely applies as well (levels 5 and 6
// check hidden pairs but not the analysis' hidden triples; level 8 none of
// its trial). True means the grade is at most `level`; for levels 0, 1, 3
// and 4 false means it is higher.
bool WithinLevel(const Grid& puzzle, int level) {
    switch (level) {
    case 0: return solver::SolvesWith(puzzle, solver::NakedSingles);
    case 1: return solver::SolvesWith(puzzle, Singles);
    case 3: return solver::SolvesWith(puzzle, Singles | solver::Pointing);
    case 4: return solver::SolveWithoutGuessing(puzzle).has_value();
    case 5: return solver::SolvesWith(puzzle, UpToClaiming | solver::HiddenPairs);
    default: return solver::SolvesWith(puzzle, UpToClaiming | solver::HiddenPairs | solver::PairedTriples);
    }
}

// The grade level below `level` (2 and 7 grade nothing).
int LevelBelow(int level) { return level == 3 ? 1 : level == 8 ? 6 : level - 1; }

std::vector<std::array<int, 2>> Orbits(Symmetry symmetry) {
    std::vector<std::array<int, 2>> orbits;
    for (int cell = 0; cell < 81; ++cell) {
        int partner = cell;
        if (symmetry == Symmetry::Rotational) partner = 80 - cell;
        if (symmetry == Symmetry::Diagonal) partner = cell % 9 * 9 + cell / 9;
        if (partner >= cell) orbits.push_back({cell, partner});
    }
    return orbits;
}

bool AnalysisSolves(const Grid& puzzle, int level) {
    EntryList givens = LocksFromPuzzle(solver::TextOfGrid(puzzle));
    auto board = std::make_unique<CellBoard>();  // several kilobytes
    AnalyzeGivens(givens, *board, level);
    return IsSolvedBoard(*board);
}

bool Unique(const Grid& puzzle) { return solver::CountSolutions(puzzle, 2).count == 1; }

bool Minimal(Grid puzzle) {
    for (auto& cell : puzzle) {
        if (cell == 0) continue;
        const std::uint8_t digit = cell;
        cell = 0;
        const bool stillUnique = Unique(puzzle);
        cell = digit;
        if (stillUnique) return false;
    }
    return true;
}

} // namespace

bool IsGradeLevel(int level) { return level >= 0 && level <= 8 && level != 2 && level != 7; }

PuzzleGenerator::PuzzleGenerator(const GeneratorSettings& settings_, SolvedGridSource solvedGrid_)
    : settings(settings_), solvedGrid(solvedGrid_), random(settings_.seed) {}

Grid PuzzleGenerator::Reduce(const Grid& solution) {
    Grid puzzle = solution;
    auto orbits = Orbits(settings.symmetry);
    random.Shuffle(orbits.data(), static_cast<int>(orbits.size()));
    for (const auto& [a, b] : orbits) {
        puzzle[static_cast<std::size_t>(a)] = puzzle[static_cast<std::size_t>(b)] = 0;
        bool keep = WithinLevel(puzzle, settings.level);
        // Beyond the propagations: the analysis itself, on unique puzzles.
        if (!keep && settings.level == 8) keep = Unique(puzzle) && AnalysisSolves(puzzle, 8);
        if (!keep) {
            puzzle[static_cast<std::size_t>(a)] = solution[static_cast<std::size_t>(a)];
            puzzle[static_cast<std::size_t>(b)] = solution[static_cast<std::size_t>(b)];
        }
    }
    return puzzle;
}

bool PuzzleGenerator::Acceptable(const Grid& puzzle) const {
    if (settings.level > 0 && WithinLevel(puzzle, LevelBelow(settings.level))) return false;
    if (settings.minimal && !Minimal(puzzle)) return false;
    return GradeOfGivens(LocksFromPuzzle(solver::TextOfGrid(puzzle))) == settings.level;
}

std::optional<Grid> PuzzleGenerator::Next(int maxAttempts) {
    for (int i = 0; i < maxAttempts; ++i) {
        ++attempts;
        const Grid puzzle = Reduce(solvedGrid(random));
        if (!Acceptable(puzzle)) continue;
        if (!made.insert(solver::TextOfGrid(puzzle)).second) continue;
        return puzzle;
    }
    return std::nullopt;
}

} // namespace sorvat
