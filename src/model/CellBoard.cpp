#include "model/CellBoard.h"

#include <cstring>

namespace sorvat {

namespace {
bool InRange(int v) { return v >= 0 && v <= 8; }
} // namespace

CellBoard::CellBoard() { Init(); }

void CellBoard::WireGroups() {
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            SCell* cell = &cells[y][x];
            ycells[y].cells[x] = cell;
            tcells[x].cells[y] = cell;
            mcells[BoxIndex(x, y)].cells[(y % 3) * 3 + (x % 3)] = cell;
        }
    }
}

void CellBoard::Init() {
    WireGroups();
    ResetCells();
}

void CellBoard::ResetCells() {
    for (auto& row : cells)
        for (auto& cell : row) cell.Reset();
    for (int i = 0; i < 9; ++i) {
        for (int d = 0; d < 9; ++d) {
            mcells[i].solvedDigits[d] = 0;
            ycells[i].solvedDigits[d] = 0;
            tcells[i].solvedDigits[d] = 0;
        }
        enteredByDigit[i] = 0;
        solvedByDigit[i] = 0;
    }
    enteredCount = 0;
    solvedCount = 0;
}

void CellBoard::CopyCellsFrom(const CellBoard& other) {
    if (this == &other) return;
    std::memcpy(cells, other.cells, sizeof cells);
    for (int i = 0; i < 9; ++i) {
        std::memcpy(mcells[i].solvedDigits, other.mcells[i].solvedDigits, sizeof mcells[i].solvedDigits);
        std::memcpy(ycells[i].solvedDigits, other.ycells[i].solvedDigits, sizeof ycells[i].solvedDigits);
        std::memcpy(tcells[i].solvedDigits, other.tcells[i].solvedDigits, sizeof tcells[i].solvedDigits);
    }
    std::memcpy(enteredByDigit, other.enteredByDigit, sizeof enteredByDigit);
    std::memcpy(solvedByDigit, other.solvedByDigit, sizeof solvedByDigit);
    enteredCount = other.enteredCount;
    solvedCount = other.solvedCount;
}

void CellBoard::CopyStateFrom(const CellBoard& other) {
    entries = other.entries;
    techniqueMask = other.techniqueMask;
    repeatUntilStable = other.repeatUntilStable;
    autoConfirm = other.autoConfirm;
    CopyCellsFrom(other);
}

bool CellBoard::Equals(const CellBoard& other) const {
    // Every field of a cell takes part in the comparison of two cells.
    return std::memcmp(cells, other.cells, sizeof cells) == 0;
}

bool CellBoard::SameEnteredDigits(const CellBoard& other) const {
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x)
            if (cells[y][x].enteredDigit != other.cells[y][x].enteredDigit) return false;
    return true;
}

void CellBoard::SetPossibleAt(int x, int y, int d, int op) {
    if (!InRange(x) || !InRange(y)) return;
    cells[y][x].SetPossible(d, op);
}

void CellBoard::SetEnteredAt(int x, int y, int d, int op) {
    if (!InRange(x) || !InRange(y) || !InRange(d) || op < 0 || op > 2) return;
    cells[y][x].SetEntered(d, op);
}

int CellBoard::Place(int x, int y, int d) {
    if (!InRange(x) || !InRange(y) || !InRange(d)) return 9;
    SetEnteredAt(x, y, d, Set);
    Confirm(x, y, d);
    return d;
}

int CellBoard::Confirm(int x, int y, int d) {
    if (!InRange(x) || !InRange(y) || !InRange(d)) return 9;
    SCell& cell = cells[y][x];
    cell.SetSolved(d, Set);

    MCell& box = mcells[BoxIndex(x, y)];
    box.EliminateExcept(d, x % 3, y % 3);
    box.solvedDigits[d] = 1;
    tcells[x].EliminateExcept(d, y);
    tcells[x].solvedDigits[d] = 1;
    ycells[y].EliminateExcept(d, x);
    ycells[y].solvedDigits[d] = 1;

    ReasonScan(*this, *this);
    if (messageSize != 0 && !stopFlag && trialActive == 0 && d != cell.enteredDigit)
        WriteMove(*this, x, y, d, nullptr, MoveReason::Analysis);
    return d;
}

void CellBoard::Recount() {
    for (int d = 0; d < 9; ++d) {
        enteredByDigit[d] = 0;
        solvedByDigit[d] = 0;
    }
    enteredCount = 0;
    solvedCount = 0;
    for (auto& row : cells) {
        for (auto& cell : row) {
            if (cell.enteredDigit < 9) {
                ++enteredCount;
                ++enteredByDigit[cell.enteredDigit];
            }
            if (cell.solvedDigit < 9) {
                ++solvedCount;
                ++solvedByDigit[cell.solvedDigit];
            }
        }
    }
}

bool CellBoard::IsSolved() {
    if (enteredCount != 81) {
        Recount();
        if (enteredCount != 81) return false;
    }
    auto complete = [](const CellGroup& g) {
        int sum = 0;
        for (auto* c : g.cells) {
            if (c->enteredDigit > 8) return false;  // a stale count
            sum += 1 << c->enteredDigit;
        }
        return sum == 511;
    };
    for (int i = 0; i < 9; ++i)
        if (!complete(mcells[i])) return false;
    for (int i = 0; i < 9; ++i)
        if (!complete(tcells[i])) return false;
    for (int i = 0; i < 9; ++i)
        if (!complete(ycells[i])) return false;
    return true;
}

bool CellBoard::HasDeadCell() const {
    for (auto& row : cells)
        for (auto& cell : row)
            if (cell.solvedDigit > 8 && cell.candidateCount == 0) return true;
    return false;
}

} // namespace sorvat
