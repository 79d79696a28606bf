#pragma once
#include "files/PuzzleLines.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvat {

// Puzzles as players copy them from web pages and forums (.txt, .sdk, .ss or
// a clipboard text), several to a text, in two forms:
// - puzzle lines, as ParsePuzzleLine reads them;
// - grids: nine rows of nine cells, '1'..'9' for a given and '.', '0', '_',
//   '*' or '-' for a blank, with blanks and '|' between cells as the layout
//   likes: "4.....8.5" (.sdk), "..3|.2.|6.." (.ss), "| 4 . . | . . . | 8 . 5 |".
// The text is read line by line (LF or CR LF), the first MaxPuzzleLineBytes
// of each line. Ignored wherever they stand: empty and blank lines, comments
// ('#' or '/' first, as for puzzle lines), headers in brackets ("[Puzzle]")
// and separator lines made only of '-', '+', '|', '=' and blanks (borders,
// "---+---+---"). A grid starts at a line of nine cells, or of cells with '|'
// among them, and takes the lines after it as its rows until it has nine; a
// blank line after its third or sixth row is ignored, while a blank line
// elsewhere, a comment, a header, a puzzle line or the end of the text ends
// it short. In a grid whose rows write blanks as '-', a separator line of
// exactly nine '-' and no '+' or '=' is a row of blanks.
//
// Every other part is refused and reading goes on: a line that is neither a
// puzzle line nor the start of a grid, and a grid with a row that is not nine
// cells, fewer than nine rows or no given at all (an empty board is no
// puzzle). A line of 81 blanks stays a puzzle line, as the collections have
// always read it; ReadPuzzleText refuses it.

struct PuzzleTextPart {
    std::int64_t lineNumber = 0;       // the part's first line, 1-based
    LineKind kind = LineKind::Puzzle;  // Puzzle or Bad
    bool grid = false;                 // a grid, not a puzzle line
    std::string_view puzzle;           // Puzzle: 81 characters, '1'..'9' or '.'
    std::string_view problem;          // Bad: what is wrong
};

// Return false to stop reading.
using PuzzleTextHandler = std::function<bool(const PuzzleTextPart&)>;

// Reads the parts of a text in constant memory: feed it bytes in pieces of any
// size, then call Finish for a last line without LF and a grid left open.
class PuzzleTextReader {
public:
    explicit PuzzleTextReader(PuzzleTextHandler handler);

    // Both return false once the handler asked to stop.
    bool Feed(std::string_view bytes);
    bool Finish();

    std::int64_t Lines() const { return lines.Lines(); }
    std::int64_t Puzzles() const { return puzzles; }
    std::int64_t BadParts() const { return badParts; }

private:
    bool Line(std::string_view line);
    bool Row(std::string_view line);
    bool EndGrid();
    bool Report(LineKind kind, bool grid, std::int64_t lineNumber, std::string_view text);

    PuzzleTextHandler handler;
    LineSplitter lines;
    std::int64_t puzzles = 0;
    std::int64_t badParts = 0;
    bool stopped = false;
    // The grid being read: rows so far (0: none), its first line, its cells,
    // the first problem of its rows, whether its rows write blanks as '-'.
    int rows = 0;
    std::int64_t gridLine = 0;
    std::string cells;
    std::string problem;
    bool dashBlanks = false;
};

// The most puzzles ReadPuzzleText keeps by default (about 13 MB of strings).
constexpr std::size_t MaxTextPuzzles = 100000;

// Why a text gave no puzzle, for a message in the reader's language.
enum class TextRefusal { None, Empty, NoParts, UnreadableParts };

struct PuzzleTextResult {
    std::vector<std::string> puzzles;  // in text order: 81 characters, '1'..'9' or '.', at least one given
    std::int64_t refusedParts = 0;     // lines and grids that hold no puzzle
    std::int64_t firstProblemLine = 0; // the first of them
    std::string firstProblem;          // e.g. "line 3: not a puzzle line: only 5 puzzle characters, expected 81"
    TextRefusal refusalKind = TextRefusal::None;
    std::string refusal;               // why there is no puzzle: empty exactly when there are puzzles
    bool cut = false;                  // maxPuzzles were read; the rest of the text was not
};

// The puzzles of a whole text (a file's bytes, a clipboard text), in time
// linear in its size and memory bounded by maxPuzzles.
PuzzleTextResult ReadPuzzleText(std::string_view bytes, std::size_t maxPuzzles = MaxTextPuzzles);

// The same from an open file, read in pieces from its current position. A
// read error ends the reading; std::ferror tells.
PuzzleTextResult ReadPuzzleText(std::FILE* file, std::size_t maxPuzzles = MaxTextPuzzles);

} // namespace sorvat
