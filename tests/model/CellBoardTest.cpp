#include "model/CellBoard.h"

#include <gtest/gtest.h>
#include <memory>

using namespace sorvat;

namespace {
int CellsWithCandidate(const CellBoard& b, int d) {
    int n = 0;
    for (auto& row : b.cells)
        for (auto& c : row) n += (c.flags[d] & CandidateBit) ? 1 : 0;
    return n;
}

void ExpectEmpty(const CellBoard& b) {
    for (auto& row : b.cells)
        for (auto& c : row) {
            EXPECT_EQ(c.candidateCount, 9);
            EXPECT_EQ(c.enteredDigit, NoDigit);
            EXPECT_EQ(c.solvedDigit, NoDigit);
            EXPECT_EQ(c.possibleCount, 0);
            for (auto f : c.flags) EXPECT_EQ(f, CandidateBit);
        }
}
} // namespace

TEST(SCell, FlagSettersKeepTheDerivedFields) {
    SCell c;
    c.SetEntered(3, Set);
    c.SetEntered(5, Set);
    EXPECT_EQ(c.enteredDigit, 5);
    EXPECT_FALSE(c.flags[3] & EnteredBit);
    c.SetEntered(5, Toggle);
    EXPECT_EQ(c.enteredDigit, NoDigit);

    c.SetPossible(2, Toggle);
    c.SetPossible(2, Toggle);
    EXPECT_EQ(c.possibleCount, 0);
    c.SetPossible(2, Set);
    c.SetPossible(7, Set);
    EXPECT_EQ(c.possibleCount, 2);

    c.SetSolved(4, Set);
    EXPECT_EQ(c.solvedDigit, 4);
    EXPECT_EQ(c.candidateCount, 0);
    c.SetSolved(4, Clear);
    EXPECT_EQ(c.solvedDigit, NoDigit);
    EXPECT_EQ(c.candidateCount, 0);  // candidates are not restored

    c.SetAllCandidates(Toggle);
    EXPECT_EQ(c.candidateCount, 9);
    c.SetCandidate(9, Clear);  // out of range: ignored
    EXPECT_EQ(c.candidateCount, 9);
}

TEST(SCell, EqualsComparesWholeFlagWords) {
    SCell a, b;
    EXPECT_TRUE(a.Equals(b));
    b.flags[3] |= ColumnPointDone;
    EXPECT_FALSE(a.Equals(b));
}

TEST(CellBoard, ConstructAndResetGiveEmptyCells) {
    auto b = std::make_unique<CellBoard>();
    ExpectEmpty(*b);
    b->Place(4, 4, 4);
    b->SetPossibleAt(0, 0, 1, Set);
    b->ResetCells();
    ExpectEmpty(*b);
    EXPECT_EQ(b->mcells[4].SolvedCount(), 0);
}

TEST(CellBoard, ConfirmEliminatesFromExactlyTwentyPeers) {
    auto b = std::make_unique<CellBoard>();
    EXPECT_EQ(b->Confirm(4, 1, 6), 6);
    EXPECT_EQ(CellsWithCandidate(*b, 6), 81 - 21);
    EXPECT_EQ(b->cells[1][4].solvedDigit, 6);
    EXPECT_TRUE(b->mcells[1].solvedDigits[6]);
    EXPECT_TRUE(b->tcells[4].solvedDigits[6]);
    EXPECT_TRUE(b->ycells[1].solvedDigits[6]);
    EXPECT_FALSE(b->ycells[2].solvedDigits[6]);
    EXPECT_EQ(b->Confirm(4, 1, 9), 9);
}

TEST(CellBoard, RejectedArgumentsChangeNothing) {
    auto b = std::make_unique<CellBoard>();
    EXPECT_EQ(b->Place(9, 0, 1), 9);
    b->SetEnteredAt(0, 0, 1, 3);
    b->SetPossibleAt(-1, 0, 1, Set);
    ExpectEmpty(*b);
}

TEST(CellBoard, CopiesKeepEachBoardsOwnGroupReferences) {
    auto a = std::make_unique<CellBoard>();
    auto b = std::make_unique<CellBoard>();
    a->Place(0, 0, 2);
    b->CopyCellsFrom(*a);
    EXPECT_TRUE(b->Equals(*a));
    EXPECT_EQ(b->ycells[0].cells[0], &b->cells[0][0]);
    EXPECT_EQ(b->mcells[8].cells[8], &b->cells[8][8]);
    EXPECT_TRUE(b->mcells[0].solvedDigits[2]);
    b->cells[0][0].SetPossible(1, Set);
    EXPECT_FALSE(b->Equals(*a));
    EXPECT_TRUE(b->SameEnteredDigits(*a));
}

TEST(CellBoard, IsSolvedLooksAtEnteredDigitsOfEveryGroup) {
    auto b = std::make_unique<CellBoard>();
    // A valid grid: digit (x + 3y + y/3) mod 9.
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) b->SetEnteredAt(x, y, (x + 3 * y + y / 3) % 9, Set);
    EXPECT_EQ(b->enteredCount, 0);  // stale until recounted
    EXPECT_TRUE(b->IsSolved());
    EXPECT_EQ(b->enteredCount, 81);

    // Rows and columns complete, boxes repeating: digit (x + y) mod 9.
    auto latin = std::make_unique<CellBoard>();
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) latin->SetEnteredAt(x, y, (x + y) % 9, Set);
    EXPECT_FALSE(latin->IsSolved());

    b->SetEnteredAt(0, 0, 0, Toggle);
    b->enteredCount = 81;  // stale in the other direction
    EXPECT_FALSE(b->IsSolved());
}

TEST(CellBoard, DeadCellIsAnUnsolvedCellWithoutCandidates) {
    auto b = std::make_unique<CellBoard>();
    EXPECT_FALSE(b->HasDeadCell());
    b->cells[3][3].SetAllCandidates(Clear);
    EXPECT_TRUE(b->HasDeadCell());
    b->cells[3][3].SetSolved(1, Set);
    EXPECT_FALSE(b->HasDeadCell());
}

TEST(MCell, PointingQueriesNeedOneBoxLine) {
    auto b = std::make_unique<CellBoard>();
    MCell& box = b->mcells[0];
    for (int i = 0; i < 9; ++i) box.cells[i]->SetCandidate(4, Clear);
    int c = 0;
    EXPECT_EQ(box.ColumnOfDigit(4, c), nullptr);
    EXPECT_EQ(c, 9);
    box.cells[1 * 3 + 2]->SetCandidate(4, Set);  // row 1, column 2
    box.cells[2 * 3 + 2]->SetCandidate(4, Set);  // row 2, column 2
    EXPECT_EQ(box.ColumnOfDigit(4, c), box.cells[5]);
    EXPECT_EQ(c, 2);
    int r = 0;
    EXPECT_EQ(box.RowOfDigit(4, r), nullptr);
    EXPECT_EQ(r, 9);
    box.solvedDigits[4] = 1;
    EXPECT_EQ(box.ColumnOfDigit(4, c), nullptr);
}
