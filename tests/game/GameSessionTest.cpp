// The game session: undo, redo, the resets, and the change notice its
// listeners hear.
#include "game/GameSession.h"
#include "settings/Settings.h"
#include "support/Puzzles.h"

#include <gtest/gtest.h>

#include <vector>

namespace sorvat::test {
namespace {

class GameSessionTest : public ::testing::Test {
protected:
    // The givens, then right Fix digits in the three empty cells (2,0), (3,0)
    // and (5,0) of row 0, analysed with the default settings.
    void PlayThreeFixes() {
        EntryList moves = Givens();
        for (int x : {2, 3, 5}) moves.Add(Entry(x, 0, DigitAt(EasySolution, x, 0), Fix));
        session.Start(moves);
        session.ApplySettings(Settings());
    }
    bool Entered(int x, int y) const { return session.Board().Cell(x, y).HasEntered(); }

    GameSession session;
};

TEST_F(GameSessionTest, UndoStopsAtALockAndRedoBringsTheEntriesBackInOrder) {
    PlayThreeFixes();
    session.TogglePossible(2, 1, 0);
    EXPECT_TRUE(session.Undo());
    EXPECT_FALSE(session.Board().Cell(2, 1).Has(0, PossibleBit));
    session.Undo();
    EXPECT_FALSE(Entered(5, 0));
    EXPECT_TRUE(Entered(3, 0));
    session.Undo();
    session.Undo();
    EXPECT_FALSE(session.Undo());  // the entry before the position is a Lock
    EXPECT_EQ(session.Moves().Position(), 30);
    EXPECT_FALSE(Entered(2, 0));
    EXPECT_TRUE(Entered(0, 0));  // the givens stay

    session.Redo();
    EXPECT_TRUE(Entered(2, 0));
    EXPECT_FALSE(Entered(3, 0));
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(session.Redo());
    EXPECT_FALSE(session.Redo());  // at the end: ignored
    EXPECT_EQ(session.Moves().Position(), 34);
    EXPECT_TRUE(session.Board().Cell(2, 1).Has(0, PossibleBit));

    // A Lock after the Fix digits: nothing before it can be undone.
    session.EnterFix(1, 1, DigitAt(EasySolution, 1, 1));
    session.SwitchFixAndLock(1, 1);
    EXPECT_FALSE(session.Undo());
    EXPECT_EQ(session.Moves().Position(), 35);
}

TEST_F(GameSessionTest, ResetKeepsTheLocksAndFullResetEmptiesOnlyTheWorkBoard) {
    PlayThreeFixes();
    session.TogglePossible(2, 1, 3);
    session.Reset();
    EXPECT_EQ(session.Moves().Count(), 30);
    for (int i = 0; i < session.Moves().Count(); ++i) EXPECT_EQ(session.Moves().At(i).kind, Lock);
    EXPECT_TRUE(Entered(0, 0));
    EXPECT_FALSE(Entered(2, 0));
    EXPECT_EQ(session.Answer().solvedCount, 81);

    session.FullReset();
    EXPECT_EQ(session.Moves().Count(), 0);
    EXPECT_EQ(session.Board().enteredCount, 0);
    EXPECT_EQ(session.Answer().Cell(2, 0).solvedDigit, DigitAt(EasySolution, 2, 0));
}

int LocksOf(const EntryList& list) {
    int n = 0;
    for (int i = 0; i < list.Position(); ++i) n += list.At(i).kind == Lock ? 1 : 0;
    return n;
}

// Both boards follow every change of the givens, whichever rule made it.
TEST_F(GameSessionTest, TheAnswerBoardFollowsTheGivens) {
    EntryList moves = Givens();
    moves.Add(Entry(2, 0, DigitAt(EasySolution, 2, 0), Fix));
    session.Start(moves);
    EXPECT_EQ(LocksOf(session.Givens()), 30);
    EXPECT_EQ(session.Answer().solvedCount, 81);
    session.SwitchFixAndLock(2, 0);
    EXPECT_EQ(LocksOf(session.Givens()), 31);
    session.SwitchFixAndLock(2, 0);
    EXPECT_EQ(LocksOf(session.Givens()), 30);
    session.CopyAnalysisToSelf();
    session.LockAll();
    EXPECT_EQ(LocksOf(session.Givens()), 31);
}

TEST_F(GameSessionTest, ListenersHearWhatChanged) {
    std::vector<SessionChange> heard;
    const int id = session.Listen([&](const SessionChange& change) { heard.push_back(change); });
    session.Start(Givens());
    session.EnterFix(2, 0, 3);
    session.ApplySettings(Settings());
    session.Undo();
    ASSERT_EQ(heard.size(), 4u);
    EXPECT_EQ(heard[0].kind, SessionChange::Entries);
    EXPECT_EQ(heard[1].kind, SessionChange::Cell);
    EXPECT_EQ(heard[1].x, 2);
    EXPECT_EQ(heard[1].y, 0);
    EXPECT_EQ(heard[2].kind, SessionChange::Board);
    EXPECT_FALSE(heard[2].EntriesChanged());
    EXPECT_TRUE(heard[3].EntriesChanged());

    session.Unlisten(id);
    session.Reset();
    EXPECT_EQ(heard.size(), 4u);
    EXPECT_FALSE(session.Redo());  // a refused rule changes nothing and says nothing
}

} // namespace
} // namespace sorvat::test
