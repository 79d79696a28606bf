#pragma once
#include "model/EntryList.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

namespace sorvat {

// The community's one-puzzle-per-line format: 81 characters, '1'..'9' for a
// given, '.' or '0' for a blank, row by row from the top-left cell. After the
// 81 characters a line may go on after a separator (blank, tab, ':', ',', ';',
// '|' or '#'), e.g. with a rating or a solution; that rest is ignored.
// Empty lines and lines starting with '#' or '/' are comments.
constexpr int PuzzleLineLength = 81;

// Longest line kept in memory; the rest of a longer line is only counted.
constexpr std::size_t MaxPuzzleLineBytes = 4096;

enum class LineKind { Comment, Puzzle, Bad };

struct LineVerdict {
    LineKind kind = LineKind::Comment;
    std::string puzzle;   // Puzzle: 81 characters, '1'..'9' or '.'
    std::string problem;  // Bad: what is wrong, for a message
};

// Judges one line without its line end (a trailing CR is ignored).
LineVerdict ParsePuzzleLine(std::string_view line);

// A character for a message: 'x' when printable, otherwise "byte 0x81".
std::string ShownCharacter(char c);

// The Lock entries of an 81-character puzzle, row by row ('1'..'9' only).
EntryList LocksFromPuzzle(std::string_view puzzle);

// The 81-character line of a list's Lock digits in effect ('.' elsewhere).
std::string PuzzleOfLocks(const EntryList& list);

struct PuzzleLineEvent {
    std::int64_t lineNumber = 0;  // 1-based
    LineKind kind = LineKind::Puzzle;  // Puzzle or Bad; comments are not reported
    std::string_view puzzle;      // Puzzle: the normalised 81 characters
    std::string_view problem;     // Bad: what is wrong
};

// Return false to stop reading.
using PuzzleLineHandler = std::function<bool(const PuzzleLineEvent&)>;

// Cuts a byte stream into lines in constant memory: feed it bytes in pieces
// of any size, then call Finish for a last line without LF. The handler gets
// each line without its LF, cut to its first MaxPuzzleLineBytes bytes, and
// returns false to stop.
class LineSplitter {
public:
    using LineHandler = std::function<bool(std::string_view line)>;

    // Both return false once the handler asked to stop.
    bool Feed(std::string_view bytes, const LineHandler& onLine);
    bool Finish(const LineHandler& onLine);

    std::int64_t Lines() const { return lineNumber; }

private:
    bool EndLine(const LineHandler& onLine);

    std::string line;
    std::size_t lineBytes = 0;  // bytes of the current line, kept or not
    std::int64_t lineNumber = 0;
    bool stopped = false;
};

// Cuts a byte stream into lines and judges them, in constant memory.
class PuzzleLineReader {
public:
    explicit PuzzleLineReader(PuzzleLineHandler handler);

    // Both return false once the handler asked to stop.
    bool Feed(std::string_view bytes);
    bool Finish();

    std::int64_t Lines() const { return lines.Lines(); }
    std::int64_t Puzzles() const { return puzzles; }
    std::int64_t BadLines() const { return badLines; }

private:
    bool Judge(std::string_view line);

    PuzzleLineHandler handler;
    LineSplitter lines;
    std::int64_t puzzles = 0;
    std::int64_t badLines = 0;
};

// Reads a whole open file (or standard input) through a PuzzleLineReader.
// Returns false when the handler stopped or a read error occurred
// (std::ferror tells which).
bool ReadPuzzleLines(std::FILE* file, const PuzzleLineHandler& handler);

} // namespace sorvat
