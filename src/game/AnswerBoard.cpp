#include "game/AnswerBoard.h"

#include <memory>

namespace sorvat {

void ConfigureAnswerBoard(CellBoard& board) {
    board.repeatUntilStable = 1;
    board.autoConfirm = 1;
    board.SetLevel(9);
}

void BuildAnswerBoard(const EntryList& moves, EntryList& givens, CellBoard& board) {
    givens.CopyLocksFrom(moves);
    AnalyzeGivens(givens, board, 9);
}

void RefreshAnswerBoard(const EntryList& moves, EntryList& givens, CellBoard& board) {
    givens.CopyLocksFrom(moves);
    board.Analyze();
}

void AnalyzeGivens(EntryList& givens, CellBoard& board, int level) {
    board.entries = &givens;
    ConfigureAnswerBoard(board);
    board.SetLevel(level);
    board.Analyze();
}

std::string SolvedDigits(const CellBoard& board) {
    std::string digits(81, '.');
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const int d = board.cells[y][x].solvedDigit;
            if (d >= 0 && d < 9) digits[static_cast<std::size_t>(y * 9 + x)] = static_cast<char>('1' + d);
        }
    return digits;
}

bool HasConflict(const std::string& digits) {
    // Bit d of seen[g] marks digit d in group g: rows 0..8, columns 9..17, boxes 18..26.
    int seen[27] = {};
    for (int i = 0; i < 81 && i < static_cast<int>(digits.size()); ++i) {
        const char c = digits[static_cast<std::size_t>(i)];
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

bool IsSolvedBoard(const CellBoard& board) {
    return board.solvedCount == 81 && !board.HasDeadCell() && !HasConflict(SolvedDigits(board));
}

int GradeOfGivens(const EntryList& givens) {
    // A board is several kilobytes and the analysis keeps more on the stack.
    auto board = std::make_unique<CellBoard>();
    for (int level : {0, 1, 2, 3, 4, 5, 6, 8}) {
        EntryList list(givens);  // auto-confirm appends to the list it analyses
        AnalyzeGivens(list, *board, level);
        if (IsSolvedBoard(*board)) return level;
    }
    return -1;
}

} // namespace sorvat
