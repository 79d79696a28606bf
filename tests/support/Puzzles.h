#pragma once
#include "model/CellBoard.h"

#include <memory>
#include <string>
#include <tuple>
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

// Locks of 5 in rows 1 and 2 outside the top-left box and in columns 2 and
// 3: in that box only X1Y3 is left for 5, a box hidden single of level 1.
EntryList BoxHiddenSingleLocks();

// A new board with `list` analysed at the given settings.
std::unique_ptr<CellBoard> Analysed(EntryList& list, int level, bool repeat, bool autoConfirm = false);

// Analyses `list` as the answer board: level 9, repeat and auto-confirm on.
void AnalyzeAsAnswer(CellBoard& board, EntryList& list);

// The code page 932 bytes of the board's next move (the returned length).
std::string NextMoveBytes(CellBoard& board);

// (x, y, digit) of a determination message, 1-based, or all zero. The
// numbers are ASCII in both UTF-8 and code page 932 text.
std::tuple<int, int, int> MovedCell(const std::string& text);

} // namespace sorvat::test
