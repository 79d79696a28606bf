#include "PuzzleSolving.h"

#include "game/AnswerBoard.h"
#include "game/AnswerDigits.h"

#include <utility>

namespace sorvat::cli {

namespace {

void Take(AnswerResult&& result, PuzzleOutcome& outcome) {
    outcome.answer = std::move(result.digits);
    outcome.solvedCount = result.solvedCount;
    outcome.deadCell = result.deadCell;
    outcome.conflict = result.conflict;
}

} // namespace

void AnalyzeLocks(const EntryList& locks, int level, PuzzleOutcome& outcome) {
    Take(AnalyzedDigits(locks, level), outcome);
}

void AnswerLocks(const EntryList& locks, PuzzleOutcome& outcome) { Take(AnswerDigits(locks), outcome); }

bool IsSolvedOutcome(const PuzzleOutcome& outcome) {
    return outcome.solvedCount == 81 && !outcome.deadCell && !outcome.conflict;
}

void GradeLocks(const EntryList& locks, PuzzleOutcome& outcome) {
    outcome.grade = GradeOfGivens(locks);
}

const char* StatusOf(const PuzzleOutcome& outcome) {
    if (outcome.deadCell || outcome.conflict) return "contradiction";
    return IsSolvedOutcome(outcome) ? "solved" : "unsolved";
}

} // namespace sorvat::cli
