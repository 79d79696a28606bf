#include "files/PuzzleText.h"

#include <algorithm>
#include <array>
#include <utility>

namespace sorvat {

namespace {

constexpr int GridSize = 9;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsCell(char c) { return (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '*' || c == '-'; }

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool IsHeader(std::string_view line) {
    line = Trimmed(line);
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

// Only '-', '+', '|', '=' and blanks (a line of blanks is a comment already).
bool IsSeparatorLine(std::string_view line) {
    return std::all_of(line.begin(), line.end(),
                       [](char c) { return IsBlank(c) || c == '-' || c == '+' || c == '|' || c == '='; });
}

// A separator line that is a row of blanks in a grid writing blanks as '-'.
bool IsDashRow(std::string_view line) {
    return std::count(line.begin(), line.end(), '-') == GridSize && line.find_first_of("+=") == line.npos;
}

struct RowScan {
    std::array<char, GridSize> cells{};  // the first nine, '1'..'9' or '.'
    int count = 0;
    bool bar = false;                          // a '|' among the cells
    bool dash = false;                         // a '-' for a blank
    std::size_t bad = std::string_view::npos;  // the first character that is no cell
};

RowScan ScanRow(std::string_view line) {
    RowScan scan;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (IsBlank(c) || c == '|') {
            scan.bar = scan.bar || c == '|';
        } else if (IsCell(c)) {
            if (scan.count < GridSize)
                scan.cells[static_cast<std::size_t>(scan.count)] = c >= '1' && c <= '9' ? c : '.';
            scan.dash = scan.dash || c == '-';
            ++scan.count;
        } else {
            scan.bad = i;
            break;
        }
    }
    return scan;
}

} // namespace

PuzzleTextReader::PuzzleTextReader(PuzzleTextHandler handler_) : handler(std::move(handler_)) {
    cells.reserve(PuzzleLineLength);
}

bool PuzzleTextReader::Feed(std::string_view bytes) {
    return !stopped && lines.Feed(bytes, [this](std::string_view line) { return Line(line); });
}

bool PuzzleTextReader::Finish() {
    if (stopped || !lines.Finish([this](std::string_view line) { return Line(line); })) return false;
    return rows == 0 || EndGrid();
}

bool PuzzleTextReader::Line(std::string_view line) {
    const LineVerdict verdict = ParsePuzzleLine(line);
    if (verdict.kind == LineKind::Puzzle) {
        if (rows > 0 && !EndGrid()) return false;
        return Report(LineKind::Puzzle, false, lines.Lines(), verdict.puzzle);
    }
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (verdict.kind == LineKind::Comment || IsHeader(line)) {
        const bool betweenBoxes = rows % 3 == 0 && Trimmed(line).empty();
        return rows == 0 || betweenBoxes || EndGrid();
    }
    if (IsSeparatorLine(line)) return rows > 0 && dashBlanks && IsDashRow(line) ? Row(line) : true;
    if (rows > 0) return Row(line);
    const RowScan scan = ScanRow(line);
    if (scan.bad == std::string_view::npos && (scan.count == GridSize || scan.bar)) {
        gridLine = lines.Lines();
        cells.clear();
        problem.clear();
        dashBlanks = false;
        return Row(line);
    }
    return Report(LineKind::Bad, false, lines.Lines(), verdict.problem);
}

bool PuzzleTextReader::Row(std::string_view line) {
    const RowScan scan = ScanRow(line);
    ++rows;
    if (problem.empty()) {
        const std::string where = "line " + std::to_string(lines.Lines());
        if (scan.bad != std::string_view::npos) {
            problem = "unexpected character " + ShownCharacter(line[scan.bad]) + " at " + where + ", column " +
                      std::to_string(scan.bad + 1);
        } else if (scan.count != GridSize) {
            problem = where + " has " + std::to_string(scan.count) + " cells, expected 9";
        } else {
            cells.append(scan.cells.data(), scan.cells.size());
            dashBlanks = dashBlanks || scan.dash;
        }
    }
    return rows < GridSize || EndGrid();
}

bool PuzzleTextReader::EndGrid() {
    if (problem.empty() && rows < GridSize)
        problem = "only " + std::to_string(rows) + (rows == 1 ? " row" : " rows") + ", expected 9";
    if (problem.empty() && cells.find_first_not_of('.') == std::string::npos) problem = "no given digit";
    rows = 0;
    if (problem.empty()) return Report(LineKind::Puzzle, true, gridLine, cells);
    return Report(LineKind::Bad, true, gridLine, problem);
}

bool PuzzleTextReader::Report(LineKind kind, bool grid, std::int64_t lineNumber, std::string_view text) {
    PuzzleTextPart part;
    part.lineNumber = lineNumber;
    part.kind = kind;
    part.grid = grid;
    (kind == LineKind::Puzzle ? part.puzzle : part.problem) = text;
    ++(kind == LineKind::Puzzle ? puzzles : badParts);
    stopped = !handler(part);
    return !stopped;
}

namespace {

// Keeps the puzzles of a text with at least one given and counts the rest.
class TextCollector {
public:
    explicit TextCollector(std::size_t maxPuzzles)
        : max(std::max<std::size_t>(maxPuzzles, 1)), reader([this](const PuzzleTextPart& p) { return Take(p); }) {}

    bool Feed(std::string_view bytes) {
        empty = empty && bytes.empty();
        return reader.Feed(bytes);
    }

    PuzzleTextResult Finish() {
        if (!result.cut) reader.Finish();
        if (!result.puzzles.empty()) return std::move(result);
        result.refusalKind = empty                     ? TextRefusal::Empty
                             : result.refusedParts == 0 ? TextRefusal::NoParts
                                                        : TextRefusal::UnreadableParts;
        if (empty)
            result.refusal = "the text is empty";
        else if (result.refusedParts == 0)
            result.refusal = "no puzzle line or grid, only comments, blank lines and separators";
        else if (result.refusedParts == 1)
            result.refusal = result.firstProblem;
        else
            result.refusal =
                std::to_string(result.refusedParts) + " parts could not be read, the first at " + result.firstProblem;
        return std::move(result);
    }

private:
    bool Take(const PuzzleTextPart& part) {
        if (part.kind == LineKind::Puzzle && part.puzzle.find_first_not_of('.') != std::string_view::npos) {
            result.puzzles.emplace_back(part.puzzle);
            result.cut = result.puzzles.size() >= max;
            return !result.cut;
        }
        if (result.refusedParts++ == 0) {
            result.firstProblemLine = part.lineNumber;
            result.firstProblem = "line " + std::to_string(part.lineNumber) + ": not a puzzle " +
                                  (part.grid ? "grid: " : "line: ") +
                                  std::string(part.kind == LineKind::Bad ? part.problem : "no given digit");
        }
        return true;
    }

    std::size_t max;
    bool empty = true;
    PuzzleTextResult result;
    PuzzleTextReader reader;
};

} // namespace

PuzzleTextResult ReadPuzzleText(std::string_view bytes, std::size_t maxPuzzles) {
    TextCollector collector(maxPuzzles);
    collector.Feed(bytes);
    return collector.Finish();
}

PuzzleTextResult ReadPuzzleText(std::FILE* file, std::size_t maxPuzzles) {
    TextCollector collector(maxPuzzles);
    std::array<char, 65536> buffer;
    for (;;) {
        const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), file);
        if (n > 0 && !collector.Feed(std::string_view(buffer.data(), n))) break;
        if (n < buffer.size()) break;
    }
    return collector.Finish();
}

} // namespace sorvat
