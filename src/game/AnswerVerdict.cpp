#include "game/AnswerVerdict.h"

#include "game/AnswerBoard.h"

#include <memory>

namespace sorvat {

AnswerVerdict JudgeAnswer(const EntryList& moves, const CellBoard& board) {
    EntryList givens;
    // Boards are large fixed-size values; keep them off the stack.
    auto solution = std::make_unique<CellBoard>();
    BuildAnswerBoard(moves, givens, *solution);

    if (solution->solvedCount == 81)
        return solution->SameEnteredDigits(board) ? AnswerVerdict::Correct : AnswerVerdict::Wrong;

    // IsSolved may recount; ask a copy so the player's board stays untouched.
    auto copy = std::make_unique<CellBoard>();
    copy->CopyCellsFrom(board);
    return copy->IsSolved() ? AnswerVerdict::UnsolvedConsistent : AnswerVerdict::UnsolvedContradiction;
}

} // namespace sorvat
