#pragma once

namespace sorvat {

// The cell the keys play on: a column and a row 0..8, starting at X1Y1. Moves
// stop at the board's edges.
struct CellCursor {
    int x = 0;
    int y = 0;

    void MoveBy(int dx, int dy) {
        x = Clamp(x + dx);
        y = Clamp(y + dy);
    }
    void MoveTo(int column, int row) {
        x = Clamp(column);
        y = Clamp(row);
    }
    int Index() const { return 9 * y + x; }
    bool operator==(const CellCursor&) const = default;

private:
    static int Clamp(int v) { return v < 0 ? 0 : (v > 8 ? 8 : v); }
};

} // namespace sorvat
