#pragma once
#include "Collections.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace sorvat::cli {

// What a worker found out about one puzzle.
struct PuzzleOutcome {
    std::string answer;     // 81 characters: solved digits, '.' where open
    int solvedCount = 0;
    bool deadCell = false;
    bool conflict = false;  // the same digit twice in a row, column or box
    int grade = -1;         // lowest solving level, -1 = unsolved (grade only)
    int solutions = 0;      // check: 0, 1 or 2 (two or more); answer and second hold them
    std::string second;
    double seconds = 0;     // time the worker spent on this puzzle
};

using PuzzleWork = std::function<void(const CollectionPuzzle&, PuzzleOutcome&)>;
// Called one at a time, in input order; index counts from 0.
using PuzzleEmit = std::function<void(std::uint64_t index, const CollectionPuzzle&, const PuzzleOutcome&)>;

// Reads the inputs on the calling thread and works on the puzzles in `jobs`
// threads (with one job, on the calling thread itself). At most `window`
// puzzles are in flight (read but not yet emitted), so memory does not grow
// with the collection.
// Returns the reader's problem count.
std::int64_t RunOrderedBatch(const std::vector<std::string>& inputs, int jobs, std::size_t window,
                             const PuzzleWork& work, const PuzzleEmit& emit,
                             const CollectionReader::ProblemHandler& onProblem,
                             const std::function<void(std::uint64_t bytesRead)>& onRead = {});

// Number of worker threads for a --jobs value (0 = one per core).
int JobCount(int requested);

} // namespace sorvat::cli
