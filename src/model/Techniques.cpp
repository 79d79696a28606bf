// The techniques of one analysis pass. They run on the analysed board M
// (this: settings and the group counts of the pass start) and change the
// cells of the work board W.
#include "model/CellBoard.h"

namespace sorvat {

namespace {

bool PassesLimit(const CellGroup& group, int limit) {
    return limit <= 0 || group.SolvedCount() > limit;
}

void ConfirmCellOfGroup(CellBoard& w, const CellGroup& group, int index, int d) {
    const SCell* cell = group.cells[index];
    int offset = static_cast<int>(cell - &w.cells[0][0]);
    w.Confirm(offset % 9, offset / 9, d);
}

void BoxHiddenSingles(CellBoard& w) {
    for (int br = 0; br < 3; ++br)
        for (int bc = 0; bc < 3; ++bc) {
            MCell& box = w.mcells[br * 3 + bc];
            for (int d = 0; d < 9; ++d) {
                if (box.solvedDigits[d] || box.CandidatePlaces(d) != 1) continue;
                for (int i = 0; i < 9; ++i)
                    if (box.cells[i]->flags[d] & CandidateBit) {
                        w.Confirm(bc * 3 + i % 3, br * 3 + i / 3, d);
                        break;
                    }
            }
        }
}

void LineHiddenSingles(CellBoard& w, CellGroup* lines, const CellGroup* countLines, int limit) {
    for (int n = 0; n < 9; ++n) {
        if (!PassesLimit(countLines[n], limit)) continue;
        CellGroup& line = lines[n];
        for (int d = 0; d < 9; ++d) {
            if (line.solvedDigits[d] || line.CandidatePlaces(d) != 1) continue;
            for (int i = 0; i < 9; ++i)
                if (line.cells[i]->flags[d] & CandidateBit) {
                    ConfirmCellOfGroup(w, line, i, d);
                    break;
                }
        }
    }
}

void PointingColumns(CellBoard& w) {
    for (int d = 0; d < 9; ++d)
        for (int br = 0; br < 3; ++br)
            for (int bc = 0; bc < 3; ++bc) {
                int c = 9;
                SCell* cell = w.mcells[br * 3 + bc].ColumnOfDigit(d, c);
                if (c > 2 || (cell->flags[d] & ColumnPointDone)) continue;
                cell->flags[d] |= ColumnPointDone;
                int x = bc * 3 + c;
                for (int y = 0; y < 9; ++y)
                    if (y / 3 != br) w.cells[y][x].SetCandidate(d, Clear);
            }
}

void PointingRows(CellBoard& w) {
    for (int d = 0; d < 9; ++d)
        for (int br = 0; br < 3; ++br)
            for (int bc = 0; bc < 3; ++bc) {
                int r = 9;
                SCell* cell = w.mcells[br * 3 + bc].RowOfDigit(d, r);
                if (r > 2 || (cell->flags[d] & RowPointDone)) continue;
                cell->flags[d] |= RowPointDone;
                int y = br * 3 + r;
                for (int x = 0; x < 9; ++x)
                    if (x / 3 != bc) w.cells[y][x].SetCandidate(d, Clear);
            }
}

void ClaimingColumns(CellBoard& w) {
    for (int d = 0; d < 9; ++d)
        for (int x = 0; x < 9; ++x) {
            int bands = 0, band = 0;
            for (int b = 0; b < 3; ++b)
                for (int y = b * 3; y < b * 3 + 3; ++y)
                    if (w.cells[y][x].flags[d] & CandidateBit) {
                        ++bands;
                        band = b;
                        break;
                    }
            if (bands == 1) w.mcells[band * 3 + x / 3].EliminateOutsideColumn(x % 3, d);
        }
}

void ClaimingRows(CellBoard& w) {
    for (int d = 0; d < 9; ++d)
        for (int y = 0; y < 9; ++y) {
            int bands = 0, band = 0;
            for (int b = 0; b < 3; ++b)
                for (int x = b * 3; x < b * 3 + 3; ++x)
                    if (w.cells[y][x].flags[d] & CandidateBit) {
                        ++bands;
                        band = b;
                        break;
                    }
            if (bands == 1) w.mcells[(y / 3) * 3 + band].EliminateOutsideRow(y % 3, d);
        }
}

// Digits that are candidates in exactly `places` cells of the group.
int MarkDigits(const CellGroup& g, int places, int* marked) {
    int n = 0;
    for (int d = 0; d < 9; ++d) {
        int count = 0;
        for (auto* c : g.cells) count += (c->flags[d] & CandidateBit) ? 1 : 0;
        if (count == places) marked[n++] = d;
    }
    return n;
}

void HiddenPairIn(CellGroup& g) {
    int marked[9];
    int n = MarkDigits(g, 2, marked);
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j) {
            const int d1 = marked[i], d2 = marked[j];
            SCell* holders[9];
            int count = 0;
            for (auto* c : g.cells)
                if ((c->flags[d1] & CandidateBit) && (c->flags[d2] & CandidateBit)) holders[count++] = c;
            if (count != 2) continue;
            for (int k = 0; k < 2; ++k) {
                holders[k]->SetAllCandidates(Clear);
                holders[k]->SetCandidate(d1, Toggle);
                holders[k]->SetCandidate(d2, Toggle);
            }
        }
}

void HiddenTripleIn(CellGroup& g) {
    int marked[9];
    int n = MarkDigits(g, 3, marked);
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            for (int k = j + 1; k < n; ++k) {
                const int d1 = marked[i], d2 = marked[j], d3 = marked[k];
                SCell* holders[9];
                int count = 0;
                for (auto* c : g.cells)
                    if ((c->flags[d1] & CandidateBit) && (c->flags[d2] & CandidateBit) &&
                        (c->flags[d3] & CandidateBit))
                        holders[count++] = c;
                if (count != 3) continue;
                for (int h = 0; h < 3; ++h) {
                    holders[h]->SetAllCandidates(Clear);
                    holders[h]->SetCandidate(d1, Toggle);
                    holders[h]->SetCandidate(d2, Toggle);
                    holders[h]->SetCandidate(d3, Toggle);
                }
            }
}

void PairedTripleIn(CellGroup& g) {
    int marked[9];
    int n = MarkDigits(g, 2, marked);
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            for (int k = j + 1; k < n; ++k) {
                const int d1 = marked[i], d2 = marked[j], d3 = marked[k];
                SCell* holders[9];
                int count = 0;
                for (auto* c : g.cells)
                    if ((c->flags[d1] & CandidateBit) || (c->flags[d2] & CandidateBit) ||
                        (c->flags[d3] & CandidateBit))
                        holders[count++] = c;
                if (count != 3) continue;
                for (int h = 0; h < 3; ++h)
                    for (int d = 0; d < 9; ++d)
                        if (d != d1 && d != d2 && d != d3) holders[h]->SetCandidate(d, Clear);
            }
}

} // namespace

bool CellBoard::PassesSingleLimit(int x, int y) const {
    const int limit = singleLimit;
    return PassesLimit(mcells[BoxIndex(x, y)], limit) && PassesLimit(tcells[x], limit) &&
           PassesLimit(ycells[y], limit);
}

void CellBoard::RunTechniques(CellBoard& w) {
    const std::int32_t mask = techniqueMask;
    // Runs a group technique over the boxes, then the columns, then the rows,
    // with a reason scan after each group.
    auto overAllGroups = [&](void (*technique)(CellGroup&)) {
        for (auto& g : w.mcells) {
            technique(g);
            ReasonScan(*this, w);
        }
        for (auto& g : w.tcells) {
            technique(g);
            ReasonScan(*this, w);
        }
        for (auto& g : w.ycells) {
            technique(g);
            ReasonScan(*this, w);
        }
    };

    if ((mask & BoxHiddenSingle) && !stopFlag) {
        BoxHiddenSingles(w);
        ReasonScan(*this, w);
    }
    if ((mask & ColumnHiddenSingle) && !stopFlag) {
        LineHiddenSingles(w, w.tcells, tcells, columnLimit);
        ReasonScan(*this, w);
    }
    if ((mask & RowHiddenSingle) && !stopFlag) {
        LineHiddenSingles(w, w.ycells, ycells, rowLimit);
        ReasonScan(*this, w);
    }
    if ((mask & NakedSingle) && !stopFlag && trialActive == 0) {
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 9; ++x) {
                const SCell& cell = w.cells[y][x];
                if (cell.solvedDigit > 8 && cell.candidateCount == 1 && PassesSingleLimit(x, y))
                    w.Confirm(x, y, cell.LowestCandidate());
            }
    }
    if ((mask & PointingColumn) && !stopFlag) {
        PointingColumns(w);
        ReasonScan(*this, w);
    }
    if ((mask & PointingRow) && !stopFlag) {
        PointingRows(w);
        ReasonScan(*this, w);
    }
    if ((mask & ClaimingColumn) && !stopFlag) {
        ClaimingColumns(w);
        ReasonScan(*this, w);
    }
    if ((mask & ClaimingRow) && !stopFlag) {
        ClaimingRows(w);
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
        w.cells[failY][failX].SetCandidate(failDigit, Clear);
        ReasonScan(*this, w);
    }
}

} // namespace sorvat
