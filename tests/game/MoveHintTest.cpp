#include "game/MoveHint.h"
#include "support/Puzzles.h"
#include "text/Cp932.h"

#include <gtest/gtest.h>

namespace sorvat::test {
namespace {

// The structured move names the cell and digit its explanation names, and
// following the moves as the player does solves the puzzles. (That each
// move's digit is right is checked by SoundnessPropertyTest.)
TEST(MoveHint, TheMoveIsTheOneItsTextExplainsAndFollowingTheMovesSolves) {
    int finished = 0;
    for (const PuzzleCase& pc : ReadPuzzleCases("qqwing.txt")) {
        EntryList list = Givens(pc.puzzle);
        auto board = Analysed(list, 8, true);
        for (int step = 0; step < 81; ++step) {
            const MoveHint hint = FindNextMove(*board);
            if (!hint.Found()) break;
            const FoundMove m = hint.move;
            const std::string named = "(X" + std::to_string(m.x + 1) + ",Y" + std::to_string(m.y + 1) +
                                      ") = " + std::to_string(m.digit + 1);
            ASSERT_NE(Cp932ToUtf8(hint.text).find(named), std::string::npos) << Cp932ToUtf8(hint.text);
            list.Add(Entry(m.x, m.y, m.digit, Fix));
            board->Analyze();
        }
        if (board->enteredCount == 81) {
            EXPECT_TRUE(board->IsSolved()) << pc.puzzle;
            ++finished;
        }
    }
    EXPECT_GT(finished, 30);
}

} // namespace
} // namespace sorvat::test
