// The next-move search and its explanations.
#include "model/CellBoard.h"
#include "model/MoveMessages.h"

#include <cstdio>
#include <cstring>
#include <utility>

namespace sorvat {

namespace {

constexpr int WorkAreaSize = 1012;

struct Stage {
    int repeat;  // -1: keep the value of the previous stage
    int limit;
    int topLevel;
};

constexpr Stage Schedule[9] = {
    {0, 8, 2}, {0, 7, 2}, {1, 6, 2}, {0, 6, 3}, {1, 3, 3},
    {-1, 3, 5}, {1, 6, 7}, {1, 4, 7}, {1, 0, 8},
};

bool PassesLimit(const CellGroup& group, int limit) {
    return limit <= 0 || group.SolvedCount() > limit;
}

bool Explaining(const CellBoard& b) {
    return b.messageSize != 0 && !b.stopFlag && b.trialActive == 0;
}

// Per-digit bit masks (bit d = digit d) of the cells of B.
struct CellMasks {
    unsigned candidates[9][9];  // [y][x]
    unsigned entered[9][9];

    explicit CellMasks(const CellBoard& b) {
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 9; ++x) {
                const SCell& cell = b.cells[y][x];
                unsigned m = 0;
                for (int d = 0; d < 9; ++d)
                    if (cell.flags[d] & CandidateBit) m |= 1u << d;
                candidates[y][x] = m;
                entered[y][x] = cell.enteredDigit < 9 ? 1u << cell.enteredDigit : 0;
            }
    }
};

int LowestBit(unsigned m) { return __builtin_ctz(m); }

// The digits that are a candidate in exactly one of the nine cells (given as
// coordinates) and entered in none of them. A hidden single scan looks at the
// cells in order and skips a digit at an entered cell or at a second
// candidate; both end the same way for the digit.
template <typename CellAt>
unsigned SingleDigits(const CellMasks& masks, CellAt cellAt) {
    unsigned once = 0, twice = 0, entered = 0;
    for (int i = 0; i < 9; ++i) {
        auto [x, y] = cellAt(i);
        const unsigned m = masks.candidates[y][x];
        twice |= once & m;
        once |= m;
        entered |= masks.entered[y][x];
    }
    return once & ~twice & ~entered;
}

template <typename CellAt>
int CellOfDigit(const CellMasks& masks, CellAt cellAt, int d) {
    for (int i = 0; i < 9; ++i) {
        auto [x, y] = cellAt(i);
        if (masks.candidates[y][x] & (1u << d)) return i;
    }
    return 0;
}

bool ScanBoxSingles(CellBoard& s, const CellMasks& masks) {
    for (int box = 0; box < 9; ++box) {
        const int bx = (box % 3) * 3, by = (box / 3) * 3;
        auto cellAt = [bx, by](int i) { return std::pair<int, int>(bx + i % 3, by + i / 3); };
        const unsigned digits = SingleDigits(masks, cellAt);
        if (digits == 0) continue;
        const int d = LowestBit(digits);
        const auto [x, y] = cellAt(CellOfDigit(masks, cellAt, d));
        char reason[512];
        std::snprintf(reason, sizeof reason, messages::BoxHiddenSingleReason, messages::BoxNames[box], d + 1, x + 1,
                      y + 1);
        WriteMove(s, x, y, d, reason, MoveReason::BoxHiddenSingle);
        return true;
    }
    return false;
}

bool ScanLineSingles(CellBoard& s, const CellMasks& masks, bool columns) {
    const int limit = columns ? s.columnLimit : s.rowLimit;
    for (int n = 0; n < 9; ++n) {
        if (!PassesLimit(columns ? static_cast<const CellGroup&>(s.tcells[n]) : s.ycells[n], limit)) continue;
        auto cellAt = [n, columns](int i) {
            return columns ? std::pair<int, int>(n, i) : std::pair<int, int>(i, n);
        };
        const unsigned digits = SingleDigits(masks, cellAt);
        if (digits == 0) continue;
        const int d = LowestBit(digits);
        const auto [x, y] = cellAt(CellOfDigit(masks, cellAt, d));
        char reason[512];
        if (columns)
            std::snprintf(reason, sizeof reason, messages::ColumnHiddenSingleReason, x + 1, d + 1, x + 1, y + 1);
        else
            std::snprintf(reason, sizeof reason, messages::RowHiddenSingleReason, y + 1, d + 1, x + 1, y + 1);
        WriteMove(s, x, y, d, reason, columns ? MoveReason::ColumnHiddenSingle : MoveReason::RowHiddenSingle);
        return true;
    }
    return false;
}

} // namespace

namespace {

// One reason scan; true when it found a move (and tried to write it).
bool ScanForReason(CellBoard& s, CellBoard& b) {
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const SCell& cell = b.cells[y][x];
            if (cell.solvedDigit < 9 && cell.solvedDigit != cell.enteredDigit) {
                WriteMove(b, x, y, cell.solvedDigit, nullptr, MoveReason::Analysis);
                return true;
            }
        }

    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const SCell& cell = b.cells[y][x];
            if (cell.enteredDigit < 9 || cell.solvedDigit < 9 || cell.candidateCount != 1) continue;
            const int limit = s.singleLimit;
            if (!(PassesLimit(s.mcells[CellBoard::BoxIndex(x, y)], limit) && PassesLimit(s.tcells[x], limit) &&
                  PassesLimit(s.ycells[y], limit)))
                continue;
            const int d = cell.LowestCandidate();
            char reason[512];
            std::snprintf(reason, sizeof reason, messages::NakedSingleReason, d + 1, x + 1, y + 1);
            WriteMove(b, x, y, d, reason, MoveReason::NakedSingle);
            return true;
        }

    const std::int32_t singles = s.techniqueMask & (BoxHiddenSingle | ColumnHiddenSingle | RowHiddenSingle);
    if (singles == 0) return false;
    const CellMasks masks(b);
    if ((singles & BoxHiddenSingle) && ScanBoxSingles(s, masks)) return true;
    if ((singles & ColumnHiddenSingle) && ScanLineSingles(s, masks, true)) return true;
    if ((singles & RowHiddenSingle) && ScanLineSingles(s, masks, false)) return true;
    return false;
}

// What a scan of B with the settings of S depends on: S's single techniques,
// its limits and, when limited, the solved digits of its groups; B's cells.
bool Limited(const CellBoard& s) { return s.columnLimit > 0 || s.rowLimit > 0 || s.singleLimit > 0; }

std::int32_t SingleTechniques(const CellBoard& s) {
    return s.techniqueMask & (BoxHiddenSingle | ColumnHiddenSingle | RowHiddenSingle);
}

template <typename F>
void ForEachGroup(const CellBoard& s, F f) {
    for (int i = 0; i < 9; ++i) {
        f(i, s.mcells[i]);
        f(9 + i, s.tcells[i]);
        f(18 + i, s.ycells[i]);
    }
}

bool MemoMatches(const CellBoard& s, const CellBoard& b) {
    const CellBoard::ReasonScanMemo& memo = b.reasonScanMemo;
    if (!memo.valid || memo.techniques != SingleTechniques(s) || memo.limits[0] != s.columnLimit ||
        memo.limits[1] != s.rowLimit || memo.limits[2] != s.singleLimit)
        return false;
    if (Limited(s)) {
        bool same = true;
        ForEachGroup(s, [&](int i, const CellGroup& g) {
            same = same && std::memcmp(memo.groupDigits[i], g.solvedDigits, 9) == 0;
        });
        if (!same) return false;
    }
    return std::memcmp(memo.cells, b.cells, sizeof memo.cells) == 0;
}

void RememberNothingFound(const CellBoard& s, CellBoard& b) {
    CellBoard::ReasonScanMemo& memo = b.reasonScanMemo;
    memo.valid = true;
    memo.techniques = SingleTechniques(s);
    memo.limits[0] = s.columnLimit;
    memo.limits[1] = s.rowLimit;
    memo.limits[2] = s.singleLimit;
    if (Limited(s)) ForEachGroup(s, [&](int i, const CellGroup& g) { std::memcpy(memo.groupDigits[i], g.solvedDigits, 9); });
    std::memcpy(memo.cells, b.cells, sizeof memo.cells);
}

} // namespace

void ReasonScan(CellBoard& s, CellBoard& b) {
    if (!Explaining(b) || MemoMatches(s, b)) return;
    if (!ScanForReason(s, b)) RememberNothingFound(s, b);
}

void WriteMove(CellBoard& t, int x, int y, int d, const char* reason, MoveReason why) {
    if (t.messageSize == 0 || t.stopFlag) return;
    if (t.workBoard != nullptr && t.workBoard->stopFlag) return;
    t.stopFlag = true;
    if (t.foundMove != nullptr) *t.foundMove = FoundMove{why, x, y, d};
    std::memset(t.messageBuffer, 0, static_cast<std::size_t>(t.messageSize));

    char work[WorkAreaSize] = {};
    if (reason != nullptr)
        std::snprintf(work, sizeof work, messages::MoveWithReasonText, t.level, x + 1, y + 1, d + 1, reason);
    else
        std::snprintf(work, sizeof work, messages::MoveText, t.level, x + 1, y + 1, d + 1);
    const int length = t.messageSize > 1000 ? 998 : t.messageSize - 2;
    if (length > 0) std::memcpy(t.messageBuffer, work, static_cast<std::size_t>(length));
}

int CellBoard::NextMove(char* buffer, int size, FoundMove* found) {
    if (found != nullptr) *found = FoundMove{};
    if (buffer == nullptr || size < 2) return 0;
    messageSize = size - 1;
    messageBuffer = buffer;
    foundMove = found;
    stopFlag = false;
    const int savedLevel = level;
    const int savedRepeat = repeatUntilStable;

    for (const Stage& stage : Schedule) {
        if (stage.repeat >= 0) repeatUntilStable = stage.repeat;
        columnLimit = rowLimit = singleLimit = stage.limit;
        for (int n = 0; n <= stage.topLevel; ++n) {
            if (n == 7) continue;
            SetLevel(n);
            Analyze();
            if (stopFlag) break;
        }
        if (stopFlag) break;
    }

    if (!stopFlag) {
        std::memset(buffer, 0, static_cast<std::size_t>(messageSize));
        std::size_t length = sizeof messages::NoMoveText;  // with its terminating zero
        if (messageSize < 100 && length > static_cast<std::size_t>(messageSize - 2))
            length = messageSize > 2 ? static_cast<std::size_t>(messageSize - 2) : 0;
        std::memcpy(buffer, messages::NoMoveText, length);
    }

    stopFlag = false;
    messageSize = 0;
    messageBuffer = nullptr;
    foundMove = nullptr;
    columnLimit = rowLimit = singleLimit = 0;
    repeatUntilStable = savedRepeat;
    SetLevel(savedLevel);
    Analyze();
    return static_cast<int>(strnlen(buffer, static_cast<std::size_t>(size)));
}

} // namespace sorvat
