#include "PuzzleSolving.h"

#include "model/CellBoard.h"

#include <memory>

namespace sorvat::cli {

void AnalyzeLocks(const EntryList& locks, int level, PuzzleOutcome& outcome) {
    EntryList list(locks);  // auto-confirm adds Fix entries to the list it analyses
    // A board is several kilobytes and the analysis keeps more on the stack.
    auto board = std::make_unique<CellBoard>();
    board->entries = &list;
    board->SetLevel(level);
    board->repeatUntilStable = 1;
    board->autoConfirm = 1;
    board->Analyze();
    outcome.answer.assign(81, '.');
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const int d = board->cells[y][x].solvedDigit;
            if (d >= 0 && d < 9) outcome.answer[static_cast<std::size_t>(y * 9 + x)] = static_cast<char>('1' + d);
        }
    outcome.solvedCount = board->solvedCount;
    outcome.deadCell = board->HasDeadCell();
    outcome.conflict = HasConflict(outcome.answer);
}

bool HasConflict(const std::string& answer) {
    // Bit d of seen[g] marks digit d in group g: rows 0..8, columns 9..17, boxes 18..26.
    int seen[27] = {};
    for (int i = 0; i < 81 && i < static_cast<int>(answer.size()); ++i) {
        const char c = answer[static_cast<std::size_t>(i)];
        if (c < '1' || c > '9') continue;
        const int bit = 1 << (c - '1');
        const int x = i % 9, y = i / 9;
        for (int g : {y, 9 + x, 18 + (y / 3) * 3 + x / 3}) {
            if (seen[g] & bit) return true;
            seen[g] |= bit;
        }
    }
    return false;
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
