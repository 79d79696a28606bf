#include "game/AnswerDigits.h"

#include "game/AnswerBoard.h"
#include "model/CellBoard.h"
#include "solver/Solver.h"

#include <memory>

namespace sorvat {

std::optional<solver::Grid> GridOfGivens(const EntryList& givens) {
    solver::Grid grid{};
    for (int i = 0; i < givens.Position(); ++i) {
        const Entry e = givens.At(i);
        if (e.kind != Lock && e.kind != Fix) return std::nullopt;
        if (e.x < 0 || e.x > 8 || e.y < 0 || e.y > 8 || e.digit < 0 || e.digit > 8) return std::nullopt;
        auto& cell = grid[static_cast<std::size_t>(e.y * 9 + e.x)];
        if (cell != 0) return std::nullopt;
        cell = static_cast<std::uint8_t>(e.digit + 1);
    }
    return grid;
}

AnswerResult AnalyzedDigits(const EntryList& givens, int level) {
    EntryList list(givens);  // auto-confirm adds Fix entries to the list it analyses
    // A board is several kilobytes and the analysis keeps more on the stack.
    auto board = std::make_unique<CellBoard>();
    AnalyzeGivens(list, *board, level);
    AnswerResult result;
    result.digits = SolvedDigits(*board);
    result.solvedCount = board->solvedCount;
    result.deadCell = board->HasDeadCell();
    result.conflict = HasConflict(result.digits);
    return result;
}

AnswerResult AnswerDigits(const EntryList& givens) {
    if (const auto grid = GridOfGivens(givens))
        if (const auto solution = solver::SolveWithoutGuessing(*grid))
            return AnswerResult{solver::TextOfGrid(*solution), 81, false, false};
    return AnalyzedDigits(givens, 9);
}

} // namespace sorvat
