#include "model/CellGroup.h"

namespace sorvat {

int CellGroup::SolvedCount() const {
    int n = 0;
    for (auto s : solvedDigits) n += s != 0;
    return n;
}

bool CellGroup::HasSolved(int d) const {
    for (auto* c : cells)
        if (c->solvedDigit == d) return true;
    return false;
}

int CellGroup::CandidatePlaces(int d) const {
    if (HasSolved(d)) return 0;
    int n = 0;
    for (auto* c : cells)
        if (c->flags[d] & CandidateBit) ++n;
    return n;
}

void CellGroup::EliminateExcept(int d, int keepIndex) {
    for (int i = 0; i < 9; ++i)
        if (i != keepIndex) cells[i]->SetCandidate(d, Clear);
}

void MCell::EliminateExcept(int d, int column, int row) {
    CellGroup::EliminateExcept(d, row * 3 + column);
}

SCell* MCell::ColumnOfDigit(int d, int& column) const {
    column = 9;
    if (d < 0 || d > 8 || solvedDigits[d]) return nullptr;
    SCell* found = nullptr;
    for (int c = 0; c < 3; ++c) {
        for (int r = 0; r < 3; ++r) {
            SCell* cell = cells[r * 3 + c];
            if (!(cell->flags[d] & CandidateBit)) continue;
            if (found == nullptr) {
                found = cell;
                column = c;
            } else if (c != column) {
                column = 9;
                return nullptr;
            }
        }
    }
    return found;
}

SCell* MCell::RowOfDigit(int d, int& row) const {
    row = 9;
    if (d < 0 || d > 8 || solvedDigits[d]) return nullptr;
    SCell* found = nullptr;
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            SCell* cell = cells[r * 3 + c];
            if (!(cell->flags[d] & CandidateBit)) continue;
            if (found == nullptr) {
                found = cell;
                row = r;
            } else if (r != row) {
                row = 9;
                return nullptr;
            }
        }
    }
    return found;
}

void MCell::EliminateOutsideColumn(int c, int d) {
    for (int i = 0; i < 9; ++i)
        if (i % 3 != c) cells[i]->SetCandidate(d, Clear);
}

void MCell::EliminateOutsideRow(int r, int d) {
    for (int i = 0; i < 9; ++i)
        if (i / 3 != r) cells[i]->SetCandidate(d, Clear);
}

} // namespace sorvat
