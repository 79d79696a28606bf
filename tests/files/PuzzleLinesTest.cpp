#include "files/PuzzleLines.h"
#include "support/Puzzles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace sorvat;
using namespace sorvat::test;

namespace {

// The easy puzzle with '.' for a blank, and with '0'.
std::string WithBlanks(char blank) {
    std::string puzzle(EasyPuzzle);
    for (char& c : puzzle)
        if (c == '0') c = blank;
    return puzzle;
}

const std::string Dotted = WithBlanks('.');

struct Seen {
    std::vector<std::pair<std::int64_t, std::string>> puzzles;
    std::vector<std::pair<std::int64_t, std::string>> bad;
};

Seen ReadAll(const std::string& bytes, std::size_t piece) {
    Seen seen;
    PuzzleLineReader reader([&](const PuzzleLineEvent& e) {
        if (e.kind == LineKind::Puzzle)
            seen.puzzles.emplace_back(e.lineNumber, std::string(e.puzzle));
        else
            seen.bad.emplace_back(e.lineNumber, std::string(e.problem));
        return true;
    });
    for (std::size_t i = 0; i < bytes.size(); i += piece) reader.Feed(std::string_view(bytes).substr(i, piece));
    reader.Finish();
    return seen;
}

} // namespace

// Blanks as '.' or '0' give the same puzzle; text after a separator is ignored.
TEST(PuzzleLines, BlanksAndTrailingTextAfterASeparator) {
    for (const std::string& puzzle : {Dotted, WithBlanks('0')})
        for (const std::string rest : {"", "\r", " 4.5", "\t# rated", ":926471538", ",x", ";", "|"}) {
            SCOPED_TRACE(puzzle + rest);
            const LineVerdict v = ParsePuzzleLine("  " + puzzle + rest);
            EXPECT_EQ(v.kind, LineKind::Puzzle);
            EXPECT_EQ(v.puzzle, Dotted);
        }
}

TEST(PuzzleLines, CommentsAndEmptyLinesAreNeitherPuzzlesNorErrors) {
    for (const std::string line : {"", "\r", "   ", "# header", "// note", "  #x"})
        EXPECT_EQ(ParsePuzzleLine(line).kind, LineKind::Comment) << line;
}

TEST(PuzzleLines, BadLinesSayWhatIsWrong) {
    const LineVerdict shortLine = ParsePuzzleLine(Dotted.substr(0, 80));
    EXPECT_EQ(shortLine.kind, LineKind::Bad);
    EXPECT_NE(shortLine.problem.find("80"), std::string::npos) << shortLine.problem;

    std::string letter = Dotted;
    letter[11] = 'x';
    const LineVerdict badChar = ParsePuzzleLine(letter);
    EXPECT_EQ(badChar.kind, LineKind::Bad);
    EXPECT_NE(badChar.problem.find("'x' at column 12"), std::string::npos) << badChar.problem;

    std::string binary = Dotted;
    binary[0] = '\x81';
    EXPECT_NE(ParsePuzzleLine(binary).problem.find("0x81"), std::string::npos);

    EXPECT_EQ(ParsePuzzleLine(Dotted + "5").kind, LineKind::Bad);
    EXPECT_EQ(ParsePuzzleLine("L115").kind, LineKind::Bad);
    EXPECT_EQ(ParsePuzzleLine("--- --- ---").kind, LineKind::Bad);
}

TEST(PuzzleLines, ReaderReportsLineNumbersWhateverThePieceSize) {
    const std::string bytes = "# two puzzles and two bad lines\r\n" + Dotted + "\r\n" + "12345\n\n" +
                              WithBlanks('0') + " 3.4\n" + Dotted.substr(0, 40) + "?";
    for (std::size_t piece : {1u, 7u, 82u, 4096u}) {
        const Seen seen = ReadAll(bytes, piece);
        ASSERT_EQ(seen.puzzles.size(), 2u) << piece;
        EXPECT_EQ(seen.puzzles[0].first, 2);
        EXPECT_EQ(seen.puzzles[1].first, 5);
        EXPECT_EQ(seen.puzzles[1].second, Dotted);
        ASSERT_EQ(seen.bad.size(), 2u) << piece;
        EXPECT_EQ(seen.bad[0].first, 3);
        EXPECT_EQ(seen.bad[1].first, 6);  // the last line has no LF
    }
}

TEST(PuzzleLines, HandlerCanStopTheReader) {
    int calls = 0;
    PuzzleLineReader reader([&](const PuzzleLineEvent&) { return ++calls < 2; });
    EXPECT_FALSE(reader.Feed(Dotted + "\n" + Dotted + "\n" + Dotted + "\n"));
    EXPECT_EQ(calls, 2);
    EXPECT_FALSE(reader.Finish());
}

TEST(PuzzleLines, LocksRoundTripInRowOrderAndOnlyLocksMakeThePuzzle) {
    const EntryList list = LocksFromPuzzle(Dotted);
    EXPECT_EQ(PuzzleOfLocks(list), Dotted);
    for (int i = 1; i < list.Position(); ++i) {
        const Entry a = list.At(i - 1), b = list.At(i);
        EXPECT_LT(a.y * 9 + a.x, b.y * 9 + b.x);
        EXPECT_EQ(b.kind, Lock);
    }

    EntryList mixed;
    mixed.Add(Entry(0, 0, 4, Lock));
    mixed.Add(Entry(8, 8, 0, Fix));
    mixed.Add(Entry(4, 4, 2, Possible));
    EXPECT_EQ(PuzzleOfLocks(mixed), "5" + std::string(80, '.'));
}
