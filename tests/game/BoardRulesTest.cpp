#include "game/AnswerBoard.h"
#include "game/BoardRules.h"
#include "support/Puzzles.h"

#include <gtest/gtest.h>

namespace sorvat::test {
namespace {

int CountOfKind(const EntryList& list, int kind) {
    int n = 0;
    for (int i = 0; i < list.Position(); ++i) n += list.At(i).kind == kind ? 1 : 0;
    return n;
}

// The easy puzzle's givens with right Fix digits in `cells`.
EntryList GivensAnd(std::initializer_list<std::pair<int, int>> cells) {
    EntryList moves = Givens();
    for (auto [x, y] : cells) moves.Add(Entry(x, y, DigitAt(EasySolution, x, y), Fix));
    return moves;
}

TEST(BoardRules, LockAllMakesEveryEnteredDigitALock) {
    EntryList moves = GivensAnd({{2, 0}, {3, 0}});
    moves.Add(Entry(5, 5, 0, Possible));
    LockAll(*Analysed(moves, 0, false), moves);
    EXPECT_EQ(CountOfKind(moves, Lock), 32);
    EXPECT_EQ(CountOfKind(moves, Fix), 0);
    EXPECT_EQ(CountOfKind(moves, Possible), 1);
}

// Locks first, then Fix digits, then as marks what the analysis shows of
// every other cell: its solved digit alone, or else every candidate.
TEST(BoardRules, CopyAnalysisToSelfWritesTheAnalysisAsThePlayersMarks) {
    for (int level : {0, 8}) {
        SCOPED_TRACE(level);
        EntryList moves = GivensAnd({{2, 0}});
        auto analysed = Analysed(moves, level, level == 8);
        ASSERT_EQ(analysed->solvedCount, level == 8 ? 81 : 31);
        CopyAnalysisToSelf(*analysed, moves);
        EXPECT_EQ(moves.Position(), moves.Count());
        EXPECT_EQ(CountOfKind(moves, Lock), 30);
        EXPECT_EQ(CountOfKind(moves, Fix), 1);
        EXPECT_EQ(moves.At(29).kind, Lock);
        EXPECT_EQ(moves.At(30).kind, Fix);
        EXPECT_EQ(moves.At(31).kind, Possible);
        auto shown = Analysed(moves, 0, false);
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 9; ++x) {
                const SCell& was = analysed->Cell(x, y);
                if (was.HasEntered()) continue;
                for (int d = 0; d < 9; ++d)
                    EXPECT_EQ(shown->Cell(x, y).Has(d, PossibleBit),
                              was.HasSolved() ? d == was.solvedDigit : was.Has(d, CandidateBit))
                        << x << "," << y << " digit " << d;
            }
    }
}

EntryList WithLastUndone(EntryList moves) {
    moves.Undo();
    return moves;
}

TEST(BoardRules, EraseWrongFixTakesBackTheFixDigitsThatDifferFromADeterminedAnswer) {
    const struct {
        const char* what;
        EntryList moves;
        EraseOutcome::Kind kind;
        int count;
        int entriesLeft;
    } cases[] = {
        {"13 Locks", FirstLocksOfTheAnswer(13), EraseOutcome::TooFewLocks, 0, 14},
        {"14 Locks, the answer open", FirstLocksOfTheAnswer(14), EraseOutcome::Undetermined, 0, 15},
        // The redo tail goes with the erased digits.
        {"two wrong, one right undone", WithLastUndone(Played(SwappedSolution())), EraseOutcome::Erased, 2, 78},
        {"all right", Played(), EraseOutcome::NoneWrong, 0, 81},
        // Every cell solved, but a digit twice in a column: nothing to erase against.
        {"contradictory Locks", Givens(SwappedSolution()), EraseOutcome::Inconsistent, 0, 81},
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.what);
        auto board = Analysed(c.moves, 0, false);
        EntryList givens;
        auto answer = std::make_unique<CellBoard>();
        BuildAnswerBoard(c.moves, givens, *answer);
        const EraseOutcome outcome = EraseWrongFix(c.moves, *board, givens, *answer);
        EXPECT_EQ(outcome.kind, c.kind);
        EXPECT_EQ(outcome.count, c.count);
        EXPECT_EQ(c.moves.Count(), c.entriesLeft);
        EXPECT_EQ(c.moves.Position(), c.entriesLeft);
        board->Analyze();
        if (c.kind == EraseOutcome::Erased) {
            EXPECT_FALSE(board->Cell(2, 0).HasEntered() || board->Cell(3, 0).HasEntered());
        }
    }
}

} // namespace
} // namespace sorvat::test
