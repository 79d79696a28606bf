// The rebuild of a board from its entry list: replay, pass loop, auto-confirm.
#include "model/CellBoard.h"

namespace sorvat {

namespace {
constexpr std::int32_t LevelSingles = BoxHiddenSingle | ColumnHiddenSingle | RowHiddenSingle;
constexpr std::int32_t LevelMasks[10] = {
    0,
    LevelSingles,
    LevelSingles | NakedSingle,
    LevelSingles | NakedSingle | PointingColumn | PointingRow,
    LevelSingles | NakedSingle | PointingColumn | PointingRow | ClaimingColumn | ClaimingRow,
    LevelSingles | NakedSingle | PointingColumn | PointingRow | ClaimingColumn | ClaimingRow |
        HiddenPair | HiddenTriple,
    LevelSingles | NakedSingle | PointingColumn | PointingRow | ClaimingColumn | ClaimingRow |
        HiddenPair | HiddenTriple | PairedTriple,
    LevelSingles | NakedSingle | PointingColumn | PointingRow | ClaimingColumn | ClaimingRow |
        HiddenPair | HiddenTriple | PairedTriple,
    LevelSingles | NakedSingle | PointingColumn | PointingRow | ClaimingColumn | ClaimingRow |
        HiddenPair | HiddenTriple | PairedTriple | Trial,
    LevelSingles | NakedSingle | PointingColumn | PointingRow | ClaimingColumn | ClaimingRow |
        HiddenPair | HiddenTriple | PairedTriple | Trial,
};

// Lets the analysis of one list run: the index of the last Fix or Lock entry
// in effect (trial is only allowed after it).
int LastPlacedIndex(const EntryList& list) {
    int last = -1;
    for (int i = 0; i < list.Position(); ++i) {
        int kind = list.At(i).kind;
        if (kind == Fix || kind == Lock) last = i;
    }
    return last;
}
} // namespace

std::int32_t TechniqueMaskOfLevel(int level) {
    if (level < 0 || level > 9) return 0;
    return LevelMasks[level];
}

void CellBoard::SetLevel(int n) {
    if (n < 0 || n > 9) return;
    level = n;
    techniqueMask = LevelMasks[n];
}

int CellBoard::Analyze() {
    if (entries == nullptr) return -1;
    for (;;) {
        CellBoard work;
        workBoard = &work;
        work.entries = entries;
        work.techniqueMask = techniqueMask;
        work.repeatUntilStable = repeatUntilStable;
        work.autoConfirm = autoConfirm;
        work.level = level;
        work.messageSize = messageSize;
        work.messageBuffer = messageBuffer;
        work.stopFlag = stopFlag;
        work.columnLimit = columnLimit;
        work.rowLimit = rowLimit;
        work.singleLimit = singleLimit;

        const EntryList& list = *entries;
        const int position = list.Position();
        for (int i = 0; i < position; ++i) {
            Entry e = list.At(i);
            if (e.kind == Fix || e.kind == Lock) {
                SetEnteredAt(e.x, e.y, e.digit, Set);
                work.SetEnteredAt(e.x, e.y, e.digit, Set);
            }
        }
        const int lastPlaced = LastPlacedIndex(list);
        for (int i = 0; i < position; ++i) {
            Entry e = list.At(i);
            ApplyEntry(e.x, e.y, e.digit, e.kind, i > 14 && i == lastPlaced);
            if (stopFlag) break;
            if (work.stopFlag) {
                stopFlag = true;
                break;
            }
        }

        if (autoConfirm == 0 || messageBuffer != nullptr) break;
        const int countBefore = entries->Count();
        bool added = false;
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 9; ++x)
                for (int d = 0; d < 9; ++d) {
                    const SCell& cell = cells[y][x];
                    if ((cell.flags[d] & SolvedBit) && !(cell.flags[d] & EnteredBit)) {
                        entries->Add(Entry(x, y, d, Fix));
                        added = true;
                    }
                }
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 9; ++x) {
                const SCell& cell = cells[y][x];
                if (cell.enteredDigit > 8 && cell.solvedDigit > 8 && cell.candidateCount == 1) {
                    entries->Add(Entry(x, y, cell.LowestCandidate(), Fix));
                    added = true;
                }
            }
        // The repetition is a fresh analysis of the grown list. A list that did
        // not change would give the same result again, so it ends the loop.
        if (repeatUntilStable == 0 || !added || entries->Count() == countBefore) break;
    }
    workBoard = nullptr;  // the work board lived only for this analysis
    Recount();
    return 0;
}

void CellBoard::ApplyEntry(int x, int y, int d, int kind, bool allowTrial) {
    CellBoard& w = *workBoard;
    switch (kind) {
    case Possible:
        w.SetPossibleAt(x, y, d, Toggle);
        break;
    case Lock:
        if (x >= 0 && x <= 8 && y >= 0 && y <= 8) w.cells[y][x].SetLockMark(d, Toggle);
        [[fallthrough]];
    case Fix:
        w.Place(x, y, d);
        for (;;) {
            CopyStateFrom(w);
            RunTechniques(w);
            if (allowTrial && (techniqueMask & Trial) && Equals(w)) RunTrial(w);
            if (Equals(w)) break;
            if (repeatUntilStable == 0 || stopFlag || w.stopFlag) break;
        }
        break;
    default:
        break;
    }
    CopyStateFrom(w);
}

} // namespace sorvat
