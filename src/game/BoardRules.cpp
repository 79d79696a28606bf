#include "game/BoardRules.h"

#include "game/AnswerBoard.h"

namespace sorvat {

namespace {

bool IsLocked(const SCell& cell) { return cell.Has(cell.enteredDigit, LockBit); }

template <typename F>
void ForEachCell(const CellBoard& board, F f) {
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) f(x, y, board.Cell(x, y));
}

} // namespace

void LockAll(const CellBoard& board, EntryList& moves) {
    ForEachCell(board, [&](int x, int y, const SCell& cell) {
        if (cell.HasEntered() && !IsLocked(cell)) moves.Add(Entry(x, y, cell.enteredDigit, Lock));
    });
}

void CopyAnalysisToSelf(const CellBoard& board, EntryList& moves) {
    EntryList rebuilt;
    ForEachCell(board, [&](int x, int y, const SCell& cell) {
        if (cell.HasEntered() && IsLocked(cell)) rebuilt.Add(Entry(x, y, cell.enteredDigit, Lock));
    });
    ForEachCell(board, [&](int x, int y, const SCell& cell) {
        if (cell.HasEntered() && !IsLocked(cell)) rebuilt.Add(Entry(x, y, cell.enteredDigit, Fix));
    });
    ForEachCell(board, [&](int x, int y, const SCell& cell) {
        if (cell.HasSolved()) {
            if (!cell.HasEntered()) rebuilt.Add(Entry(x, y, cell.solvedDigit, Possible));
            return;
        }
        for (int d = 0; d < 9; ++d)
            if (cell.Has(d, CandidateBit)) rebuilt.Add(Entry(x, y, d, Possible));
    });
    moves.Clear();
    moves.AssignFrom(rebuilt);
}

EraseOutcome EraseWrongFix(EntryList& moves, const CellBoard& board, EntryList& givens, CellBoard& answer) {
    givens.CopyLocksFrom(moves);
    if (givens.Position() < MinimumGivens) return {EraseOutcome::TooFewLocks};
    answer.Analyze();
    if (answer.solvedCount != 81) return {EraseOutcome::Undetermined};
    // Contradictory givens can leave every cell solved with a digit twice in
    // a group; erasing against such an answer would erase right digits.
    if (answer.HasDeadCell() || HasConflict(SolvedDigits(answer))) return {EraseOutcome::Inconsistent};

    int count = 0;
    ForEachCell(board, [&](int x, int y, const SCell& cell) {
        const int entered = cell.enteredDigit;
        if (entered < 0 || entered > 8 || IsLocked(cell)) return;
        if (entered == answer.Cell(x, y).solvedDigit) return;
        ++count;
        moves.Add(Entry(x, y, entered, Fix));  // the equal entry goes out
    });
    return {count != 0 ? EraseOutcome::Erased : EraseOutcome::NoneWrong, count};
}

} // namespace sorvat
