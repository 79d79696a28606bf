#include "files/PuzzleText.h"
#include "support/Puzzles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace sorvat;
using test::Grid;

namespace {

std::string Swapped(std::string text, char from, char to) {
    std::replace(text.begin(), text.end(), from, to);
    return text;
}

} // namespace

TEST(PuzzleText, ReadsLinesAndGridsAndSaysWhatItRefused) {
    const std::string p = Swapped(std::string(test::EasyPuzzle), '0', '.');
    std::string emptyRow = p, fifty;
    emptyRow.replace(36, 9, 9, '.');
    for (int i = 0; i < 50; ++i) fifty += p + " #" + std::to_string(i) + "\r\n";
    std::string shortRow = Grid(p, "", "", "");
    shortRow.erase(35, 1);
    const std::string forum = Swapped(Grid(p, " ", " | ", "+-------+-------+-------+", true), '.', '*');
    const std::string ss = Grid(p, "", "|", "---+---+---");

    struct Case {
        std::string text;
        std::vector<std::string> puzzles;
        std::int64_t refused;
        std::string problem;
    };
    const Case cases[] = {
        {p + "\n", {p}, 0, ""},
        {"# fifty\n" + fifty, std::vector<std::string>(50, p), 0, ""},
        {"[Puzzle]\n#A someone\n" + Swapped(Grid(p, "", "", " "), '.', '_'), {p}, 0, ""},  // blank lines between boxes
        {ss, {p}, 0, ""},
        {forum + "\n" + ss, {p, p}, 0, ""},
        {Swapped(Grid(emptyRow, "", " ", ""), '.', '-'), {emptyRow}, 0, ""},
        {"Here is one:\nenjoy!\n", {}, 2, "2 parts could not be read, the first at line 1: not a puzzle line"},
        {std::string(3 * MaxPuzzleLineBytes, 'z') + "\n" + p, {p}, 1, "line 1: not a puzzle line"},
        {"", {}, 0, "the text is empty"},
        {"// a header\n---+---\n\n", {}, 0, "only comments"},
        {ss.substr(1, 47) + p + "\n" + shortRow + Grid(p, "", "", "").substr(0, 50), {p}, 3,
         "line 1: not a puzzle grid: line 1 has 8 cells"},
        {Grid(std::string(81, '.'), "", "", "") + std::string(81, '0'), {}, 2, "line 1: not a puzzle grid: no given"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const PuzzleTextResult read = ReadPuzzleText(c.text);
        EXPECT_EQ(read.puzzles, c.puzzles);
        EXPECT_EQ(read.refusedParts, c.refused);
        EXPECT_EQ(read.refusal.empty(), !c.puzzles.empty()) << read.refusal;
        EXPECT_NE((read.refusal + read.firstProblem).find(c.problem), std::string::npos) << read.refusal;
        EXPECT_EQ(read.refusalKind, !c.puzzles.empty() ? TextRefusal::None
                                    : c.text.empty()    ? TextRefusal::Empty
                                    : c.refused == 0    ? TextRefusal::NoParts
                                                        : TextRefusal::UnreadableParts);
        EXPECT_EQ(read.firstProblemLine, c.refused == 0 ? 0 : 1);
    }
    const PuzzleTextResult cut = ReadPuzzleText(fifty, 3);
    EXPECT_EQ(cut.puzzles.size(), 3u);
    EXPECT_TRUE(cut.cut);
}
