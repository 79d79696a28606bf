#include "commands/AnswerVerdict.h"

#include <memory>

namespace sorvat {

AnswerVerdict JudgeAnswer(const EntryList& moves, const CellBoard& board) {
    EntryList givens;
    for (int i = 0; i < moves.Position(); ++i) {
        const Entry entry = moves.At(i);
        if (entry.kind == Lock) givens.Add(entry);
    }
    // Boards are large fixed-size values; keep them off the stack.
    auto solution = std::make_unique<CellBoard>();
    solution->entries = &givens;
    solution->repeatUntilStable = 1;
    solution->autoConfirm = 1;
    solution->SetLevel(9);
    solution->Analyze();

    if (solution->solvedCount == 81)
        return solution->SameEnteredDigits(board) ? AnswerVerdict::Correct : AnswerVerdict::Wrong;

    // IsSolved may recount; ask a copy so the player's board stays untouched.
    auto copy = std::make_unique<CellBoard>();
    copy->CopyCellsFrom(board);
    return copy->IsSolved() ? AnswerVerdict::UnsolvedConsistent : AnswerVerdict::UnsolvedContradiction;
}

} // namespace sorvat
