#include "files/PuzzleLines.h"

#include <array>
#include <utility>

namespace sorvat {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsSeparator(char c) {
    return IsBlank(c) || c == ':' || c == ',' || c == ';' || c == '|' || c == '#';
}

} // namespace

std::string ShownCharacter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x21 && byte <= 0x7E) return std::string("'") + c + "'";
    static const char hex[] = "0123456789abcdef";
    return std::string("byte 0x") + hex[byte >> 4] + hex[byte & 15];
}

LineVerdict ParsePuzzleLine(std::string_view line) {
    LineVerdict verdict;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::size_t start = 0;
    while (start < line.size() && IsBlank(line[start])) ++start;
    line.remove_prefix(start);
    if (line.empty() || line[0] == '#' || line[0] == '/') return verdict;

    verdict.kind = LineKind::Bad;
    std::size_t n = 0;
    for (; n < line.size() && n < PuzzleLineLength; ++n) {
        const char c = line[n];
        if ((c >= '1' && c <= '9') || c == '.' || c == '0') continue;
        if (IsSeparator(c) || c == '\r') break;
        verdict.problem = "unexpected character " + ShownCharacter(c) + " at column " + std::to_string(start + n + 1) +
                          " (expected 1-9, '.' or '0')";
        return verdict;
    }
    if (n < PuzzleLineLength) {
        verdict.problem = "only " + std::to_string(n) + " puzzle characters, expected 81";
        return verdict;
    }
    if (line.size() > PuzzleLineLength && !IsSeparator(line[PuzzleLineLength])) {
        verdict.problem = "more than 81 puzzle characters";
        return verdict;
    }
    verdict.kind = LineKind::Puzzle;
    verdict.puzzle.assign(line.substr(0, PuzzleLineLength));
    for (char& c : verdict.puzzle)
        if (c == '0') c = '.';
    return verdict;
}

EntryList LocksFromPuzzle(std::string_view puzzle) {
    EntryList list;
    for (int i = 0; i < PuzzleLineLength && i < static_cast<int>(puzzle.size()); ++i) {
        const char c = puzzle[static_cast<std::size_t>(i)];
        if (c >= '1' && c <= '9') list.Add(Entry(i % 9, i / 9, c - '1', Lock));
    }
    return list;
}

std::string PuzzleOfLocks(const EntryList& list) {
    std::string out(PuzzleLineLength, '.');
    for (int i = 0; i < list.Position(); ++i) {
        const Entry e = list.At(i);
        if (e.kind == Lock && e.x >= 0 && e.x < 9 && e.y >= 0 && e.y < 9 && e.digit >= 0 && e.digit < 9)
            out[static_cast<std::size_t>(e.y * 9 + e.x)] = static_cast<char>('1' + e.digit);
    }
    return out;
}

bool LineSplitter::Feed(std::string_view bytes, const LineHandler& onLine) {
    if (line.capacity() < MaxPuzzleLineBytes) line.reserve(MaxPuzzleLineBytes);
    while (!stopped && !bytes.empty()) {
        const std::size_t lf = bytes.find('\n');
        const std::string_view part = bytes.substr(0, lf);
        if (line.size() < MaxPuzzleLineBytes)
            line.append(part.substr(0, MaxPuzzleLineBytes - line.size()));
        lineBytes += part.size();
        if (lf == std::string_view::npos) break;
        bytes.remove_prefix(lf + 1);
        EndLine(onLine);
    }
    return !stopped;
}

bool LineSplitter::Finish(const LineHandler& onLine) {
    if (!stopped && lineBytes > 0) EndLine(onLine);
    return !stopped;
}

bool LineSplitter::EndLine(const LineHandler& onLine) {
    ++lineNumber;
    const bool goOn = onLine(line);
    line.clear();
    lineBytes = 0;
    if (!goOn) stopped = true;
    return !stopped;
}

PuzzleLineReader::PuzzleLineReader(PuzzleLineHandler handler_) : handler(std::move(handler_)) {}

bool PuzzleLineReader::Feed(std::string_view bytes) {
    return lines.Feed(bytes, [this](std::string_view line) { return Judge(line); });
}

bool PuzzleLineReader::Finish() {
    return lines.Finish([this](std::string_view line) { return Judge(line); });
}

bool PuzzleLineReader::Judge(std::string_view line) {
    const LineVerdict verdict = ParsePuzzleLine(line);
    if (verdict.kind == LineKind::Comment) return true;
    PuzzleLineEvent event;
    event.lineNumber = lines.Lines();
    event.kind = verdict.kind;
    event.puzzle = verdict.puzzle;
    event.problem = verdict.problem;
    if (verdict.kind == LineKind::Puzzle)
        ++puzzles;
    else
        ++badLines;
    return handler(event);
}

bool ReadPuzzleLines(std::FILE* file, const PuzzleLineHandler& handler) {
    PuzzleLineReader reader(handler);
    std::array<char, 65536> buffer;
    for (;;) {
        const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), file);
        if (n > 0 && !reader.Feed(std::string_view(buffer.data(), n))) return false;
        if (n < buffer.size()) break;
    }
    if (std::ferror(file)) return false;
    return reader.Finish();
}

} // namespace sorvat
