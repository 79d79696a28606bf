#include "model/CellBoard.h"
#include "model/MoveMessages.h"
#include "support/Puzzles.h"
#include "text/Cp932.h"

#include <gtest/gtest.h>
#include <cstring>
#include <memory>

using namespace sorvat;
using namespace sorvat::test;

namespace {

// The code page 932 bytes of the board's next move.
std::string NextMoveBytes(CellBoard& board) {
    char buffer[NextMoveBufferSize];
    const int length = board.NextMove(buffer, sizeof buffer);
    return std::string(buffer, static_cast<std::size_t>(length));
}

} // namespace

TEST(NextMove, NothingFoundOnAnEmptyBoardAndSmallBuffersCutTheText) {
    EntryList list;
    auto b = std::make_unique<CellBoard>();
    b->entries = &list;
    EXPECT_EQ(Cp932ToUtf8(NextMoveBytes(*b)), "次の手が見つかりませんでした。");
    auto none = std::make_unique<CellBoard>();  // no entry list at all
    EXPECT_EQ(NextMoveBytes(*none).size(), 30u);

    char buffer[20];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(b->NextMove(buffer, sizeof buffer), 17);  // messageSize 19, cut at 17 bytes
    EXPECT_EQ(std::string(buffer, 17), std::string(messages::NoMoveText, 17));
}

TEST(NextMove, RestoresTheBoardsSettingsAndAnalysis) {
    EntryList list = Givens(ReadPuzzleCases("qqwing.txt").at(5).puzzle);
    EntryList copy = list;
    auto b = std::make_unique<CellBoard>();  // not analysed before
    b->entries = &list;
    b->SetLevel(4);
    NextMoveBytes(*b);
    EXPECT_EQ(b->messageSize, 0);
    EXPECT_EQ(b->messageBuffer, nullptr);
    EXPECT_FALSE(b->stopFlag);
    EXPECT_EQ(b->columnLimit + b->rowLimit + b->singleLimit, 0);
    EXPECT_EQ(b->level, 4);
    EXPECT_EQ(b->repeatUntilStable, 0);
    EXPECT_EQ(list.Count(), copy.Count());
    EXPECT_TRUE(b->Equals(*Analysed(copy, 4, false)));
}
