#pragma once
#include "solver/Grid.h"

namespace sorvat::solver {

// Human techniques, for rating how hard a puzzle is: a propagation that may
// use only some of them tells whether they alone solve it.
enum LogicTechnique : unsigned {
    NakedSingles = 1,    // a cell with one candidate left
    HiddenSingles = 2,   // a digit with one place left in a row, column or box
    Pointing = 4,        // a digit confined to one line of a box leaves the rest of that line
    Claiming = 8,        // a digit confined to one box in a line leaves the rest of that box
    HiddenPairs = 16,    // two digits with the same two places in a group: the two cells keep only them
    PairedTriples = 32,  // three digits with two places each, three cells in all: the cells keep only them
};

// Whether the techniques, applied until nothing changes, solve the puzzle.
// A grid they fill is always a solution of the puzzle, and its only one.
bool SolvesWith(const Grid& puzzle, unsigned techniques);

} // namespace sorvat::solver
