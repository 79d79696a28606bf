#include "model/CellBoard.h"
#include "support/Puzzles.h"

#include <gtest/gtest.h>
#include <memory>

using namespace sorvat;
using namespace sorvat::test;

namespace {

std::unique_ptr<CellBoard> Analysed(EntryList& list, int level, bool repeat, bool autoConfirm = false) {
    auto b = std::make_unique<CellBoard>();
    b->entries = &list;
    b->SetLevel(level);
    b->repeatUntilStable = repeat ? 1 : 0;
    b->autoConfirm = autoConfirm ? 1 : 0;
    EXPECT_EQ(b->Analyze(), 0);
    return b;
}

// Every solved digit agrees with the solution and every cell keeps the true
// digit as candidate, solved or entered digit.
void ExpectSound(const CellBoard& b, const std::string& solution, const std::string& what) {
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const SCell& c = b.cells[y][x];
            const int truth = solution[y * 9 + x] - '1';
            if (c.solvedDigit < 9) {
                ASSERT_EQ(c.solvedDigit, truth) << what << " X" << x + 1 << "Y" << y + 1;
            } else {
                ASSERT_TRUE(c.flags[truth] & CandidateBit) << what << " X" << x + 1 << "Y" << y + 1;
            }
        }
}

} // namespace

TEST(Analysis, WithoutEntryListNothingHappens) {
    auto b = std::make_unique<CellBoard>();
    b->cells[0][0].SetPossible(1, Set);
    EXPECT_EQ(b->Analyze(), -1);
    EXPECT_EQ(b->cells[0][0].possibleCount, 1);
}

TEST(Analysis, PossibleEntriesOnlyMarkCells) {
    EntryList list;
    list.Add(Entry(2, 3, 4, Possible));
    list.Add(Entry(2, 3, 6, Possible));
    auto b = Analysed(list, 9, true);
    EXPECT_EQ(b->cells[3][2].possibleCount, 2);
    EXPECT_EQ(b->solvedCount, 0);
    for (auto& row : b->cells)
        for (auto& c : row) EXPECT_EQ(c.candidateCount, 9);
}

TEST(Analysis, LevelZeroOnlyEliminatesFromPeers) {
    EntryList list;
    list.Add(Entry(4, 4, 0, Fix));
    auto b = Analysed(list, 0, true);
    int without = 0;
    for (auto& row : b->cells)
        for (auto& c : row) without += (c.flags[0] & CandidateBit) ? 0 : 1;
    EXPECT_EQ(without, 21);
    EXPECT_EQ(b->solvedCount, 1);
    EXPECT_EQ(b->enteredCount, 1);
    EXPECT_EQ(b->enteredByDigit[0], 1);
    EXPECT_FALSE(b->cells[4][4].flags[0] & LockBit);
}

TEST(Analysis, LockEntriesCarryTheLockMark) {
    EntryList list;
    list.Add(Entry(0, 0, 2, Lock));
    auto b = Analysed(list, 0, false);
    EXPECT_TRUE(b->cells[0][0].IsLocked());
}

TEST(Analysis, BoxHiddenSingleFoundInThePassOfTheEntry) {
    // Digit 5 (index 4) in rows 0 and 1 outside the top-left box, and in
    // column 1: only X1Y3 is left for 5 in the top-left box.
    EntryList list;
    list.Add(Entry(4, 0, 4, Lock));
    list.Add(Entry(7, 1, 4, Lock));
    list.Add(Entry(1, 5, 4, Lock));
    list.Add(Entry(2, 7, 4, Lock));
    auto level0 = Analysed(list, 0, false);
    EXPECT_EQ(level0->cells[2][0].solvedDigit, NoDigit);
    auto level1 = Analysed(list, 1, false);
    EXPECT_EQ(level1->cells[2][0].solvedDigit, 4);
}

TEST(Analysis, RepeatFollowsChainsThatOnePassDoesNot) {
    int chainsFound = 0;
    for (const auto& pc : ReadPuzzleCases("qqwing.txt")) {
        EntryList once = LocksFromLine(pc.puzzle);
        EntryList repeated = LocksFromLine(pc.puzzle);
        auto a = Analysed(once, 2, false);
        auto b = Analysed(repeated, 2, true);
        ExpectSound(*a, pc.solution, "level 2 once");
        ExpectSound(*b, pc.solution, "level 2 repeated");
        EXPECT_GE(b->solvedCount, a->solvedCount);
        if (b->solvedCount > a->solvedCount) ++chainsFound;
    }
    EXPECT_GT(chainsFound, 0);
}

TEST(Analysis, SetLevelIgnoresOutOfRangeLevels) {
    auto b = std::make_unique<CellBoard>();
    b->SetLevel(5);
    const auto mask = b->techniqueMask;
    b->SetLevel(10);
    b->SetLevel(-1);
    EXPECT_EQ(b->level, 5);
    EXPECT_EQ(b->techniqueMask, mask);
    b->SetLevel(7);
    EXPECT_EQ(b->level, 7);
    EXPECT_EQ(b->techniqueMask, TechniqueMaskOfLevel(6));
    EXPECT_EQ(TechniqueMaskOfLevel(9), TechniqueMaskOfLevel(8));
    EXPECT_TRUE(TechniqueMaskOfLevel(8) & Trial);
    EXPECT_FALSE(TechniqueMaskOfLevel(6) & Trial);
    EXPECT_EQ(TechniqueMaskOfLevel(0), 0);
}

TEST(Analysis, TrialNeedsSixteenEntriesAndLevelEight) {
    for (const auto& pc : ReadPuzzleCases("hard.txt")) {
        // The first 15 givens only: trial may not run.
        std::string first15 = pc.puzzle;
        int kept = 0;
        for (char& c : first15)
            if (c != '.' && ++kept > 15) c = '.';
        EntryList a = LocksFromLine(first15), b = LocksFromLine(first15);
        EXPECT_TRUE(Analysed(a, 8, true)->Equals(*Analysed(b, 6, true)));

        EntryList full8 = LocksFromLine(pc.puzzle), full6 = LocksFromLine(pc.puzzle);
        auto with = Analysed(full8, 8, true);
        auto without = Analysed(full6, 6, true);
        ExpectSound(*with, pc.solution, "level 8");
        ExpectSound(*without, pc.solution, "level 6");
        EXPECT_GT(with->solvedCount, without->solvedCount) << pc.puzzle;
    }
}

TEST(Analysis, AutoConfirmWritesEveryDeterminedCellBack) {
    const auto cases = ReadPuzzleCases("qqwing.txt");
    ASSERT_FALSE(cases.empty());
    EntryList list = LocksFromLine(cases[0].puzzle);
    const int givens = list.Count();
    auto b = Analysed(list, 9, true, true);
    ASSERT_EQ(b->solvedCount, 81);
    EXPECT_EQ(list.Count(), 81);
    EXPECT_EQ(list.Position(), 81);
    EXPECT_EQ(b->enteredCount, 81);
    for (int i = givens; i < list.Count(); ++i) EXPECT_EQ(list.At(i).kind, Fix);
    EXPECT_TRUE(b->IsSolved());
}

TEST(Analysis, AnswerBoardsMatchThePeerSolutions) {
    int solved = 0;
    for (const auto& pc : ReadPuzzleCases("qqwing.txt")) {
        EntryList list = LocksFromLine(pc.puzzle);
        auto b = std::make_unique<CellBoard>();
        AnalyzeAsAnswer(*b, list);
        EXPECT_FALSE(b->HasDeadCell()) << pc.puzzle;
        ExpectSound(*b, pc.solution, pc.puzzle);
        if (b->solvedCount == 81) {
            EXPECT_EQ(SolvedLine(*b), pc.solution);
            ++solved;
        }
    }
    EXPECT_GT(solved, 30);
}

TEST(Analysis, EveryLevelIsSound) {
    for (const auto& pc : ReadPuzzleCases("qqwing.txt")) {
        for (int level = 0; level <= 9; ++level)
            for (bool repeat : {false, true}) {
                EntryList list = LocksFromLine(pc.puzzle);
                auto b = Analysed(list, level, repeat);
                ExpectSound(*b, pc.solution, "level " + std::to_string(level));
            }
    }
}

TEST(Analysis, ContradictoryLocksEndInADeadCellOrUnsolved) {
    EntryList list;
    for (int x = 0; x < 8; ++x) list.Add(Entry(x, 0, x, Lock));
    list.Add(Entry(8, 1, 8, Lock));  // X9Y1 can take no digit
    auto b = std::make_unique<CellBoard>();
    AnalyzeAsAnswer(*b, list);
    EXPECT_TRUE(b->solvedCount < 81 || b->HasDeadCell());

    EntryList dead;  // the blocking 9 comes first: X9Y1 ends without candidates
    dead.Add(Entry(8, 1, 8, Lock));
    for (int x = 0; x < 8; ++x) dead.Add(Entry(x, 0, x, Lock));
    AnalyzeAsAnswer(*b, dead);
    EXPECT_TRUE(b->HasDeadCell());
}

// The auto-confirm repetition ends with the analysis of its final list: the
// board equals a fresh analysis of that list, and the list is what adding
// the determined cells round by round gives.
TEST(Analysis, AutoConfirmEndsWithTheAnalysisOfItsFinalList) {
    auto cases = ReadPuzzleCases("qqwing.txt");
    for (const auto& hard : ReadPuzzleCases("hard.txt")) cases.push_back(hard);
    for (const auto& pc : cases) {
        for (int level : {2, 6, 9}) {
            EntryList confirmed = LocksFromLine(pc.puzzle);
            auto a = Analysed(confirmed, level, true, true);

            EntryList manual = LocksFromLine(pc.puzzle);
            for (;;) {
                auto round = Analysed(manual, level, true);
                const int before = manual.Position();
                for (int y = 0; y < 9; ++y)
                    for (int x = 0; x < 9; ++x) {
                        const SCell& c = round->cells[y][x];
                        if (c.solvedDigit < 9 && c.enteredDigit != c.solvedDigit)
                            manual.Add(Entry(x, y, c.solvedDigit, Fix));
                    }
                for (int y = 0; y < 9; ++y)
                    for (int x = 0; x < 9; ++x) {
                        const SCell& c = round->cells[y][x];
                        if (c.enteredDigit > 8 && c.solvedDigit > 8 && c.candidateCount == 1)
                            manual.Add(Entry(x, y, c.LowestCandidate(), Fix));
                    }
                if (manual.Position() == before) break;
            }
            ASSERT_EQ(confirmed.Count(), manual.Count()) << pc.puzzle << " level " << level;
            for (int i = 0; i < manual.Count(); ++i) ASSERT_EQ(confirmed.At(i), manual.At(i));
            EXPECT_TRUE(a->Equals(*Analysed(manual, level, true))) << pc.puzzle << " level " << level;
        }
    }
}
