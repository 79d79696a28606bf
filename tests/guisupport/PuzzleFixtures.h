#pragma once
#include "model/CellBoard.h"
#include "model/EntryList.h"

#include <string>
#include <string_view>

namespace sorvat::test {

// An easy puzzle (0 = empty) and its only solution, row by row.
inline constexpr std::string_view EasyPuzzle =
    "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
inline constexpr std::string_view EasySolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

inline int DigitAt(std::string_view grid, int x, int y) { return grid[y * 9 + x] - '1'; }

// Adds an entry of `kind` for every non-empty cell of `grid`.
inline void AddGrid(EntryList& list, std::string_view grid, int kind) {
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x)
            if (grid[y * 9 + x] != '0') list.Add(Entry(x, y, DigitAt(grid, x, y), kind));
}

// The givens of `grid` as Lock entries.
inline EntryList Givens(std::string_view grid = EasyPuzzle) {
    EntryList list;
    AddGrid(list, grid, Lock);
    return list;
}

// Adds Fix entries for the cells of `solution` that `puzzle` leaves empty.
inline void AddAnswers(EntryList& list, std::string_view puzzle, std::string_view solution) {
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x)
            if (puzzle[y * 9 + x] == '0') list.Add(Entry(x, y, DigitAt(solution, x, y), Fix));
}

// The easy solution with the answers of cells (2,0) and (3,0) swapped.
inline std::string SwappedSolution() {
    std::string wrong(EasySolution);
    std::swap(wrong[2], wrong[3]);
    return wrong;
}

// Rebuilds `board` from `list` at level 0 without repetition (the entered
// digits only).
inline void BuildBoard(CellBoard& board, EntryList& list) {
    board.entries = &list;
    board.SetLevel(0);
    board.Analyze();
}

} // namespace sorvat::test
