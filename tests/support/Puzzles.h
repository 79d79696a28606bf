#pragma once
#include "model/CellBoard.h"

#include <string>
#include <vector>

namespace sorvat::test {

// Lock entries from an 81-character line ('.' or '0' for a blank).
EntryList LocksFromLine(const std::string& line);

// The 81-character line of a board's solved digits ('.' where none).
std::string SolvedLine(const CellBoard& board);

struct PuzzleCase {
    std::string puzzle;
    std::string solution;
};

// Lines "puzzle:solution" from a file under the test data directory.
std::vector<PuzzleCase> ReadPuzzleCases(const std::string& name);

// Analyses `list` as the answer board: level 9, repeat and auto-confirm on.
void AnalyzeAsAnswer(CellBoard& board, EntryList& list);

} // namespace sorvat::test
