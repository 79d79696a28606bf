#pragma once
#include "model/CellBoard.h"

namespace sorvat {

// What the board shows of one cell in a display mode, without the pixels:
// the entered digit and its kind, or the candidate digits of the squares.
struct ShownCell {
    int entered = NoDigit;  // 0..8, or NoDigit for an empty cell
    bool locked = false;
    bool wrong = false;     // a Fix digit drawn red (checking modes)
    unsigned digits = 0;    // bit d: the square of digit d shows its glyph
    bool dead = false;      // analysis mode: no candidate and no solved digit
};

// `answer` is the same cell of the answer board, or null.
ShownCell ShowCell(const SCell& cell, const SCell* answer, int displayMode);

} // namespace sorvat
