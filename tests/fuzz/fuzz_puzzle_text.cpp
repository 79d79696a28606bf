// The reader of puzzle lines and grids on arbitrary bytes: feeding the bytes
// in pieces gives the same parts as feeding them at once; its puzzle lines
// are the line reader's; a whole text gives exactly the puzzles with a given,
// or a reason why there is none.
#include "FuzzChecks.h"

#include "files/PuzzleText.h"

#include <algorithm>
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
    bool grid;
    std::string text;
    bool operator==(const Seen&) const = default;
};

std::vector<Seen> FeedInPieces(std::string_view bytes, std::string_view pieceSizes) {
    std::vector<Seen> seen;
    PuzzleTextReader reader([&](const PuzzleTextPart& p) {
        seen.push_back({p.lineNumber, p.kind, p.grid, std::string(p.kind == LineKind::Puzzle ? p.puzzle : p.problem)});
        return true;
    });
    for (std::size_t next = 0; !bytes.empty(); ++next) {
        std::size_t piece = bytes.size();
        if (!pieceSizes.empty()) piece = static_cast<unsigned char>(pieceSizes[next % pieceSizes.size()]) + 1u;
        Check(reader.Feed(bytes.substr(0, piece)), "Feed goes on");
        bytes.remove_prefix(std::min(piece, bytes.size()));
    }
    Check(reader.Finish(), "Finish goes on");
    Check(reader.Puzzles() + reader.BadParts() == static_cast<std::int64_t>(seen.size()), "counters");
    return seen;
}

std::vector<Seen> LineReaderPuzzles(std::string_view bytes) {
    std::vector<Seen> seen;
    PuzzleLineReader reader([&](const PuzzleLineEvent& e) {
        if (e.kind == LineKind::Puzzle) seen.push_back({e.lineNumber, e.kind, false, std::string(e.puzzle)});
        return true;
    });
    reader.Feed(bytes);
    reader.Finish();
    return seen;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first bytes up to the first NUL choose the piece sizes.
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    std::size_t split = all.find('\0');
    if (split == std::string_view::npos || split > 16) split = 0;
    const std::string_view bytes = all.substr(split == 0 ? 0 : split + 1);
    const std::vector<Seen> whole = FeedInPieces(bytes, {});
    Check(FeedInPieces(bytes, all.substr(0, split)) == whole, "pieces give the same parts");
    std::vector<Seen> lines;
    std::vector<std::string> kept;
    std::int64_t refused = 0;
    for (const Seen& s : whole) {
        Check(!s.text.empty(), "a puzzle, or a refused part that says what is wrong");
        if (s.kind == LineKind::Bad) {
            ++refused;
            continue;
        }
        Check(s.text.size() == PuzzleLineLength, "puzzle of 81 characters");
        for (char c : s.text) Check((c >= '1' && c <= '9') || c == '.', "puzzle characters");
        if (!s.grid) lines.push_back(s);
        const bool given = s.text.find_first_not_of('.') != std::string::npos;
        Check(given || !s.grid, "a grid has a given");
        if (given)
            kept.push_back(s.text);
        else
            ++refused;
    }
    Check(lines == LineReaderPuzzles(bytes), "puzzle lines as the line reader reads them");

    const PuzzleTextResult text = ReadPuzzleText(bytes);
    Check(text.puzzles == kept && text.refusedParts == refused, "a text keeps the puzzles with a given");
    Check(text.puzzles.empty() != text.refusal.empty(), "a reason exactly when there is no puzzle");
    return 0;
}
