#pragma once
#include "OrderedBatch.h"
#include "model/EntryList.h"

#include <string>

namespace sorvat::cli {

// The answer board of a puzzle's Lock entries at `level` (9 for the answer
// board itself), with repeat and auto-confirm on.
void AnalyzeLocks(const EntryList& locks, int level, PuzzleOutcome& outcome);

// The answer board of a puzzle's Lock entries (the same as AnalyzeLocks at
// level 9, without the analysis where propagation solves the puzzle).
void AnswerLocks(const EntryList& locks, PuzzleOutcome& outcome);

// solvedCount 81, no dead cell and no conflict.
bool IsSolvedOutcome(const PuzzleOutcome& outcome);

// The lowest level at which the puzzle is solved into outcome.grade (-1 when
// not even level 9 solves it).
void GradeLocks(const EntryList& locks, PuzzleOutcome& outcome);

// "solved", "unsolved" or "contradiction" (a dead cell or a conflict).
const char* StatusOf(const PuzzleOutcome& outcome);

} // namespace sorvat::cli
