// The techniques of one analysis pass. They run on the analysed board M
// (this: settings and the group counts of the pass start) and change the
// cells of the work board W. During a pass the candidates of W are also kept
// as one bit mask per cell, so that scans over groups need no flag decoding.
#include "model/CellBoard.h"

namespace sorvat {

namespace {

bool PassesLimit(const CellGroup& group, int limit) {
    return limit <= 0 || group.SolvedCount() > limit;
}

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

// The candidate masks of W's cells, kept in step with every change the
// techniques make.
struct PassMasks {
    CellBoard& w;
    unsigned cell[81];

    explicit PassMasks(CellBoard& board) : w(board) {
        for (int i = 0; i < 81; ++i) cell[i] = w.cells[i / 9][i % 9].CandidateMask();
    }

    void Confirm(int x, int y, int d) {
        w.Confirm(x, y, d);
        const unsigned keep = ~(1u << d);
        for (int i : Groups.cells[BoxGroup + CellBoard::BoxIndex(x, y)]) cell[i] &= keep;
        for (int i : Groups.cells[ColumnGroup + x]) cell[i] &= keep;
        for (int i : Groups.cells[RowGroup + y]) cell[i] &= keep;
        cell[y * 9 + x] = 0;
    }

    void ClearCandidate(int index, int d) {
        if (!(cell[index] & (1u << d))) return;
        w.cells[index / 9][index % 9].SetCandidate(d, Clear);
        cell[index] &= ~(1u << d);
    }
};

// The masks of one group with per-digit counts kept as bit planes:
// atLeast[k] has bit d when digit d is a candidate in more than k cells.
struct GroupMasks {
    const int* index;
    unsigned cell[9];
    unsigned atLeast[4];

    GroupMasks(const PassMasks& pass, int group) : index(Groups.cells[group]) { Load(pass); }

    void Load(const PassMasks& pass) {
        for (int i = 0; i < 9; ++i) cell[i] = pass.cell[index[i]];
        atLeast[0] = atLeast[1] = atLeast[2] = atLeast[3] = 0;
        for (unsigned m : cell) {
            atLeast[3] |= atLeast[2] & m;
            atLeast[2] |= atLeast[1] & m;
            atLeast[1] |= atLeast[0] & m;
            atLeast[0] |= m;
        }
    }

    unsigned Exactly(int places) const { return atLeast[places - 1] & ~atLeast[places]; }

    int FirstWith(int d) const {
        for (int i = 0; i < 9; ++i)
            if (cell[i] & (1u << d)) return i;
        return -1;
    }
};

bool SomeCellSolved(const CellBoard& w, const int* index, int d) {
    for (int i = 0; i < 9; ++i)
        if (w.cells[index[i] / 9][index[i] % 9].solvedDigit == d) return true;
    return false;
}

// Hidden singles of one group: a digit not yet solved in the group with a
// single place is confirmed there. A confirmation changes the group, so its
// masks are loaded again before the next digit.
void HiddenSinglesIn(PassMasks& pass, const CellGroup& group, int groupIndex) {
    GroupMasks masks(pass, groupIndex);
    for (int d = 0; d < 9; ++d) {
        if (group.solvedDigits[d] || !(masks.Exactly(1) & (1u << d))) continue;
        if (SomeCellSolved(pass.w, masks.index, d)) continue;
        const int at = masks.index[masks.FirstWith(d)];
        pass.Confirm(at % 9, at / 9, d);
        masks.Load(pass);
    }
}

void BoxHiddenSingles(PassMasks& pass) {
    for (int b = 0; b < 9; ++b) HiddenSinglesIn(pass, pass.w.mcells[b], BoxGroup + b);
}

void ColumnHiddenSingles(PassMasks& pass, const CellBoard& m) {
    for (int x = 0; x < 9; ++x)
        if (PassesLimit(m.tcells[x], m.columnLimit)) HiddenSinglesIn(pass, pass.w.tcells[x], ColumnGroup + x);
}

void RowHiddenSingles(PassMasks& pass, const CellBoard& m) {
    for (int y = 0; y < 9; ++y)
        if (PassesLimit(m.ycells[y], m.rowLimit)) HiddenSinglesIn(pass, pass.w.ycells[y], RowGroup + y);
}

// Pointing: when a box holds candidate d in one of its columns (rows) only,
// d leaves the rest of that board column (row). The first cell holding d in
// that line of the box records that this was done, so it is done once.
void Pointing(PassMasks& pass, bool columns) {
    CellBoard& w = pass.w;
    const std::int32_t doneBit = columns ? ColumnPointDone : RowPointDone;
    for (int d = 0; d < 9; ++d)
        for (int b = 0; b < 9; ++b) {
            if (w.mcells[b].solvedDigits[d]) continue;
            const int* box = Groups.cells[BoxGroup + b];
            // The lines of the box holding d, in order.
            unsigned lines = 0;
            for (int l = 0; l < 3; ++l) {
                const unsigned m = columns ? pass.cell[box[l]] | pass.cell[box[3 + l]] | pass.cell[box[6 + l]]
                                           : pass.cell[box[l * 3]] | pass.cell[box[l * 3 + 1]] | pass.cell[box[l * 3 + 2]];
                lines |= ((m >> d) & 1u) << l;
            }
            if (lines == 0 || (lines & (lines - 1)) != 0) continue;
            const int line = __builtin_ctz(lines);
            int first = -1;
            for (int k = 0; k < 3 && first < 0; ++k) {
                const int i = box[columns ? k * 3 + line : line * 3 + k];
                if (pass.cell[i] & (1u << d)) first = i;
            }
            SCell& cell = w.cells[first / 9][first % 9];
            if (cell.flags[d] & doneBit) continue;
            cell.flags[d] |= doneBit;
            const int br = b / 3, bc = b % 3;
            if (columns) {
                const int x = bc * 3 + line;
                for (int y = 0; y < 9; ++y)
                    if (y / 3 != br) pass.ClearCandidate(y * 9 + x, d);
            } else {
                const int y = br * 3 + line;
                for (int x = 0; x < 9; ++x)
                    if (x / 3 != bc) pass.ClearCandidate(y * 9 + x, d);
            }
        }
}

// Claiming: when a column (row) holds candidate d in one box only, d leaves
// the other cells of that box.
void Claiming(PassMasks& pass, bool columns) {
    for (int d = 0; d < 9; ++d)
        for (int n = 0; n < 9; ++n) {
            const int* line = Groups.cells[(columns ? ColumnGroup : RowGroup) + n];
            int bands = 0, band = 0;
            for (int b = 0; b < 3; ++b)
                if ((pass.cell[line[b * 3]] | pass.cell[line[b * 3 + 1]] | pass.cell[line[b * 3 + 2]]) & (1u << d)) {
                    ++bands;
                    band = b;
                }
            if (bands != 1) continue;
            const int boxIndex = columns ? band * 3 + n / 3 : (n / 3) * 3 + band;
            const int* box = Groups.cells[BoxGroup + boxIndex];
            for (int i = 0; i < 9; ++i) {
                const bool inLine = columns ? i % 3 == n % 3 : i / 3 == n % 3;
                if (!inLine) pass.ClearCandidate(box[i], d);
            }
        }
}

template <typename F>
void ForEachPair(unsigned digits, F f) {
    ForEachDigit(digits, [&](int d1) { ForEachDigit(digits & ~((2u << d1) - 1), [&](int d2) { f(d1, d2); }); });
}

template <typename F>
void ForEachTriple(unsigned digits, F f) {
    ForEachPair(digits, [&](int d1, int d2) {
        ForEachDigit(digits & ~((2u << d2) - 1), [&](int d3) { f(d1, d2, d3); });
    });
}

// Positions in the group of the cells whose mask passes `holds`.
template <typename Holds>
int Holders(const GroupMasks& masks, Holds holds, int* out) {
    int count = 0;
    for (int i = 0; i < 9; ++i)
        if (holds(masks.cell[i])) out[count++] = i;
    return count;
}

// Leaves the holders of a hidden subset with only the digits of `subset`.
void KeepOnly(PassMasks& pass, GroupMasks& masks, const int* holders, int count, unsigned subset) {
    for (int h = 0; h < count; ++h) {
        const int at = masks.index[holders[h]];
        SCell& c = pass.w.cells[at / 9][at % 9];
        c.SetAllCandidates(Clear);
        ForEachDigit(subset, [&](int d) { c.SetCandidate(d, Toggle); });
        masks.cell[holders[h]] = pass.cell[at] = subset;
    }
}

// Hidden pair: two digits that are candidates in exactly two cells, the same
// two cells for both, leave those cells with only the two digits.
void HiddenPairIn(PassMasks& pass, int group) {
    GroupMasks masks(pass, group);
    ForEachPair(masks.Exactly(2), [&](int d1, int d2) {
        const unsigned pair = (1u << d1) | (1u << d2);
        int holders[9];
        const int count = Holders(masks, [pair](unsigned m) { return (m & pair) == pair; }, holders);
        if (count == 2) KeepOnly(pass, masks, holders, count, pair);
    });
}

// Hidden triple: three digits that are candidates in exactly three cells,
// all three in each of three cells, leave those cells with only the three.
void HiddenTripleIn(PassMasks& pass, int group) {
    GroupMasks masks(pass, group);
    ForEachTriple(masks.Exactly(3), [&](int d1, int d2, int d3) {
        const unsigned triple = (1u << d1) | (1u << d2) | (1u << d3);
        int holders[9];
        const int count = Holders(masks, [triple](unsigned m) { return (m & triple) == triple; }, holders);
        if (count == 3) KeepOnly(pass, masks, holders, count, triple);
    });
}

// Paired triple: three digits, each a candidate in exactly two cells, that
// together occupy only three cells; those cells keep only the three digits.
void PairedTripleIn(PassMasks& pass, int group) {
    GroupMasks masks(pass, group);
    ForEachTriple(masks.Exactly(2), [&](int d1, int d2, int d3) {
        const unsigned triple = (1u << d1) | (1u << d2) | (1u << d3);
        int holders[9];
        const int count = Holders(masks, [triple](unsigned m) { return (m & triple) != 0; }, holders);
        if (count != 3) return;
        for (int h = 0; h < 3; ++h) {
            const int at = masks.index[holders[h]];
            ForEachDigit(masks.cell[holders[h]] & ~triple, [&](int d) { pass.ClearCandidate(at, d); });
            masks.cell[holders[h]] &= triple;
        }
    });
}

} // namespace

bool CellBoard::PassesSingleLimit(int x, int y) const {
    const int limit = singleLimit;
    return PassesLimit(mcells[BoxIndex(x, y)], limit) && PassesLimit(tcells[x], limit) &&
           PassesLimit(ycells[y], limit);
}

void CellBoard::RunTechniques(CellBoard& w) {
    const std::int32_t mask = techniqueMask;
    PassMasks pass(w);
    // A group technique runs over the boxes, then the columns, then the rows,
    // with a reason scan after each group.
    auto overAllGroups = [&](void (*technique)(PassMasks&, int)) {
        for (int g = 0; g < 27; ++g) {
            technique(pass, g);
            ReasonScan(*this, w);
        }
    };

    if ((mask & BoxHiddenSingle) && !stopFlag) {
        BoxHiddenSingles(pass);
        ReasonScan(*this, w);
    }
    if ((mask & ColumnHiddenSingle) && !stopFlag) {
        ColumnHiddenSingles(pass, *this);
        ReasonScan(*this, w);
    }
    if ((mask & RowHiddenSingle) && !stopFlag) {
        RowHiddenSingles(pass, *this);
        ReasonScan(*this, w);
    }
    if ((mask & NakedSingle) && !stopFlag && trialActive == 0) {
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 9; ++x) {
                const SCell& cell = w.cells[y][x];
                if (cell.solvedDigit > 8 && cell.candidateCount == 1 && PassesSingleLimit(x, y))
                    pass.Confirm(x, y, cell.LowestCandidate());
            }
    }
    if ((mask & PointingColumn) && !stopFlag) {
        Pointing(pass, true);
        ReasonScan(*this, w);
    }
    if ((mask & PointingRow) && !stopFlag) {
        Pointing(pass, false);
        ReasonScan(*this, w);
    }
    if ((mask & ClaimingColumn) && !stopFlag) {
        Claiming(pass, true);
        ReasonScan(*this, w);
    }
    if ((mask & ClaimingRow) && !stopFlag) {
        Claiming(pass, false);
        ReasonScan(*this, w);
    }
    if ((mask & HiddenPair) && !stopFlag) overAllGroups(HiddenPairIn);
    if ((mask & HiddenTriple) && !stopFlag) overAllGroups(HiddenTripleIn);
    if ((mask & PairedTriple) && !stopFlag) overAllGroups(PairedTripleIn);
}

void CellBoard::RunTrial(CellBoard& w) {
    if (stopFlag) return;
    CellBoard p;
    CellBoard q;
    p.CopyStateFrom(*this);
    q.CopyStateFrom(w);

    int failX = -1, failY = -1, failDigit = -1;
    for (int y = 0; y < 9 && failDigit < 0; ++y)
        for (int x = 0; x < 9 && failDigit < 0; ++x) {
            if (q.cells[y][x].candidateCount != 2) continue;
            for (int d = 0; d < 9; ++d) {
                if (!(q.cells[y][x].flags[d] & CandidateBit)) continue;
                trialActive = 1;
                w.trialActive = 1;
                ApplyEntry(x, y, d, Fix, false);
                trialActive = 0;
                w.trialActive = 0;
                const bool failed = w.HasDeadCell();
                w.CopyStateFrom(q);
                if (failed) {
                    failX = x;
                    failY = y;
                    failDigit = d;
                    break;
                }
            }
        }
    w.CopyStateFrom(q);
    CopyStateFrom(p);
    if (failDigit >= 0) {
        trialRemoved_ = true;
        w.cells[failY][failX].SetCandidate(failDigit, Clear);
        ReasonScan(*this, w);
    }
}

} // namespace sorvat
