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

std::string NextMoveText(CellBoard& b) { return Cp932ToUtf8(NextMoveBytes(b)); }

} // namespace

TEST(MoveMessages, TextsAreTheCodePage932FormsOfTheJapaneseTexts) {
    EXPECT_EQ(Utf8ToCp932("次の手が見つかりませんでした。"), messages::NoMoveText);
    EXPECT_EQ(std::strlen(messages::NoMoveText), 30u);
    EXPECT_EQ(Utf8ToCp932("Level%d までの解析で (X%d,Y%d) = %d に確定します。"), messages::MoveText);
    EXPECT_EQ(Utf8ToCp932("%sMCell内に数字%dが入る可能性のあるSCellはX%dY%dしかありません。"),
              messages::BoxHiddenSingleReason);
    EXPECT_EQ(Utf8ToCp932("X%d_TCell内に数字%dが入る可能性のあるSCellはX%dY%dしかありません。"),
              messages::ColumnHiddenSingleReason);
    EXPECT_EQ(Utf8ToCp932("Y%d_YCell内に数字%dが入る可能性のあるSCellはX%dY%dしかありません。"),
              messages::RowHiddenSingleReason);
    EXPECT_EQ(Utf8ToCp932("解析の過程で%dはX%dY%dSCellの単独候補となりました。"), messages::NakedSingleReason);
    EXPECT_EQ(Utf8ToCp932("右下"), messages::BoxNames[8]);
}

TEST(NextMove, NothingFoundOnAnEmptyBoardAndSmallBuffersCutTheText) {
    EntryList list;
    auto b = std::make_unique<CellBoard>();
    b->entries = &list;
    EXPECT_EQ(NextMoveText(*b), "次の手が見つかりませんでした。");
    auto none = std::make_unique<CellBoard>();  // no entry list at all
    EXPECT_EQ(NextMoveBytes(*none).size(), 30u);

    char buffer[20];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(b->NextMove(buffer, sizeof buffer), 17);  // messageSize 19, cut at 17 bytes
    EXPECT_EQ(std::string(buffer, 17), std::string(messages::NoMoveText, 17));
}

TEST(NextMove, BoxSingleIsReportedAtLevelOneWithTheBoxReason) {
    EntryList list = BoxHiddenSingleLocks();
    auto b = std::make_unique<CellBoard>();
    b->entries = &list;
    EXPECT_EQ(NextMoveText(*b),
              "Level1 までの解析で (X1,Y3) = 5 に確定します。\r\n"
              "左上MCell内に数字5が入る可能性のあるSCellはX1Y3しかありません。");
}

TEST(NextMove, RestoresTheBoardsSettingsAndAnalysis) {
    EntryList list = LocksFromLine(ReadPuzzleCases("qqwing.txt").at(5).puzzle);
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

// Each move's digit is checked by SoundnessPropertyTest; here the moves are
// followed to the end as the player does.
TEST(NextMove, FollowingTheMovesSolvesPuzzles) {
    int finished = 0;
    for (const auto& pc : ReadPuzzleCases("qqwing.txt")) {
        EntryList list = LocksFromLine(pc.puzzle);
        auto b = Analysed(list, 8, true);
        for (int step = 0; step < 81; ++step) {
            const std::string text = NextMoveText(*b);
            auto [x, y, digit] = MovedCell(text);
            if (x == 0) break;
            // The keyboard shortcut reads the cell from the first X and Y.
            EXPECT_EQ(text[text.find('X') + 1] - '0', x);
            EXPECT_EQ(text[text.find('Y') + 1] - '0', y);
            list.Add(Entry(x - 1, y - 1, digit - 1, Fix));
            b->Analyze();
        }
        if (b->enteredCount == 81) {
            EXPECT_TRUE(b->IsSolved()) << pc.puzzle;
            ++finished;
        }
    }
    EXPECT_GT(finished, 30);
}
