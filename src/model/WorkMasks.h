#pragma once
// The candidates of the work board kept as bit masks while the analysis
// runs: one mask per cell, one band plane per digit and the per-digit counts
// of each group. Every change the analysis makes to the work board's
// candidates goes through here, so the masks stay in step across the passes
// and entries of one replay.
#include "model/CellBoard.h"

#include <cstdint>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// The three groups of each cell: box, column, row.
struct CellGroupIndexTable {
    int of[81][3];
    constexpr CellGroupIndexTable() : of() {
        for (int i = 0; i < 81; ++i) {
            const int x = i % 9, y = i / 9;
            of[i][0] = BoxGroup + (y / 3) * 3 + x / 3;
            of[i][1] = ColumnGroup + x;
            of[i][2] = RowGroup + y;
        }
    }
};
constexpr CellGroupIndexTable GroupIndexOfCell;

// The 20 other cells of each cell's box, column and row.
struct PeerTable {
    int of[81][20];
    constexpr PeerTable() : of() {
        for (int i = 0; i < 81; ++i) {
            int n = 0;
            for (int j = 0; j < 81; ++j) {
                const bool sameBox = (i / 27 == j / 27) && ((i % 9) / 3 == (j % 9) / 3);
                if (j != i && (i % 9 == j % 9 || i / 9 == j / 9 || sameBox)) of[i][n++] = j;
            }
        }
    }
};
constexpr PeerTable Peers;

// The candidates of the work board, one mask per cell and one band plane per
// digit, and how many cells of each group hold each digit. Valid from Load
// (or a copy of valid masks of the same board) until the board changes other
// than through here.
struct WorkMasks {
    CellBoard* w = nullptr;
    bool valid = false;
    unsigned cell[81];
    std::uint32_t plane[9][3];
    alignas(16) std::uint8_t count[27][16];  // [group][digit]

    // Work that would change nothing: a technique that found nothing in a
    // group (pointing: a digit's band; claiming: a digit) finds nothing there
    // again until the masks or the solved digits there change.
    enum GroupTechnique { HiddenSingles, Pairs, Triples, PairedTriples, GroupTechniques };
    unsigned settledGroups[GroupTechniques];
    unsigned settledPointing[2];  // [rows, columns], bit d * 3 + band
    unsigned settledClaiming[2];  // [rows, columns], bit d
    unsigned changes;  // counts the changes made through here
    std::uint64_t singleCells[2];  // bit i % 64 of word i / 64: cell i has exactly one candidate

    void NoteCandidates(int i) {
        const std::uint64_t bit = std::uint64_t{1} << (i % 64);
        if (cell[i] != 0 && (cell[i] & (cell[i] - 1)) == 0)
            singleCells[i / 64] |= bit;
        else
            singleCells[i / 64] &= ~bit;
    }

    // The first cell from `i` on with exactly one candidate, or 81.
    int NextSingle(int i) const {
        if (i < 64) {
            const std::uint64_t low = singleCells[0] & (~std::uint64_t{0} << i);
            if (low) return __builtin_ctzll(low);
            i = 64;
        }
        if (i >= 81) return 81;
        const std::uint64_t high = singleCells[1] & (~std::uint64_t{0} << (i - 64));
        return high ? 64 + __builtin_ctzll(high) : 81;
    }

    bool Settled(GroupTechnique t, int group) const { return (settledGroups[t] >> group) & 1u; }

    // Calls f(k) for k = first .. end - 1 in order, passing over each k whose
    // bit in `settled` is set when its turn comes.
    template <typename F>
    static void ForEachUnsettled(const unsigned& settled, int first, int end, F f) {
        const unsigned range = (end >= 32 ? ~0u : (1u << end) - 1);
        for (int k = first; k < end; ++k) {
            const unsigned rest = ~settled & range & (~0u << k);
            if (!rest) return;
            k = __builtin_ctz(rest);
            f(k);
        }
    }

    void Load(CellBoard& board) {
        w = &board;
        valid = true;
        for (auto& bits : settledGroups) bits = 0;
        settledPointing[0] = settledPointing[1] = settledClaiming[0] = settledClaiming[1] = 0;
        changes = 0;
        for (auto& p : plane) p[0] = p[1] = p[2] = 0;
        for (auto& c : count)
            for (auto& n : c) n = 0;
        singleCells[0] = singleCells[1] = 0;
        for (int i = 0; i < 81; ++i) {
            cell[i] = board.cells[i / 9][i % 9].CandidateMask();
            NoteCandidates(i);
            ForEachDigit(cell[i], [&](int d) {
                plane[d][i / 27] |= BandBit(i);
                for (int g : GroupIndexOfCell.of[i]) ++count[g][d];
            });
        }
    }

    // The digits that are a candidate in exactly `places` cells of the group.
    unsigned DigitsWithCount(int group, int places) const {
#if defined(__SSE2__)
        const __m128i counts = _mm_load_si128(reinterpret_cast<const __m128i*>(count[group]));
        return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(counts, _mm_set1_epi8(static_cast<char>(places))))) &
               0x1FFu;
#else
        unsigned digits = 0;
        for (int d = 0; d < 9; ++d) digits |= unsigned(count[group][d] == places) << d;
        return digits;
#endif
    }

    // The slot of the group's first cell holding d, or -1.
    int FirstWith(int group, int d) const {
        for (int i = 0; i < 9; ++i)
            if (cell[Groups.cells[group][i]] & (1u << d)) return i;
        return -1;
    }

    // Takes `digits` out of the masks of cell `index` (the board is changed by the caller).
    void Drop(int index, unsigned digits) {
        digits &= cell[index];
        if (!digits) return;
        cell[index] &= ~digits;
        NoteCandidates(index);
        const int* groups = GroupIndexOfCell.of[index];
        ForEachDigit(digits, [&](int d) {
            plane[d][index / 27] &= ~BandBit(index);
            --count[groups[0]][d];
            --count[groups[1]][d];
            --count[groups[2]][d];
            Unsettle(d, index / 27);
        });
        Unsettle(GroupsOfCell.of[index]);
    }

    void Unsettle(unsigned groupBits) {
        for (auto& bits : settledGroups) bits &= ~groupBits;
        ++changes;
    }

    void Unsettle(int d, int band) {
        settledPointing[0] &= ~(1u << (d * 3 + band));
        settledPointing[1] &= ~(1u << (d * 3 + band));
        settledClaiming[0] &= ~(1u << d);
        settledClaiming[1] &= ~(1u << d);
    }

    // Confirms d at (x, y) on the board, as the board's own Confirm does.
    // Without explanations to write, only the cells holding d are visited.
    void Confirm(int x, int y, int d) {
        const int at = y * 9 + x;
        const unsigned bit = 1u << d;
        const bool explaining = w->messageSize != 0;
        if (explaining) {
            w->Confirm(x, y, d);
        } else {
            w->cells[y][x].SetSolved(d, Set);
            w->mcells[CellBoard::BoxIndex(x, y)].solvedDigits[d] = 1;
            w->tcells[x].solvedDigits[d] = 1;
            w->ycells[y].solvedDigits[d] = 1;
        }
        unsigned touchedGroups = GroupsOfCell.of[at];  // its solved digit changed
        unsigned touchedBands = 1u << (y / 3);
        for (int i : Peers.of[at]) {
            if (!(cell[i] & bit)) continue;
            if (!explaining) w->cells[i / 9][i % 9].SetCandidate(d, Clear);
            cell[i] &= ~bit;
            NoteCandidates(i);
            plane[d][i / 27] &= ~BandBit(i);
            const int* groups = GroupIndexOfCell.of[i];
            --count[groups[0]][d];
            --count[groups[1]][d];
            --count[groups[2]][d];
            touchedGroups |= GroupsOfCell.of[i];
            touchedBands |= 1u << (i / 27);
        }
        ForEachDigit(touchedBands, [&](int band) { Unsettle(d, band); });
        Drop(at, cell[at]);
        Unsettle(touchedGroups);
    }

    void Place(int x, int y, int d) {
        if (x < 0 || x > 8 || y < 0 || y > 8 || d < 0 || d > 8) return;
        w->SetEnteredAt(x, y, d, Set);
        Confirm(x, y, d);
    }

    void ClearCandidate(int index, int d) {
        if (!(cell[index] & (1u << d))) return;
        w->cells[index / 9][index % 9].SetCandidate(d, Clear);
        Drop(index, 1u << d);
    }
};

} // namespace sorvat
