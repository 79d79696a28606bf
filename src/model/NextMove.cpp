// The next-move search and its explanations.
#include "model/CellBoard.h"
#include "model/MoveMessages.h"

#include <cstdio>
#include <cstring>

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

// Box, column or row hidden single visible on B's cells, with its reason.
bool ScanBoxSingles(CellBoard& s, CellBoard& b) {
    char reason[512];
    for (int br = 0; br < 3; ++br)
        for (int bc = 0; bc < 3; ++bc)
            for (int d = 0; d < 9; ++d) {
                int found = 0, fx = 0, fy = 0;
                bool entered = false;
                for (int i = 0; i < 9 && found < 2; ++i) {
                    const int x = bc * 3 + i % 3, y = br * 3 + i / 3;
                    const SCell& cell = b.cells[y][x];
                    if (cell.enteredDigit == d) {
                        entered = true;
                        break;
                    }
                    if (cell.flags[d] & CandidateBit) {
                        if (found++ == 0) {
                            fx = x;
                            fy = y;
                        }
                    }
                }
                if (entered || found != 1) continue;
                std::snprintf(reason, sizeof reason, messages::BoxHiddenSingleReason,
                              messages::BoxNames[br * 3 + bc], d + 1, fx + 1, fy + 1);
                WriteMove(s, fx, fy, d, reason);
                return true;
            }
    return false;
}

bool ScanLineSingles(CellBoard& s, CellBoard& b, bool columns) {
    char reason[512];
    const int limit = columns ? s.columnLimit : s.rowLimit;
    for (int n = 0; n < 9; ++n) {
        if (!PassesLimit(columns ? static_cast<const CellGroup&>(s.tcells[n]) : s.ycells[n], limit)) continue;
        for (int d = 0; d < 9; ++d) {
            int found = 0, at = 0;
            bool entered = false;
            for (int i = 0; i < 9; ++i) {
                const SCell& cell = columns ? b.cells[i][n] : b.cells[n][i];
                if (cell.enteredDigit == d) {
                    entered = true;
                    break;
                }
                if (cell.flags[d] & CandidateBit) {
                    if (found++ == 0) at = i;
                }
            }
            if (entered || found != 1) continue;
            const int x = columns ? n : at, y = columns ? at : n;
            if (columns)
                std::snprintf(reason, sizeof reason, messages::ColumnHiddenSingleReason, x + 1, d + 1, x + 1, y + 1);
            else
                std::snprintf(reason, sizeof reason, messages::RowHiddenSingleReason, y + 1, d + 1, x + 1, y + 1);
            WriteMove(s, x, y, d, reason);
            return true;
        }
    }
    return false;
}

} // namespace

void ReasonScan(CellBoard& s, CellBoard& b) {
    if (!Explaining(b)) return;

    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const SCell& cell = b.cells[y][x];
            for (int d = 0; d < 9; ++d)
                if (cell.solvedDigit == d && cell.enteredDigit != d) {
                    WriteMove(b, x, y, d, nullptr);
                    return;
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
            WriteMove(b, x, y, d, reason);
            return;
        }

    if ((s.techniqueMask & BoxHiddenSingle) && ScanBoxSingles(s, b)) return;
    if ((s.techniqueMask & ColumnHiddenSingle) && ScanLineSingles(s, b, true)) return;
    if ((s.techniqueMask & RowHiddenSingle) && ScanLineSingles(s, b, false)) return;
}

void WriteMove(CellBoard& t, int x, int y, int d, const char* reason) {
    if (t.messageSize == 0 || t.stopFlag) return;
    if (t.workBoard != nullptr && t.workBoard->stopFlag) return;
    t.stopFlag = true;
    std::memset(t.messageBuffer, 0, static_cast<std::size_t>(t.messageSize));

    char work[WorkAreaSize] = {};
    if (reason != nullptr)
        std::snprintf(work, sizeof work, messages::MoveWithReasonText, t.level, x + 1, y + 1, d + 1, reason);
    else
        std::snprintf(work, sizeof work, messages::MoveText, t.level, x + 1, y + 1, d + 1);
    const int length = t.messageSize > 1000 ? 998 : t.messageSize - 2;
    if (length > 0) std::memcpy(t.messageBuffer, work, static_cast<std::size_t>(length));
}

int CellBoard::NextMove(char* buffer, int size) {
    if (buffer == nullptr || size < 2) return 0;
    messageSize = size - 1;
    messageBuffer = buffer;
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
    columnLimit = rowLimit = singleLimit = 0;
    repeatUntilStable = savedRepeat;
    SetLevel(savedLevel);
    Analyze();
    return static_cast<int>(strnlen(buffer, static_cast<std::size_t>(size)));
}

} // namespace sorvat
