#pragma once
#include "model/CellBoard.h"
#include "model/EntryList.h"

// The board commands as rules on entry lists. Each changes only the entry
// lists it is given; the caller analyses, repaints and reports.
namespace sorvat {

// Makes every entered digit that is not yet a Lock a Lock.
void LockAll(const CellBoard& board, EntryList& moves);

// Replaces the entries by what the analysis of `board` shows: its Locks, its
// Fix digits, then a Possible mark for every solved digit that is not entered
// and for every candidate of an open cell.
void CopyAnalysisToSelf(const CellBoard& board, EntryList& moves);

// Fewest Locks the erase-wrong command accepts as a puzzle.
inline constexpr int MinimumGivens = 14;

struct EraseOutcome {
    enum Kind { Erased, NoneWrong, TooFewLocks, Undetermined, Inconsistent };
    Kind kind;
    int count = 0;  // Fix digits taken back
};

// Takes back every Fix digit of `board` that differs from the answer board.
// `givens` and `answer` are the caller's answer board pair (set up by
// BuildAnswerBoard): the givens are copied from `moves`, and the answer is
// analysed once there are enough.
EraseOutcome EraseWrongFix(EntryList& moves, const CellBoard& board, EntryList& givens, CellBoard& answer);

} // namespace sorvat
