// The rebuild of a board from its entry list: replay, pass loop, auto-confirm.
#include "model/CellBoard.h"
#include "model/WorkMasks.h"


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

namespace {

// What the auto-confirm repetition can take over from the previous round:
// the work board after the replay of the first `entries` entries. The
// repetition only appends Fix entries, and those entries were replayed
// without a trial step that changed anything, exactly as the next round will
// replay them.
struct ReplayCache {
    int entries = 0;
    bool atFixedPoint = false;
    CellBoard board;
};

} // namespace

int CellBoard::Analyze() {
    if (entries == nullptr) return -1;
    // No entry would copy the work board back: without this the board would
    // keep showing what it held before its list was emptied.
    if (entries->Position() == 0) ResetCells();
    ReplayCache cache;  // on the stack: the analysis takes no heap memory
    bool cached = false;
    for (;;) {
        CellBoard work;
        WorkMasks masks;
        workBoard = &work;
        workMasks_ = &masks;
        atFixedPoint_ = atFixedPointWithTrial_ = trialRemoved_ = false;
        work.entries = entries;
        work.techniqueMask = techniqueMask;
        work.repeatUntilStable = repeatUntilStable;
        work.autoConfirm = autoConfirm;
        work.level = level;
        work.messageSize = messageSize;
        work.messageBuffer = messageBuffer;
        work.foundMove = foundMove;
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
        int first = 0;
        if (cached && cache.entries > 0 && cache.entries <= lastPlaced) {
            work.CopyCellsFrom(cache.board);
            for (int i = 0; i < position; ++i) {
                Entry e = list.At(i);
                if (e.kind == Fix || e.kind == Lock) work.SetEnteredAt(e.x, e.y, e.digit, Set);
            }
            CopyStateFrom(work);
            atFixedPoint_ = cache.atFixedPoint;
            first = cache.entries;
        }
        int cachedEntries = first;  // entries replayed as the next round would
        bool cachedFixedPoint = atFixedPoint_;
        if (autoConfirm != 0 && messageBuffer == nullptr) cached = true;
        for (int i = first; i < position; ++i) {
            Entry e = list.At(i);
            const bool allowTrial = i > 14 && i == lastPlaced;
            if (allowTrial && cached) {
                cache.board.CopyCellsFrom(work);
                cachedEntries = i;
                cachedFixedPoint = atFixedPoint_;
            }
            ApplyEntry(e.x, e.y, e.digit, e.kind, allowTrial);
            if (stopFlag) break;
            if (work.stopFlag) {
                stopFlag = true;
                break;
            }
        }
        CopyStateFrom(work);

        if (autoConfirm == 0 || messageBuffer != nullptr) break;
        if (!trialRemoved_) {  // every entry was replayed as without a trial step
            cache.board.CopyCellsFrom(work);
            cachedEntries = position;
            cachedFixedPoint = atFixedPoint_;
        }
        cache.entries = cachedEntries;
        cache.atFixedPoint = cachedFixedPoint;

        const int countBefore = entries->Count();
        bool added = false;
        bool appendedOnly = true;
        // Cells named by an entry in effect: only there can Add find something.
        bool named[81] = {};
        for (int i = 0; i < entries->Position(); ++i) {
            const Entry e = entries->At(i);
            if (e.x >= 0 && e.x <= 8 && e.y >= 0 && e.y <= 8) named[e.y * 9 + e.x] = true;
        }
        auto add = [&](int x, int y, int d) {
            const int count = entries->Count();
            if (named[y * 9 + x])
                entries->Add(Entry(x, y, d, Fix));
            else
                entries->AddAtFreeCell(Entry(x, y, d, Fix));
            named[y * 9 + x] = true;
            added = true;
            if (entries->Count() != count + 1 || entries->Position() != count + 1) appendedOnly = false;
        };
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 9; ++x)
                for (int d = 0; d < 9; ++d) {
                    const SCell& cell = cells[y][x];
                    if ((cell.flags[d] & SolvedBit) && !(cell.flags[d] & EnteredBit)) add(x, y, d);
                }
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 9; ++x) {
                const SCell& cell = cells[y][x];
                if (cell.enteredDigit > 8 && cell.solvedDigit > 8 && cell.candidateCount == 1)
                    add(x, y, cell.LowestCandidate());
            }
        if (!appendedOnly || countBefore != position) cache.entries = 0;
        // The repetition is a fresh analysis of the grown list. A list without
        // new entries in effect would give the same result again: that ends it.
        if (repeatUntilStable == 0 || !added || entries->Position() <= position) break;
    }
    workBoard = nullptr;  // the work board lived only for this analysis
    workMasks_ = nullptr;
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
    case Fix: {
        // An entry for a cell the analysis already solved with its digit, on a
        // board where a pass changes nothing, would run one pass that again
        // changes nothing: the pass is skipped.
        const bool needsTrial = allowTrial && (techniqueMask & Trial);
        const bool skipPass = trialActive == 0 && messageSize == 0 && atFixedPoint_ &&
                              (!needsTrial || atFixedPointWithTrial_) && PlaceChangesNothing(w, x, y, d);
        if (workMasks_ != nullptr && workMasks_->valid && workMasks_->w == &w)
            workMasks_->Place(x, y, d);
        else
            w.Place(x, y, d);
        if (skipPass) break;
        // This board holds the state of the pass start only where something
        // reads it: the limits and the explanations.
        const bool snapshots = KeepsPassStart();
        bool stable = false;
        for (;;) {
            bool changed;
            if (snapshots) {
                CopyStateFrom(w);
                RunTechniques(w);
                if (needsTrial && Equals(w)) RunTrial(w);
                changed = !Equals(w);
            } else {
                changed = RunTechniques(w);
                if (needsTrial && !changed) changed = RunTrial(w);
            }
            if (!changed) {
                stable = true;
                break;
            }
            if (repeatUntilStable == 0 || stopFlag || w.stopFlag) break;
        }
        if (trialActive == 0) {
            atFixedPoint_ = stable;
            atFixedPointWithTrial_ = stable && needsTrial;
        }
        break;
    }
    default:
        break;
    }
}

bool CellBoard::PlaceChangesNothing(const CellBoard& w, int x, int y, int d) const {
    if (x < 0 || x > 8 || y < 0 || y > 8 || d < 0 || d > 8) return true;
    const SCell& cell = w.cells[y][x];
    if (cell.solvedDigit != d || cell.candidateCount != 0) return false;
    const int box = BoxIndex(x, y);
    if (!w.mcells[box].solvedDigits[d] || !w.tcells[x].solvedDigits[d] || !w.ycells[y].solvedDigits[d]) return false;
    const std::int32_t bit = CandidateBit;
    for (int i = 0; i < 9; ++i)
        if ((w.mcells[box].cells[i]->flags[d] | w.tcells[x].cells[i]->flags[d] | w.ycells[y].cells[i]->flags[d]) & bit)
            return false;
    return true;
}

} // namespace sorvat
