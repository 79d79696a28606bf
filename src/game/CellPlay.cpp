#include "game/CellPlay.h"

#include "game/AnswerBoard.h"

namespace sorvat {

namespace {

constexpr int FullBoard = 81;

} // namespace

void TogglePossible(EntryList& moves, CellBoard& board, int x, int y, int d) {
    moves.Add(Entry(x, y, d, Possible));  // an equal mark is taken back instead
    board.SetPossibleAt(x, y, d, Toggle);
}

bool EnterFix(EntryList& moves, CellBoard& board, int x, int y, int d) {
    const SCell& cell = board.Cell(x, y);
    const int digit = cell.HasEntered() ? cell.enteredDigit : d;
    moves.Add(Entry(x, y, digit, Fix));
    board.Place(x, y, digit);
    board.Analyze();
    return board.enteredCount == FullBoard;
}

bool SwitchFixAndLock(EntryList& moves, CellBoard& board, EntryList& givens, CellBoard& answer,
                      int x, int y) {
    const SCell& cell = board.Cell(x, y);
    if (cell.HasEntered()) {
        const int digit = cell.enteredDigit;
        if (cell.IsLocked()) {
            moves.Add(Entry(x, y, digit, Lock));  // takes the Lock entry back
            moves.Add(Entry(x, y, digit, Fix));
        } else {
            moves.Add(Entry(x, y, digit, Lock));
        }
    }
    board.Analyze();
    RefreshAnswerBoard(moves, givens, answer);
    return board.enteredCount == FullBoard;
}

bool TakeBackFix(EntryList& moves, CellBoard& board, int x, int y) {
    const SCell& cell = board.Cell(x, y);
    if (!cell.HasEntered() || cell.IsLocked()) return false;
    return EnterFix(moves, board, x, y, cell.enteredDigit);
}

} // namespace sorvat
