// Rules of the analysis settings that the recorded digests (EngineDigestTest)
// and the soundness properties (SoundnessPropertyTest) do not state.
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

TEST(Analysis, SetLevelIgnoresOutOfRangeLevels) {
    auto b = std::make_unique<CellBoard>();
    b->SetLevel(5);
    const auto mask = b->techniqueMask;
    b->SetLevel(10);
    b->SetLevel(-1);
    EXPECT_EQ(b->level, 5);
    EXPECT_EQ(b->techniqueMask, mask);
}

TEST(Analysis, TrialNeedsSixteenEntriesAndLevelEight) {
    for (const auto& pc : ReadPuzzleCases("hard.txt")) {
        // The first 15 givens only: trial may not run.
        std::string first15 = pc.puzzle;
        int kept = 0;
        for (char& c : first15)
            if (c != '.' && ++kept > 15) c = '.';
        EntryList a = Givens(first15), b = Givens(first15);
        EXPECT_TRUE(Analysed(a, 8, true)->Equals(*Analysed(b, 6, true)));

        EntryList full8 = Givens(pc.puzzle), full6 = Givens(pc.puzzle);
        EXPECT_GT(Analysed(full8, 8, true)->solvedCount, Analysed(full6, 6, true)->solvedCount) << pc.puzzle;
    }
}
