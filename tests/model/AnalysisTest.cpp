// What each setting of the analysis does. That no setting ever determines a
// wrong digit is checked once, by SoundnessPropertyTest.
#include "model/CellBoard.h"
#include "support/Puzzles.h"

#include <gtest/gtest.h>
#include <memory>

using namespace sorvat;
using namespace sorvat::test;

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

TEST(Analysis, LevelZeroOnlyEliminatesFromPeersAndLocksCarryTheLockMark) {
    EntryList list;
    list.Add(Entry(4, 4, 0, Fix));
    list.Add(Entry(4, 0, 2, Lock));  // a peer: the count below stays 21
    auto b = std::make_unique<CellBoard>();
    b->entries = &list;
    b->SetLevel(0);
    EXPECT_EQ(b->Analyze(), 0);
    int without = 0;
    for (auto& row : b->cells)
        for (auto& c : row) without += (c.flags[0] & CandidateBit) ? 0 : 1;
    EXPECT_EQ(without, 21);
    EXPECT_EQ(b->solvedCount, 2);
    EXPECT_EQ(b->enteredCount, 2);
    EXPECT_EQ(b->enteredByDigit[0], 1);
    EXPECT_FALSE(b->cells[4][4].flags[0] & LockBit);
    EXPECT_TRUE(b->cells[0][4].IsLocked());
}

TEST(Analysis, BoxHiddenSingleFoundInThePassOfTheEntry) {
    EntryList list = BoxHiddenSingleLocks();
    EXPECT_EQ(Analysed(list, 0, false)->cells[2][0].solvedDigit, NoDigit);
    EXPECT_EQ(Analysed(list, 1, false)->cells[2][0].solvedDigit, 4);
}

TEST(Analysis, RepeatFollowsChainsThatOnePassDoesNot) {
    int chainsFound = 0;
    for (const auto& pc : ReadPuzzleCases("qqwing.txt")) {
        EntryList once = LocksFromLine(pc.puzzle), repeated = LocksFromLine(pc.puzzle);
        const int a = Analysed(once, 2, false)->solvedCount, b = Analysed(repeated, 2, true)->solvedCount;
        EXPECT_GE(b, a);
        chainsFound += b > a;
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
        EXPECT_GT(Analysed(full8, 8, true)->solvedCount, Analysed(full6, 6, true)->solvedCount) << pc.puzzle;
    }
}

TEST(Analysis, AnswerBoardsMatchThePeerSolutions) {
    int solved = 0;
    for (const auto& pc : ReadPuzzleCases("qqwing.txt")) {
        EntryList list = LocksFromLine(pc.puzzle);
        auto b = std::make_unique<CellBoard>();
        AnalyzeAsAnswer(*b, list);
        EXPECT_FALSE(b->HasDeadCell()) << pc.puzzle;
        if (b->solvedCount == 81) {
            EXPECT_EQ(SolvedLine(*b), pc.solution);
            ++solved;
        }
    }
    EXPECT_GT(solved, 30);
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

// The auto-confirm repetition writes every determined cell back as a Fix
// entry and ends with the analysis of its final list: the list is what adding
// the determined cells round by round gives, and the board equals a fresh
// analysis of that list.
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
