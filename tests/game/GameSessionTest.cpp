// The game session: undo, redo, the resets, the answer board that follows the
// givens, key A's entry, and the change notice its listeners hear.
#include "game/GameSession.h"
#include "settings/Settings.h"
#include "support/Puzzles.h"

#include <gtest/gtest.h>

#include <vector>

namespace sorvat::test {
namespace {

class GameSessionTest : public ::testing::Test {
protected:
    bool Entered(int x, int y) const { return session.Board().Cell(x, y).HasEntered(); }
    GameSession session;
};

// The givens, right Fix digits at (2,0), (3,0), (5,0), then a mark.
TEST_F(GameSessionTest, UndoStopsAtALockAndRedoBringsTheEntriesBackInOrder) {
    session.Start(Givens());
    session.ApplySettings(Settings());
    for (int x : {2, 3, 5}) session.EnterFix(x, 0, DigitAt(EasySolution, x, 0));
    session.TogglePossible(2, 1, 0);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(session.Undo());
    EXPECT_FALSE(session.Undo());  // the entry before the position is a Lock
    EXPECT_EQ(session.Moves().Position(), 30);
    EXPECT_FALSE(session.Board().Cell(2, 1).Has(0, PossibleBit));
    EXPECT_TRUE(Entered(0, 0) && !Entered(2, 0));

    session.Redo();
    EXPECT_TRUE(Entered(2, 0) && !Entered(3, 0));  // in order
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(session.Redo());
    EXPECT_FALSE(session.Redo());
    EXPECT_TRUE(session.Board().Cell(2, 1).Has(0, PossibleBit));
    session.SwitchFixAndLock(5, 0);  // a Lock: nothing before it can be undone
    EXPECT_FALSE(session.Undo());

    session.Reset();  // the Locks stay
    EXPECT_EQ(session.Moves().Count(), 31);
    EXPECT_FALSE(Entered(2, 0));
    session.FullReset();  // the working board only
    EXPECT_EQ(session.Moves().Count(), 0);
    EXPECT_EQ(session.Board().enteredCount, 0);
    EXPECT_EQ(session.Answer().Cell(2, 0).solvedDigit, DigitAt(EasySolution, 2, 0));
}

// Both boards follow every change of the givens, whichever rule made it.
TEST_F(GameSessionTest, TheAnswerBoardFollowsTheGivens) {
    session.Start(Givens());
    session.EnterFix(2, 0, DigitAt(EasySolution, 2, 0));
    EXPECT_EQ(session.Answer().solvedCount, 81);
    session.SwitchFixAndLock(2, 0);
    EXPECT_TRUE(session.Answer().Cell(2, 0).IsLocked());
    session.SwitchFixAndLock(2, 0);
    EXPECT_FALSE(session.Answer().Cell(2, 0).IsLocked());
    session.CopyAnalysisToSelf();
    session.LockAll();
    EXPECT_TRUE(session.Answer().Cell(2, 0).IsLocked());
}

// Key A enters the answer board's digit of the cell the next move names;
// where the answer board has none, the entry is refused (and the redo tail
// goes), and without a next move nothing happens.
TEST_F(GameSessionTest, TheNextMoveEntersOnlyWhatTheAnswerBoardKnows) {
    session.Start(AllFix(EasyPuzzle));
    ASSERT_TRUE(session.Undo());
    const int position = session.Moves().Position();
    EXPECT_TRUE(session.ApplyNextMove().Found());
    EXPECT_EQ(session.Moves().Count(), position);
    session.Start(Givens());
    const FoundMove move = session.ApplyNextMove().move;
    EXPECT_EQ(session.Board().Cell(move.x, move.y).enteredDigit, DigitAt(EasySolution, move.x, move.y));
    session.Start(Played());
    EXPECT_FALSE(session.ApplyNextMove().Found());
    EXPECT_EQ(session.Moves().Count(), 81);
}

// The digit keys' rule: the typed digit takes the place of a Fix of another
// digit in one entry, the same digit takes the Fix back, a Lock stays.
TEST_F(GameSessionTest, ReplaceFixEntersTheTypedDigit) {
    session.Start(Givens());
    session.EnterFix(2, 0, 3);
    session.ReplaceFix(0, 0, 0);
    session.ReplaceFix(2, 0, 6);
    EXPECT_TRUE(session.Board().Cell(0, 0).IsLocked());
    EXPECT_EQ(session.Board().Cell(2, 0).enteredDigit, 6);
    EXPECT_EQ(session.Moves().Count(), 31);
    GameSession replayed;  // the board is the one its entries give
    replayed.Start(session.Moves());
    EXPECT_TRUE(session.Board().Equals(replayed.Board()));
    session.ReplaceFix(2, 0, 6);
    EXPECT_FALSE(Entered(2, 0));
}

TEST_F(GameSessionTest, ListenersHearWhatChanged) {
    std::vector<SessionChange> heard;
    const int id = session.Listen([&](const SessionChange& change) { heard.push_back(change); });
    session.Start(Givens());
    session.EnterFix(2, 0, 3);
    session.ApplySettings(Settings());
    EXPECT_FALSE(session.Redo());  // a refused rule says nothing
    ASSERT_EQ(heard.size(), 3u);
    EXPECT_TRUE(heard[0].kind == SessionChange::Entries && heard[0].EntriesChanged());
    EXPECT_TRUE(heard[1].kind == SessionChange::Cell && heard[1].x == 2 && heard[1].y == 0);
    EXPECT_FALSE(heard[2].EntriesChanged());
    session.Unlisten(id);
    session.Reset();
    EXPECT_EQ(heard.size(), 3u);
}

} // namespace
} // namespace sorvat::test
