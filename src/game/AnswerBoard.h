#pragma once
#include "model/CellBoard.h"
#include "model/EntryList.h"

#include <string>

namespace sorvat {

// The answer board of a puzzle: its givens (the Lock entries) analysed at
// level 9 with repeat and auto-confirm on. Every part of the program that
// needs the solution the analysis finds goes through these functions.

// Sets `board` up as an answer board: level 9, repeat and auto-confirm on.
void ConfigureAnswerBoard(CellBoard& board);

// Copies the Lock entries of `moves` before its undo point into `givens`,
// points `board` at `givens` and analyses it as the answer board.
// Auto-confirm appends its Fix entries to `givens`.
void BuildAnswerBoard(const EntryList& moves, EntryList& givens, CellBoard& board);

// Brings an answer board set up by BuildAnswerBoard up to `moves`: copies
// their Lock entries into `givens` (which `board` refers to) and analyses
// `board` with its own settings.
void RefreshAnswerBoard(const EntryList& moves, EntryList& givens, CellBoard& board);

// Points `board` at `givens` and analyses it at `level` with repeat and
// auto-confirm on (level 9 is the answer board; lower levels grade).
void AnalyzeGivens(EntryList& givens, CellBoard& board, int level = 9);

// The 81 solved digits of `board`, '1'..'9', '.' for an open cell.
std::string SolvedDigits(const CellBoard& board);

// True when a digit stands twice in a row, column or box of an 81-character
// line of digits ('.' and '0' cells are ignored).
bool HasConflict(const std::string& digits);

// All 81 cells solved, no cell without a candidate, no digit twice in a group.
bool IsSolvedBoard(const CellBoard& board);

// The lowest analysis level whose analysis (repeat and auto-confirm on)
// solves the givens, or -1 when not even level 9 does. Levels 7 and 9 never
// come out: they run the techniques of 6 and 8.
int GradeOfGivens(const EntryList& givens);

} // namespace sorvat
