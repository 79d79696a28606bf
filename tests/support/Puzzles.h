#pragma once
// The puzzles of the tests: one easy puzzle with its solution, written out
// here, and the collections of tests/data read by name.
#include "model/CellBoard.h"
#include "model/EntryList.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace sorvat::test {

// An easy puzzle (0 = empty) and its only solution, row by row.
inline constexpr std::string_view EasyPuzzle =
    "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
inline constexpr std::string_view EasySolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

inline int DigitAt(std::string_view grid, int x, int y) { return grid[static_cast<std::size_t>(y * 9 + x)] - '1'; }

// Adds an entry of `kind` for every digit of `grid` ('.' or '0' = empty).
void AddGrid(EntryList& list, std::string_view grid, int kind);

// The digits of `grid` as Lock entries.
EntryList Givens(std::string_view grid = EasyPuzzle);

// Adds Fix entries for the cells of `solution` that `puzzle` leaves empty.
void AddAnswers(EntryList& list, std::string_view puzzle, std::string_view solution);

// The easy puzzle's givens with `answers` entered as Fix digits.
EntryList Played(std::string_view answers = EasySolution);

// Every digit of `grid` as a Fix entry (no Locks).
inline EntryList AllFix(std::string_view grid) {
    EntryList moves;
    AddGrid(moves, grid, Fix);
    return moves;
}

// The first `count` cells of the easy solution as Locks, then a Fix at X9Y9.
EntryList FirstLocksOfTheAnswer(int count);

// The easy solution with the answers of cells (2,0) and (3,0) swapped.
std::string SwappedSolution();

// Rebuilds `board` from `list` at level 0 without repetition (the entered
// digits only).
void BuildBoard(CellBoard& board, EntryList& list);

// Row 1 holds 1..8 and a 9 stands below its last cell, which can take no
// digit ('.' = empty).
std::string Contradictory();

struct PuzzleCase {
    std::string puzzle;
    std::string solution;
};

// An 81-character puzzle drawn as a grid of text: `gap` between cells, `bar`
// between boxes and `rule` lines between bands ("" for none), framed by '|'
// and rules if asked.
std::string Grid(std::string_view puzzle, std::string_view gap, std::string_view bar, std::string rule,
                 bool frame = false);

// Lines "puzzle:solution" from a file under the test data directory.
std::vector<PuzzleCase> ReadPuzzleCases(const std::string& name);

// A new board with `list` analysed at the given settings.
std::unique_ptr<CellBoard> Analysed(EntryList& list, int level, bool repeat, bool autoConfirm = false);

} // namespace sorvat::test
