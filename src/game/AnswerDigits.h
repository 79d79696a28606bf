#pragma once
#include "model/EntryList.h"
#include "solver/Grid.h"

#include <optional>
#include <string>

namespace sorvat {

// What the answer board of a puzzle shows, as `sorvat-cli solve` prints it.
struct AnswerResult {
    std::string digits;    // 81 characters: solved digits, '.' where open
    int solvedCount = 0;
    bool deadCell = false;
    bool conflict = false; // the same digit twice in a row, column or box
};

// The answer board of `givens` (level 9, repeat and auto-confirm on).
// When propagation alone (singles, pointing, claiming) solves the puzzle,
// that solution is the answer board and the analysis does not run: the
// analysis removes only candidates that no solution has and ends where none
// of these techniques applies any more, so every step of the propagation is
// also taken, or already implied, at its end, which is then the same solved
// grid. bench/answer_fastpath_check compares both cell by cell.
AnswerResult AnswerDigits(const EntryList& givens);

// The board of `givens` analysed at `level` with repeat and auto-confirm on,
// always through the analysis.
AnswerResult AnalyzedDigits(const EntryList& givens, int level);

// The grid of a list that holds only Lock and Fix entries in effect, each on
// its own cell with coordinates and digit in range; nothing otherwise.
std::optional<solver::Grid> GridOfGivens(const EntryList& givens);

} // namespace sorvat
