#pragma once
#include "model/EntryList.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace sorvat::cli {

// One puzzle of a collection: where it came from and its Lock entries, in
// the order the answer board replays them.
struct CollectionPuzzle {
    std::string source;  // "file.txt:12", "-:3" or "dir/a.md2"
    EntryList locks;
};

enum class InputKind { Md1, Md2, Text };

// md2 by IsMd2Name, md1 by IsMd1Name; another extension means puzzle
// lines and grids (files/PuzzleText.h); a name without extension is text when
// its first part is a puzzle line or grid, md1 otherwise.
InputKind KindOfFile(const std::string& path);

// True when the first part of the file (not a comment) is a puzzle line or grid.
bool LooksLikePuzzleText(const std::string& path);

// Streams the puzzles of files, directories (their puzzle files in name
// order, not recursive) and "-" (standard input, lines and grids) in input
// order, one at a time. Lines, grids and inputs that hold no puzzle are
// reported through the problem handler as "WHERE: WHAT" and skipped.
class CollectionReader {
public:
    using PuzzleHandler = std::function<bool(CollectionPuzzle&&)>;  // false stops
    using ProblemHandler = std::function<void(const std::string&)>;

    CollectionReader(PuzzleHandler onPuzzle, ProblemHandler onProblem);

    // Returns false when the puzzle handler stopped the reading.
    bool Read(const std::vector<std::string>& inputs);

    std::int64_t Problems() const { return problems; }
    // Bytes of input consumed so far (readable from other threads).
    std::uint64_t BytesRead() const { return bytesRead.load(std::memory_order_relaxed); }

private:
    bool ReadInput(const std::string& input);
    bool ReadDirectory(const std::string& path);
    bool ReadPuzzleFile(const std::string& path);
    bool ReadText(std::FILE* file, const std::string& name);
    void Problem(const std::string& message);

    PuzzleHandler onPuzzle;
    ProblemHandler onProblem;
    std::int64_t problems = 0;
    std::atomic<std::uint64_t> bytesRead{0};
};

// The puzzle files a directory contributes, in name order.
std::vector<std::string> PuzzleFilesOf(const std::string& directory);

// Total bytes of the inputs, or 0 when unknown (standard input).
std::uint64_t InputBytes(const std::vector<std::string>& inputs);

} // namespace sorvat::cli
