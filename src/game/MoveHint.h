#pragma once
#include "model/CellBoard.h"

#include <string>

namespace sorvat {

// The next move of a board: the cell, the digit and the reason, with its
// explanation (code page 932 bytes, as the analysis writes it).
struct MoveHint {
    FoundMove move;
    std::string text;
    bool Found() const { return move.reason != MoveReason::None; }
};

// Searches the next move with an explanation buffer of `bufferSize` bytes.
// The board is analysed again with its own settings afterwards.
MoveHint FindNextMove(CellBoard& board, int bufferSize = NextMoveBufferSize);

} // namespace sorvat
