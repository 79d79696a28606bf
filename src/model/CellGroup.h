#pragma once
#include "model/SCell.h"

namespace sorvat {

// Nine references into a board's cells plus the digits solved in the group.
struct CellGroup {
    SCell* cells[9] = {};
    unsigned char solvedDigits[9] = {};

    int SolvedCount() const;
    bool HasSolved(int d) const;
    int CandidatePlaces(int d) const;
    void EliminateExcept(int d, int keepIndex);
};

struct YCell : CellGroup {};  // a row, cells[x]
struct TCell : CellGroup {};  // a column, cells[y]

// A 3x3 box, cells[(y mod 3) * 3 + (x mod 3)].
struct MCell : CellGroup {
    void EliminateExcept(int d, int column, int row);
    // (cell, box column) of the only box column holding candidate d, or (null, 9).
    SCell* ColumnOfDigit(int d, int& column) const;
    SCell* RowOfDigit(int d, int& row) const;
    void EliminateOutsideColumn(int c, int d);
    void EliminateOutsideRow(int r, int d);
};

} // namespace sorvat
