#pragma once
#include "model/CellBoard.h"
#include "model/EntryList.h"

// Play on one cell: what a mouse button or a key does to the cell it names.
// Each rule changes the entry lists and rebuilds the boards of those lists;
// the caller repaints. A rule returns true when the working board is full
// afterwards, which makes the answer check due.
namespace sorvat {

// Toggles the Possible mark of digit d (0..8) of cell (x, y). No analysis;
// never makes the answer check due.
void TogglePossible(EntryList& moves, CellBoard& board, int x, int y, int d);

// Enters digit d as Fix. On a filled cell the digit it shows is meant
// instead, so the cell's own Fix is taken back and a Lock refuses the entry.
bool EnterFix(EntryList& moves, CellBoard& board, int x, int y, int d);

// Turns the cell's Fix into a Lock and a Lock back into a Fix (nothing on an
// empty cell), then analyses both boards: `givens` and `answer` are the
// answer board pair, which follows the new set of givens.
bool SwitchFixAndLock(EntryList& moves, CellBoard& board, EntryList& givens, CellBoard& answer,
                      int x, int y);

// Takes back the cell's Fix; an empty cell and a Lock are left alone.
bool TakeBackFix(EntryList& moves, CellBoard& board, int x, int y);

} // namespace sorvat
