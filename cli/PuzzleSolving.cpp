#include "PuzzleSolving.h"

#include "game/AnswerBoard.h"
#include "model/CellBoard.h"

#include <memory>

namespace sorvat::cli {

void AnalyzeLocks(const EntryList& locks, int level, PuzzleOutcome& outcome) {
    EntryList list(locks);  // auto-confirm adds Fix entries to the list it analyses
    // A board is several kilobytes and the analysis keeps more on the stack.
    auto board = std::make_unique<CellBoard>();
    AnalyzeGivens(list, *board, level);
    outcome.answer = SolvedDigits(*board);
    outcome.solvedCount = board->solvedCount;
    outcome.deadCell = board->HasDeadCell();
    outcome.conflict = HasConflict(outcome.answer);
}

bool IsSolvedOutcome(const PuzzleOutcome& outcome) {
    return outcome.solvedCount == 81 && !outcome.deadCell && !outcome.conflict;
}

void GradeLocks(const EntryList& locks, PuzzleOutcome& outcome) {
    // Levels 7 and 9 run the same techniques as 6 and 8; they only change
    // the level number in explanations, so they never solve more.
    for (int level : {0, 1, 2, 3, 4, 5, 6, 8}) {
        AnalyzeLocks(locks, level, outcome);
        if (IsSolvedOutcome(outcome)) {
            outcome.grade = level;
            return;
        }
    }
    outcome.grade = -1;
}

const char* StatusOf(const PuzzleOutcome& outcome) {
    if (outcome.deadCell || outcome.conflict) return "contradiction";
    return IsSolvedOutcome(outcome) ? "solved" : "unsolved";
}

} // namespace sorvat::cli
