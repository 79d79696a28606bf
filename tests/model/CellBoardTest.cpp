#include "model/CellBoard.h"

#include <gtest/gtest.h>
#include <memory>

using namespace sorvat;

TEST(CellBoard, RejectedArgumentsChangeNothing) {
    auto b = std::make_unique<CellBoard>();
    EXPECT_EQ(b->Place(9, 0, 1), 9);
    b->SetEnteredAt(0, 0, 1, 3);
    b->SetPossibleAt(-1, 0, 1, Set);
    EXPECT_TRUE(b->Equals(*std::make_unique<CellBoard>()));
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
