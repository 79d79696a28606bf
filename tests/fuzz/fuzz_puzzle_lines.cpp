// The one-puzzle-per-line reader on arbitrary bytes: feeding the bytes in
// pieces gives the same events as feeding them at once, and as judging each
// line on its own; every puzzle found is a well-formed 81-character line.
#include "FuzzChecks.h"

#include "files/PuzzleLines.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace sorvat;
using sorvat::fuzz::Check;

namespace {

struct Seen {
    std::int64_t line;
    LineKind kind;
    std::string text;
    bool operator==(const Seen&) const = default;
};

std::vector<Seen> FeedInPieces(std::string_view bytes, std::string_view pieceSizes) {
    std::vector<Seen> seen;
    PuzzleLineReader reader([&](const PuzzleLineEvent& e) {
        seen.push_back({e.lineNumber, e.kind, std::string(e.kind == LineKind::Puzzle ? e.puzzle : e.problem)});
        return true;
    });
    std::size_t next = 0;
    while (!bytes.empty()) {
        std::size_t piece = bytes.size();
        if (!pieceSizes.empty()) {
            piece = static_cast<unsigned char>(pieceSizes[next++ % pieceSizes.size()]) + 1;
            if (piece > bytes.size()) piece = bytes.size();
        }
        Check(reader.Feed(bytes.substr(0, piece)), "Feed goes on");
        bytes.remove_prefix(piece);
    }
    Check(reader.Finish(), "Finish goes on");
    Check(reader.Puzzles() + reader.BadLines() == static_cast<std::int64_t>(seen.size()), "counters");
    return seen;
}

// Each line judged on its own, the way the reader keeps it.
std::vector<Seen> JudgeLines(std::string_view bytes) {
    std::vector<Seen> seen;
    std::int64_t number = 0;
    while (!bytes.empty()) {
        const std::size_t lf = bytes.find('\n');
        std::string_view line = bytes.substr(0, lf);
        ++number;
        const LineVerdict v = ParsePuzzleLine(line.substr(0, MaxPuzzleLineBytes));
        if (v.kind != LineKind::Comment)
            seen.push_back({number, v.kind, v.kind == LineKind::Puzzle ? v.puzzle : v.problem});
        if (lf == std::string_view::npos) break;
        bytes.remove_prefix(lf + 1);
    }
    return seen;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first bytes up to the first NUL choose the piece sizes.
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    std::size_t split = all.find('\0');
    if (split == std::string_view::npos || split > 16) split = 0;
    const std::string_view pieces = all.substr(0, split);
    const std::string_view bytes = all.substr(split == 0 ? 0 : split + 1);

    const std::vector<Seen> whole = FeedInPieces(bytes, {});
    Check(FeedInPieces(bytes, pieces) == whole, "pieces give the same events");
    Check(JudgeLines(bytes) == whole, "line by line gives the same events");

    for (const Seen& s : whole) {
        if (s.kind == LineKind::Bad) {
            Check(!s.text.empty(), "a bad line says what is wrong");
            continue;
        }
        Check(s.text.size() == PuzzleLineLength, "puzzle of 81 characters");
        for (char c : s.text) Check((c >= '1' && c <= '9') || c == '.', "puzzle characters");
        const EntryList locks = LocksFromPuzzle(s.text);
        fuzz::CheckEntryList(locks);
        Check(PuzzleOfLocks(locks) == s.text, "Locks of a puzzle give the puzzle back");
    }
    return 0;
}
