#pragma once
#include "model/CellGroup.h"
#include "model/EntryList.h"
#include "model/SCell.h"
#include <cstdint>

namespace sorvat {

struct WorkMasks;

// Technique bits of CellBoard::techniqueMask, in the order one pass runs them.
enum Technique : std::int32_t {
    BoxHiddenSingle = 0x8000,
    ColumnHiddenSingle = 0x10000,
    RowHiddenSingle = 0x20000,
    NakedSingle = 0x40000,
    PointingColumn = 0x80000,
    PointingRow = 0x100000,
    ClaimingColumn = 0x200000,
    ClaimingRow = 0x400000,
    HiddenPair = 0x800000,
    HiddenTriple = 0x1000000,
    PairedTriple = 0x2000000,
    Trial = 0x4000000,
};

// techniqueMask of each analysis level 0..9.
std::int32_t TechniqueMaskOfLevel(int level);

// What a next-move search found: the cell and digit its explanation names,
// and why the digit goes there (None: no move was found).
enum class MoveReason : std::int32_t {
    None,
    Analysis,            // the analysis determines the digit
    NakedSingle,
    BoxHiddenSingle,
    ColumnHiddenSingle,
    RowHiddenSingle,
};
struct FoundMove {
    MoveReason reason = MoveReason::None;
    std::int32_t x = -1;
    std::int32_t y = -1;
    std::int32_t digit = -1;
};

// Buffer size the view passes to NextMove.
constexpr int NextMoveBufferSize = 1005;

// The state of one puzzle: 81 cells, 27 groups, counters and the settings
// and scratch state of the analysis. A fixed-size value without heap memory;
// group references always point into the board's own cells, so copies go
// through CopyCellsFrom / CopyStateFrom.
class CellBoard {
public:
    CellBoard();
    CellBoard(const CellBoard&) = delete;
    CellBoard& operator=(const CellBoard&) = delete;

    // Board model.
    void Init();
    void ResetCells();
    void CopyCellsFrom(const CellBoard& other);
    void CopyStateFrom(const CellBoard& other);
    bool Equals(const CellBoard& other) const;
    bool SameEnteredDigits(const CellBoard& other) const;
    void SetPossibleAt(int x, int y, int d, int op);
    void SetEnteredAt(int x, int y, int d, int op);
    int Place(int x, int y, int d);
    int Confirm(int x, int y, int d);
    void Recount();
    bool IsSolved();
    bool HasDeadCell() const;

    // Analysis.
    void SetLevel(int n);
    int Analyze();
    // Replays one entry on the work board; Analyze brings this board up to it.
    void ApplyEntry(int x, int y, int d, int kind, bool allowTrial);

    // Next move.
    // Writes the explanation of the next move into `buffer` and returns its
    // length; `found` (when given) receives the move itself.
    int NextMove(char* buffer, int size, FoundMove* found = nullptr);

    SCell& Cell(int x, int y) { return cells[y][x]; }
    const SCell& Cell(int x, int y) const { return cells[y][x]; }
    static int BoxIndex(int x, int y) { return (y / 3) * 3 + (x / 3); }

    SCell cells[9][9];
    MCell mcells[9];
    YCell ycells[9];
    TCell tcells[9];
    std::int32_t enteredByDigit[9];
    std::int32_t enteredCount;
    std::int32_t solvedByDigit[9];
    std::int32_t solvedCount;
    EntryList* entries = nullptr;
    std::int32_t techniqueMask = 0;
    std::int32_t repeatUntilStable = 0;
    std::int32_t autoConfirm = 0;
    std::int32_t trialActive = 0;
    CellBoard* workBoard = nullptr;
    std::int32_t columnLimit = 0;
    std::int32_t rowLimit = 0;
    std::int32_t singleLimit = 0;
    std::int32_t level = 0;
    bool stopFlag = false;
    std::int32_t messageSize = 0;
    char* messageBuffer = nullptr;
    FoundMove* foundMove = nullptr;  // where the explained move is recorded

    // The position of this board's last reason scan that found nothing; a scan
    // of the same position with the same settings finds nothing again.
    struct ReasonScanMemo {
        bool valid = false;
        std::int32_t techniques;
        std::int32_t limits[3];
        unsigned char groupDigits[27][9];  // solvedDigits of S's groups, when limited
        std::int32_t cells[81 * 13];
    };
    ReasonScanMemo reasonScanMemo;

private:
    void WireGroups();
    bool PlaceChangesNothing(const CellBoard& w, int x, int y, int d) const;
    bool PassesSingleLimit(int x, int y) const;
    // Both return whether they changed W.
    bool RunTechniques(CellBoard& w);
    bool RunTrial(CellBoard& w);
    int FindFailingTry(CellBoard& w, int& failX, int& failY);
    // Whether something reads this board's copy of the pass start: the
    // limits and the explanations do.
    bool KeepsPassStart() const { return messageSize != 0 || columnLimit > 0 || rowLimit > 0 || singleLimit > 0; }

    // Whether the work board is at a point where a pass of the techniques
    // (with the trial step, for the second flag) changes nothing. Lets an
    // entry that changes no cell skip its pass.
    WorkMasks* workMasks_ = nullptr;  // the work board's candidate masks during Analyze
    bool atFixedPoint_ = false;
    bool atFixedPointWithTrial_ = false;
    bool trialRemoved_ = false;  // a trial step removed a candidate in this replay
};

// Explanations of the next-move search (no effect while messageSize is 0).
void ReasonScan(CellBoard& s, CellBoard& b);
void WriteMove(CellBoard& t, int x, int y, int d, const char* reason, MoveReason why);

} // namespace sorvat
