#pragma once
#include "model/CellBoard.h"
#include "model/EntryList.h"

namespace sorvat {

enum class AnswerVerdict {
    Correct,                // solved from the givens, the player's digits agree
    Wrong,                  // solved from the givens, some digit differs
    UnsolvedConsistent,     // the givens are not solved, the player's board is valid
    UnsolvedContradiction,  // the givens are not solved, the player's board is not valid
};

// Solves the puzzle anew from the Lock entries of `moves` before its undo
// point (level 9, repetition and auto-confirm on) and compares the result
// with the player's board. Neither argument is changed.
AnswerVerdict JudgeAnswer(const EntryList& moves, const CellBoard& board);

// True for the verdicts that offer to mark the file and load the next one.
inline bool OffersNextProblem(AnswerVerdict v) {
    return v == AnswerVerdict::Correct || v == AnswerVerdict::UnsolvedConsistent;
}

} // namespace sorvat
