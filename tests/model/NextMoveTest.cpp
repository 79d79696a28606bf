#include "model/CellBoard.h"
#include "model/MoveMessages.h"
#include "support/Puzzles.h"
#include "text/Cp932.h"

#include <gtest/gtest.h>
#include <memory>
#include <regex>
#include <cstring>

using namespace sorvat;
using namespace sorvat::test;

namespace {

struct Move {
    int length;
    std::string text;  // UTF-8
};

Move NextMoveOf(CellBoard& b) {
    char buffer[NextMoveBufferSize];
    std::memset(buffer, 'x', sizeof buffer);
    const int length = b.NextMove(buffer, sizeof buffer);
    return {length, Cp932ToUtf8(std::string_view(buffer, static_cast<std::size_t>(length)))};
}

// (x, y, digit) of a determination message, 1-based, or all zero.
std::tuple<int, int, int> MovedCell(const std::string& text) {
    std::smatch m;
    static const std::regex re(R"(\(X(\d),Y(\d)\) = (\d))");
    if (!std::regex_search(text, m, re)) return {0, 0, 0};
    return {std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3])};
}

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

TEST(NextMove, NothingFoundOnAnEmptyBoard) {
    EntryList list;
    auto b = std::make_unique<CellBoard>();
    b->entries = &list;
    const Move m = NextMoveOf(*b);
    EXPECT_EQ(m.text, "次の手が見つかりませんでした。");
    EXPECT_EQ(m.length, 30);

    auto none = std::make_unique<CellBoard>();  // no entry list at all
    EXPECT_EQ(NextMoveOf(*none).length, 30);
}

TEST(NextMove, BoxSingleIsReportedAtLevelOneWithTheBoxReason) {
    EntryList list;
    list.Add(Entry(4, 0, 4, Lock));
    list.Add(Entry(7, 1, 4, Lock));
    list.Add(Entry(1, 5, 4, Lock));
    list.Add(Entry(2, 7, 4, Lock));
    auto b = std::make_unique<CellBoard>();
    b->entries = &list;
    const Move m = NextMoveOf(*b);
    EXPECT_EQ(m.text,
              "Level1 までの解析で (X1,Y3) = 5 に確定します。\r\n"
              "左上MCell内に数字5が入る可能性のあるSCellはX1Y3しかありません。");
    EXPECT_EQ(m.length, static_cast<int>(Utf8ToCp932(m.text).size()));
}

TEST(NextMove, RestoresTheBoardsSettingsAndAnalysis) {
    const auto cases = ReadPuzzleCases("qqwing.txt");
    EntryList list = LocksFromLine(cases[5].puzzle);
    EntryList copy = list;
    auto b = std::make_unique<CellBoard>();
    b->entries = &list;
    b->SetLevel(4);
    b->repeatUntilStable = 0;
    NextMoveOf(*b);
    EXPECT_EQ(b->messageSize, 0);
    EXPECT_EQ(b->messageBuffer, nullptr);
    EXPECT_FALSE(b->stopFlag);
    EXPECT_EQ(b->columnLimit + b->rowLimit + b->singleLimit, 0);
    EXPECT_EQ(b->level, 4);
    EXPECT_EQ(b->repeatUntilStable, 0);
    EXPECT_EQ(list.Count(), copy.Count());

    auto plain = std::make_unique<CellBoard>();
    plain->entries = &copy;
    plain->SetLevel(4);
    plain->Analyze();
    EXPECT_TRUE(b->Equals(*plain));
}

TEST(NextMove, FollowingTheMovesSolvesPuzzlesCorrectly) {
    int finished = 0;
    for (const auto& pc : ReadPuzzleCases("qqwing.txt")) {
        EntryList list = LocksFromLine(pc.puzzle);
        auto b = std::make_unique<CellBoard>();
        b->entries = &list;
        b->SetLevel(8);
        b->repeatUntilStable = 1;
        for (int step = 0; step < 81; ++step) {
            const Move m = NextMoveOf(*b);
            auto [x, y, digit] = MovedCell(m.text);
            if (x == 0) break;
            ASSERT_EQ(pc.solution[(y - 1) * 9 + (x - 1)] - '0', digit) << pc.puzzle << "\n" << m.text;
            // The cell was not entered yet.
            ASSERT_GT(b->cells[y - 1][x - 1].enteredDigit, 8) << m.text;
            // The keyboard shortcut reads the cell from the first X and Y.
            const auto xAt = m.text.find('X'), yAt = m.text.find('Y');
            EXPECT_EQ(m.text[xAt + 1] - '0', x);
            EXPECT_EQ(m.text[yAt + 1] - '0', y);
            list.Add(Entry(x - 1, y - 1, digit - 1, Fix));
            b->Analyze();
        }
        if (b->enteredCount == 81) {
            EXPECT_TRUE(b->IsSolved());
            ++finished;
        }
    }
    EXPECT_GT(finished, 30);
}

TEST(NextMove, SmallBuffersCutTheText) {
    EntryList list;
    auto b = std::make_unique<CellBoard>();
    b->entries = &list;
    char buffer[20];
    std::memset(buffer, 'x', sizeof buffer);
    const int length = b->NextMove(buffer, sizeof buffer);
    EXPECT_EQ(length, 17);  // messageSize 19, cut at 17 bytes
    EXPECT_EQ(std::string(buffer, 17), std::string(messages::NoMoveText, 17));
}
