#pragma once
// The candidates of the work board kept as bit masks while the analysis
// runs: one mask per cell, one band plane per digit and the per-digit counts
// of each group. Every change the analysis makes to the work board's
// candidates goes through here, so the masks stay in step across the passes
// and entries of one replay.
#include "model/CellBoard.h"

#include <cstdint>

namespace sorvat {

template <typename F>
void ForEachDigit(unsigned digits, F f) {
    while (digits) {
        f(__builtin_ctz(digits));
        digits &= digits - 1;
    }
}

// Cell indexes (y * 9 + x) of the 27 groups: boxes, columns, rows, each in
// the slot order of the board's groups.
struct GroupTable {
    int cells[27][9];
    constexpr GroupTable() : cells() {
        for (int i = 0; i < 9; ++i)
            for (int j = 0; j < 9; ++j) {
                cells[i][j] = ((i / 3) * 3 + j / 3) * 9 + (i % 3) * 3 + j % 3;
                cells[9 + i][j] = j * 9 + i;
                cells[18 + i][j] = i * 9 + j;
            }
    }
};
constexpr GroupTable Groups;
constexpr int BoxGroup = 0, ColumnGroup = 9, RowGroup = 18;

// Bit g set for each of the three groups holding a cell.
struct CellGroupsTable {
    unsigned of[81];
    constexpr CellGroupsTable() : of() {
        for (int i = 0; i < 81; ++i) {
            const int x = i % 9, y = i / 9;
            of[i] = (1u << (BoxGroup + (y / 3) * 3 + x / 3)) | (1u << (ColumnGroup + x)) | (1u << (RowGroup + y));
        }
    }
};
constexpr CellGroupsTable GroupsOfCell;

// Band planes: bit (y mod 3) * 9 + x of word y / 3 stands for cell (x, y).
constexpr std::uint32_t BandBit(int i) { return 1u << (i % 27); }
constexpr std::uint32_t BoxInBand = 0x1C0E07;  // the 3x3 cells of the band's first box
constexpr std::uint32_t ColumnInBand = 0x40201;  // the three cells of the band's first column

// The per-digit counts of a group's candidates as bit planes: atLeast[k] has
// bit d when digit d is a candidate in more than k of the group's cells.
struct GroupCounts {
    unsigned cell[9];
    unsigned atLeast[4];

    unsigned Exactly(int places) const { return atLeast[places - 1] & ~atLeast[places]; }

    int FirstWith(int d) const {
        for (int i = 0; i < 9; ++i)
            if (cell[i] & (1u << d)) return i;
        return -1;
    }
};

// The candidates of the work board, one mask per cell and one band plane per
// digit, and the counts of each group, worked out again only after the group
// changed. Valid from Load until the board changes other than through here.
struct WorkMasks {
    CellBoard* w = nullptr;
    bool valid = false;
    unsigned cell[81];
    std::uint32_t plane[9][3];
    unsigned staleGroups;
    GroupCounts groups[27];

    // Work that would change nothing: a technique that found nothing in a
    // group (pointing: a digit's band; claiming: a digit) finds nothing there
    // again until the masks or the solved digits there change.
    enum GroupTechnique { HiddenSingles, Pairs, Triples, PairedTriples, GroupTechniques };
    unsigned settledGroups[GroupTechniques];
    unsigned settledPointing[2];  // [rows, columns], bit d * 3 + band
    unsigned settledClaiming[2];  // [rows, columns], bit d
    unsigned changes;  // counts the changes made through here

    bool Settled(GroupTechnique t, int group) const { return (settledGroups[t] >> group) & 1u; }

    void Load(CellBoard& board) {
        w = &board;
        valid = true;
        staleGroups = (1u << 27) - 1;
        for (auto& bits : settledGroups) bits = 0;
        settledPointing[0] = settledPointing[1] = settledClaiming[0] = settledClaiming[1] = 0;
        changes = 0;
        for (auto& p : plane) p[0] = p[1] = p[2] = 0;
        for (int i = 0; i < 81; ++i) {
            cell[i] = board.cells[i / 9][i % 9].CandidateMask();
            ForEachDigit(cell[i], [&](int d) { plane[d][i / 27] |= BandBit(i); });
        }
    }

    const GroupCounts& Counts(int group) {
        GroupCounts& g = groups[group];
        if (staleGroups & (1u << group)) {
            staleGroups &= ~(1u << group);
            const int* index = Groups.cells[group];
            for (int i = 0; i < 9; ++i) g.cell[i] = cell[index[i]];
            g.atLeast[0] = g.atLeast[1] = g.atLeast[2] = g.atLeast[3] = 0;
            for (unsigned m : g.cell) {
                g.atLeast[3] |= g.atLeast[2] & m;
                g.atLeast[2] |= g.atLeast[1] & m;
                g.atLeast[1] |= g.atLeast[0] & m;
                g.atLeast[0] |= m;
            }
        }
        return g;
    }

    // Takes `digits` out of the masks of cell `index` (the board is changed by the caller).
    void Drop(int index, unsigned digits) {
        digits &= cell[index];
        if (!digits) return;
        cell[index] &= ~digits;
        ForEachDigit(digits, [&](int d) {
            plane[d][index / 27] &= ~BandBit(index);
            Unsettle(d, index / 27);
        });
        Unsettle(GroupsOfCell.of[index]);
    }

    void Unsettle(unsigned groupBits) {
        staleGroups |= groupBits;
        for (auto& bits : settledGroups) bits &= ~groupBits;
        ++changes;
    }

    void Unsettle(int d, int band) {
        settledPointing[0] &= ~(1u << (d * 3 + band));
        settledPointing[1] &= ~(1u << (d * 3 + band));
        settledClaiming[0] &= ~(1u << d);
        settledClaiming[1] &= ~(1u << d);
    }

    // The masks after the board confirmed d at (x, y): the cell and d in its groups.
    void Confirmed(int x, int y, int d) {
        const unsigned bit = 1u << d;
        for (int g : {BoxGroup + CellBoard::BoxIndex(x, y), ColumnGroup + x, RowGroup + y})
            for (int i : Groups.cells[g])
                if (cell[i] & bit) Drop(i, bit);
        Drop(y * 9 + x, cell[y * 9 + x]);
        Unsettle(GroupsOfCell.of[y * 9 + x]);  // its solved digit changed
        Unsettle(d, y / 3);
    }

    void Confirm(int x, int y, int d) {
        w->Confirm(x, y, d);
        Confirmed(x, y, d);
    }

    void Place(int x, int y, int d) {
        if (w->Place(x, y, d) == d && d >= 0 && d <= 8) Confirmed(x, y, d);
    }

    void ClearCandidate(int index, int d) {
        if (!(cell[index] & (1u << d))) return;
        w->cells[index / 9][index % 9].SetCandidate(d, Clear);
        Drop(index, 1u << d);
    }
};

} // namespace sorvat
