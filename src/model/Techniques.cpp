// The techniques of one analysis pass. They run on the analysed board M
// (this: settings and the group counts of the pass start) and change the
// cells of the work board W, reading and changing W's candidates through its
// masks (WorkMasks), which also tell where a technique has nothing to find.
#include "model/WorkMasks.h"

#include <cstdint>

namespace sorvat {

namespace {

bool PassesLimit(const CellGroup& group, int limit) {
    return limit <= 0 || group.SolvedCount() > limit;
}

// The cell masks of one group, which the subset techniques narrow as they go.
struct GroupMasks {
    const int* index;
    unsigned cell[9];

    GroupMasks(const WorkMasks& pass, int group) : index(Groups.cells[group]) {
        for (int i = 0; i < 9; ++i) cell[i] = pass.cell[index[i]];
    }
};

bool SomeCellSolved(const CellBoard& w, const int* index, int d) {
    for (int i = 0; i < 9; ++i)
        if (w.cells[index[i] / 9][index[i] % 9].solvedDigit == d) return true;
    return false;
}

// Hidden singles of one group: a digit not yet solved in the group with a
// single place is confirmed there. A confirmation changes the group, so the
// digits after it are taken from the changed counts.
void HiddenSinglesIn(WorkMasks& pass, const CellGroup& group, int groupIndex) {
    const unsigned changes = pass.changes;
    const int* index = Groups.cells[groupIndex];
    unsigned todo = pass.DigitsWithCount(groupIndex, 1);
    while (todo) {
        const int d = __builtin_ctz(todo);
        todo &= todo - 1;
        if (group.solvedDigits[d] || SomeCellSolved(*pass.w, index, d)) continue;
        const int at = index[pass.FirstWith(groupIndex, d)];
        pass.Confirm(at % 9, at / 9, d);
        todo = pass.DigitsWithCount(groupIndex, 1) & ~((2u << d) - 1);
    }
    if (pass.changes == changes) pass.settledGroups[WorkMasks::HiddenSingles] |= 1u << groupIndex;
}

void BoxHiddenSingles(WorkMasks& pass) {
    WorkMasks::ForEachUnsettled(pass.settledGroups[WorkMasks::HiddenSingles], BoxGroup, BoxGroup + 9,
                                [&](int g) { HiddenSinglesIn(pass, pass.w->mcells[g - BoxGroup], g); });
}

void ColumnHiddenSingles(WorkMasks& pass, const CellBoard& m) {
    WorkMasks::ForEachUnsettled(pass.settledGroups[WorkMasks::HiddenSingles], ColumnGroup, ColumnGroup + 9, [&](int g) {
        const int x = g - ColumnGroup;
        if (PassesLimit(m.tcells[x], m.columnLimit)) HiddenSinglesIn(pass, pass.w->tcells[x], g);
    });
}

void RowHiddenSingles(WorkMasks& pass, const CellBoard& m) {
    WorkMasks::ForEachUnsettled(pass.settledGroups[WorkMasks::HiddenSingles], RowGroup, RowGroup + 9, [&](int g) {
        const int y = g - RowGroup;
        if (PassesLimit(m.ycells[y], m.rowLimit)) HiddenSinglesIn(pass, pass.w->ycells[y], g);
    });
}

// Where exactly one of the three words a, b, c has a bit.
constexpr std::uint32_t ExactlyOne(std::uint32_t a, std::uint32_t b, std::uint32_t c) {
    return (a ^ b ^ c) & ~(a & b & c);
}

// Bits 0, 3 and 6 of v moved to bits 0, 1 and 2.
constexpr unsigned ThirdBits(std::uint32_t v) { return (v | v >> 2 | v >> 4) & 7u; }

// The columns (bits 0..8) of a band plane that hold a bit.
constexpr std::uint32_t ColumnsOf(std::uint32_t band) { return (band | band >> 9 | band >> 18) & 0x1FF; }

// Bit s * 3 + r * 9 set when row r of the band holds a bit in stack s.
constexpr std::uint32_t StacksOf(std::uint32_t band) { return (band | band >> 1 | band >> 2) & 0x1249249; }

// The boxes (bits 0..2) of a band plane whose bits lie in one column (row) of the box.
unsigned BoxesOnOneLine(std::uint32_t band, bool columns) {
    if (columns) {
        const std::uint32_t c = ColumnsOf(band);
        return ThirdBits(ExactlyOne(c & 0x49, (c >> 1) & 0x49, (c >> 2) & 0x49));
    }
    const std::uint32_t t = StacksOf(band);
    return ThirdBits(ExactlyOne(t & 0x49, (t >> 9) & 0x49, (t >> 18) & 0x49));
}

// Pointing: when a box holds candidate d in one of its columns (rows) only,
// d leaves the rest of that board column (row). The first cell holding d in
// that line of the box records that this was done, so it is done once.
// Boxes are taken in order; a change is seen by the boxes after it.
void Pointing(WorkMasks& pass, bool columns) {
    CellBoard& w = *pass.w;
    const std::int32_t doneBit = columns ? ColumnPointDone : RowPointDone;
    WorkMasks::ForEachUnsettled(pass.settledPointing[columns], 0, 27, [&](int k) {
            const int d = k / 3, br = k % 3;
            const unsigned changes = pass.changes;
            unsigned todo = BoxesOnOneLine(pass.plane[d][br], columns);
            while (todo) {
                const int bc = __builtin_ctz(todo);
                todo &= todo - 1;
                if (w.mcells[br * 3 + bc].solvedDigits[d]) continue;
                // Cell (column c, row r) of the box is bit r * 9 + c.
                const std::uint32_t box = (pass.plane[d][br] >> (bc * 3)) & BoxInBand;
                const int line = columns ? __builtin_ctz(ColumnsOf(box)) : __builtin_ctz(box) / 9;
                const int first = columns ? __builtin_ctz(box) / 9 : __builtin_ctz(box) % 9;
                SCell& cell = w.cells[br * 3 + (columns ? first : line)][bc * 3 + (columns ? line : first)];
                if (cell.flags[d] & doneBit) continue;
                cell.flags[d] |= doneBit;
                ++pass.changes;
                if (columns) {
                    const int x = bc * 3 + line;
                    for (int y = 0; y < 9; ++y)
                        if (y / 3 != br) pass.ClearCandidate(y * 9 + x, d);
                } else {
                    const int y = br * 3 + line;
                    for (int x = 0; x < 9; ++x)
                        if (x / 3 != bc) pass.ClearCandidate(y * 9 + x, d);
                }
                todo = BoxesOnOneLine(pass.plane[d][br], columns) & ~((2u << bc) - 1);
            }
            if (pass.changes == changes) pass.settledPointing[columns] |= 1u << k;
    });
}

// The columns (bits 0..8) whose candidates d lie in one band only.
std::uint32_t ColumnsInOneBand(const std::uint32_t* plane) {
    return ExactlyOne(ColumnsOf(plane[0]), ColumnsOf(plane[1]), ColumnsOf(plane[2]));
}

// The rows of a band (bits 0, 9, 18) whose bits lie in one stack only.
std::uint32_t RowsInOneStack(std::uint32_t band) {
    const std::uint32_t t = StacksOf(band);
    return ExactlyOne(t & 0x40201, (t >> 3) & 0x40201, (t >> 6) & 0x40201);
}

// Claiming: when a column (row) holds candidate d in one box only, d leaves
// the other cells of that box. Lines are taken in order; a change is seen by
// the lines after it.
void Claiming(WorkMasks& pass, bool columns) {
    auto claim = [&](int d, int n, int boxIndex) {
        const int* box = Groups.cells[BoxGroup + boxIndex];
        for (int i = 0; i < 9; ++i) {
            const bool inLine = columns ? i % 3 == n % 3 : i / 3 == n % 3;
            if (!inLine) pass.ClearCandidate(box[i], d);
        }
    };
    for (int d = 0; d < 9; ++d) {
        if (pass.settledClaiming[columns] & (1u << d)) continue;
        const unsigned changes = pass.changes;
        const std::uint32_t* plane = pass.plane[d];
        if (columns) {
            std::uint32_t todo = ColumnsInOneBand(plane);
            while (todo) {
                const int n = __builtin_ctz(todo);
                const int band = (ColumnsOf(plane[0]) >> n) & 1 ? 0 : (ColumnsOf(plane[1]) >> n) & 1 ? 1 : 2;
                const std::uint32_t box = (plane[band] >> ((n / 3) * 3)) & BoxInBand;
                if ((box & ~(ColumnInBand << (n % 3))) == 0) {  // nothing to take out
                    todo &= todo - 1;
                    continue;
                }
                claim(d, n, band * 3 + n / 3);
                todo = ColumnsInOneBand(plane) & ~((2u << n) - 1);
            }
        } else {
            for (int br = 0; br < 3; ++br) {
                std::uint32_t todo = RowsInOneStack(plane[br]);
                while (todo) {
                    const int r = __builtin_ctz(todo) / 9;
                    const std::uint32_t row = (plane[br] >> (r * 9)) & 0x1FF;
                    const int stack = __builtin_ctz(row) / 3;
                    const std::uint32_t box = (plane[br] >> (stack * 3)) & BoxInBand;
                    if ((box & ~(7u << (r * 9))) == 0) {  // nothing to take out
                        todo &= todo - 1;
                        continue;
                    }
                    claim(d, br * 3 + r, br * 3 + stack);
                    todo = RowsInOneStack(plane[br]) & ~((2u << (r * 9)) - 1);
                }
            }
        }
        if (pass.changes == changes) pass.settledClaiming[columns] |= 1u << d;
    }
}

// Whether `digits` has at least `n` bits set.
bool HasBits(unsigned digits, int n) {
    for (int i = 1; i < n && digits; ++i) digits &= digits - 1;
    return digits != 0;
}

// Calls f with each subset of `Size` digits of `digits` as a mask, in the
// order of its lowest digit, then its next, and so on.
template <int Size, typename F>
void ForEachSubset(unsigned digits, F& f, unsigned chosen = 0) {
    if constexpr (Size == 0) {
        f(chosen);
    } else {
        ForEachDigit(digits, [&](int d) { ForEachSubset<Size - 1>(digits & ~((2u << d) - 1), f, chosen | (1u << d)); });
    }
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
void KeepOnly(WorkMasks& pass, GroupMasks& masks, const int* holders, int count, unsigned subset) {
    for (int h = 0; h < count; ++h) {
        const int at = masks.index[holders[h]];
        SCell& c = pass.w->cells[at / 9][at % 9];
        c.SetAllCandidates(Clear);
        ForEachDigit(subset, [&](int d) { c.SetCandidate(d, Toggle); });
        pass.Drop(at, ~subset);
        masks.cell[holders[h]] = subset;
    }
}

// Hidden pair (Size 2) and hidden triple (Size 3): `Size` digits that are
// candidates in exactly `Size` cells, all of them in each of those cells,
// leave those cells with only these digits.
template <int Size>
void HiddenSubsetIn(WorkMasks& pass, int group) {
    const unsigned digits = pass.DigitsWithCount(group, Size);
    if (!HasBits(digits, Size)) return;
    GroupMasks masks(pass, group);
    auto keepSubset = [&](unsigned subset) {
        int holders[9];
        const int count = Holders(masks, [subset](unsigned m) { return (m & subset) == subset; }, holders);
        if (count == Size) KeepOnly(pass, masks, holders, count, subset);
    };
    ForEachSubset<Size>(digits, keepSubset);
}

// Paired triple: three digits, each a candidate in exactly two cells, that
// together occupy only three cells; those cells keep only the three digits.
void PairedTripleIn(WorkMasks& pass, int group) {
    const unsigned twice = pass.DigitsWithCount(group, 2);
    if (!HasBits(twice, 3)) return;
    GroupMasks masks(pass, group);
    auto keepTriple = [&](unsigned triple) {
        int holders[9];
        const int count = Holders(masks, [triple](unsigned m) { return (m & triple) != 0; }, holders);
        if (count != 3) return;
        for (int h = 0; h < 3; ++h) {
            const int at = masks.index[holders[h]];
            ForEachDigit(masks.cell[holders[h]] & ~triple, [&](int d) { pass.ClearCandidate(at, d); });
            masks.cell[holders[h]] &= triple;
        }
    };
    ForEachSubset<3>(twice, keepTriple);
}

} // namespace

bool CellBoard::PassesSingleLimit(int x, int y) const {
    const int limit = singleLimit;
    return PassesLimit(mcells[BoxIndex(x, y)], limit) && PassesLimit(tcells[x], limit) &&
           PassesLimit(ycells[y], limit);
}

bool CellBoard::RunTechniques(CellBoard& w) {
    const std::int32_t mask = techniqueMask;
    WorkMasks unshared;
    WorkMasks& pass = workMasks_ != nullptr ? *workMasks_ : unshared;
    if (!pass.valid || pass.w != &w) pass.Load(w);
    const unsigned changesBefore = pass.changes;
    // A group technique runs over the boxes, then the columns, then the rows,
    // with a reason scan after each group.
    // Only an explaining board has anything to scan for.
    const bool explaining = w.messageSize != 0;
    auto overAllGroups = [&](auto technique, WorkMasks::GroupTechnique settling) {
        auto inGroup = [&](int g) {
            const unsigned changes = pass.changes;
            technique(pass, g);
            if (pass.changes == changes) pass.settledGroups[settling] |= 1u << g;
        };
        if (!explaining) {
            WorkMasks::ForEachUnsettled(pass.settledGroups[settling], 0, 27, inGroup);
            return;
        }
        for (int g = 0; g < 27; ++g) {
            if (!pass.Settled(settling, g)) inGroup(g);
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
        // The cells in board order; only those with one candidate can qualify.
        for (int i = pass.NextSingle(0); i < 81; i = pass.NextSingle(i + 1)) {
            const int x = i % 9, y = i / 9;
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
    if ((mask & HiddenPair) && !stopFlag) overAllGroups([](WorkMasks& p, int g) { HiddenSubsetIn<2>(p, g); }, WorkMasks::Pairs);
    if ((mask & HiddenTriple) && !stopFlag) overAllGroups([](WorkMasks& p, int g) { HiddenSubsetIn<3>(p, g); }, WorkMasks::Triples);
    if ((mask & PairedTriple) && !stopFlag) overAllGroups([](WorkMasks& p, int g) { PairedTripleIn(p, g); }, WorkMasks::PairedTriples);
    return pass.changes != changesBefore;
}

// The first digit of a two-candidate cell (in board order) whose placement
// leaves a dead cell after a replay without trial, or -1. W is put back.
int CellBoard::FindFailingTry(CellBoard& w, int& failX, int& failY) {
    bool anyTwoCandidateCell = false;
    for (const auto& row : w.cells)
        for (const SCell& cell : row) anyTwoCandidateCell = anyTwoCandidateCell || cell.candidateCount == 2;
    if (!anyTwoCandidateCell) return -1;
    CellBoard q;
    q.CopyStateFrom(w);
    // Each try replays from the board before the tries, with masks of its own.
    WorkMasks* const masks = workMasks_;
    WorkMasks tryMasks;
    workMasks_ = &tryMasks;
    int failDigit = -1;
    for (int y = 0; y < 9 && failDigit < 0; ++y)
        for (int x = 0; x < 9 && failDigit < 0; ++x) {
            if (q.cells[y][x].candidateCount != 2) continue;
            for (int d = 0; d < 9; ++d) {
                if (!(q.cells[y][x].flags[d] & CandidateBit)) continue;
                trialActive = 1;
                w.trialActive = 1;
                if (masks != nullptr && masks->valid && masks->w == &w)
                    tryMasks = *masks;  // W is as the outer masks stand for
                else
                    tryMasks.valid = false;
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
    workMasks_ = masks;
    return failDigit;
}

bool CellBoard::RunTrial(CellBoard& w) {
    if (stopFlag) return false;
    int failX = -1, failY = -1, failDigit;
    if (KeepsPassStart()) {
        CellBoard p;
        p.CopyStateFrom(*this);
        failDigit = FindFailingTry(w, failX, failY);
        CopyStateFrom(p);
    } else {
        failDigit = FindFailingTry(w, failX, failY);
    }
    if (failDigit < 0) return false;
    trialRemoved_ = true;
    WorkMasks* const masks = workMasks_;
    if (masks != nullptr && masks->valid && masks->w == &w)
        masks->ClearCandidate(failY * 9 + failX, failDigit);
    else
        w.cells[failY][failX].SetCandidate(failDigit, Clear);
    ReasonScan(*this, w);
    return true;
}

} // namespace sorvat
