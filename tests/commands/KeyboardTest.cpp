#include "guisupport/ScriptedKeysAndShell.h"
#include "guisupport/WindowFixture.h"

#include "commands/NextMoveText.h"
#include "commands/VirtualKeys.h"
#include "text/Cp932.h"

using namespace sorvat;
using namespace sorvat::test;

namespace {

using Keyboard = CommandFixture;

QString NextMoveText(CellBoard& board) {
    char buffer[1010] = {};
    board.NextMove(buffer, sizeof buffer);
    return QString::fromStdString(Cp932ToUtf8(buffer));
}

} // namespace

TEST(NextMoveTextTest, CellIsReadAfterTheFirstXAndY) {
    const auto cell = MoveCellOfText(QString::fromUtf8("X3Y7 に 5 が入ります (X9Y9)"));
    ASSERT_TRUE(cell.has_value());
    EXPECT_EQ(cell->x, 2);
    EXPECT_EQ(cell->y, 6);
    const auto notDigit = MoveCellOfText(QStringLiteral("Xa Y"));
    ASSERT_TRUE(notDigit.has_value());
    EXPECT_EQ(notDigit->x, -1);
    EXPECT_EQ(notDigit->y, -1);
    EXPECT_FALSE(MoveCellOfText(QString::fromUtf8("次の手が見つかりませんでした。")).has_value());
    EXPECT_FALSE(MoveCellOfText(QStringLiteral("X1 only")).has_value());
}

TEST_F(Keyboard, KeyAEntersTheAnswerOfTheExplainedCell) {
    view->LoadFile(WritePuzzle("q1.md2").string());
    const QString expected = NextMoveText(view->m_board);
    const auto cell = MoveCellOfText(expected);
    ASSERT_TRUE(cell.has_value());
    view->HandleKey(VK_KeyA);
    EXPECT_EQ(view->m_moves.Count(), 31);
    const SCell& entered = view->m_board.Cell(cell->x, cell->y);
    EXPECT_EQ(entered.enteredDigit, DigitAt(EasySolution, cell->x, cell->y));
    EXPECT_FALSE(entered.IsLocked());
    EXPECT_EQ(frame->StatusText(), expected);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(Keyboard, KeyAWithoutLocksEntersNothingButExplains) {
    EntryList fixes;
    AddGrid(fixes, EasyPuzzle, Fix);
    view->LoadFile(WritePuzzle("f1.md1", fixes).string());
    const QString expected = NextMoveText(view->m_board);
    ASSERT_TRUE(MoveCellOfText(expected).has_value());
    view->m_moves.Undo();  // leaves a redo tail
    const int position = view->m_moves.Position();

    view->HandleKey(VK_KeyA);
    // The answer board knows nothing: the entry is refused, the tail is gone.
    EXPECT_EQ(view->m_moves.Count(), position);
    EXPECT_EQ(view->m_moves.Position(), position);
    EXPECT_EQ(frame->StatusText(), expected);
}

TEST_F(Keyboard, KeyAOnACompleteBoardDoesNothing) {
    PlaySolved(WritePuzzle("q1.md2"));
    frame->SetStatusText(QStringLiteral("before"));
    view->HandleKey(VK_KeyA);
    EXPECT_EQ(view->m_moves.Count(), 81);
    EXPECT_EQ(frame->StatusText(), "before");
}

TEST_F(Keyboard, CtrlCWritesItsNameIntoTheTitle) {
    HeldKeys keys;
    frame->setWindowTitle(QStringLiteral("q1.md2"));
    const std::pair<std::set<int>, const char*> steps[] = {
        {{}, "q1.md2"},
        {{VK_CONTROL_KEY}, "CTRL"},
        {{VK_CONTROL_KEY, VK_SHIFT_KEY}, "CTRL+SHIFT"},
    };
    for (const auto& [held, title] : steps) {
        keys.held = held;
        view->HandleKey(VK_KeyC);
        EXPECT_EQ(frame->windowTitle(), title);
    }
    view->HandleKey(0x5A);  // Ctrl+Shift+Z: nothing
    EXPECT_EQ(frame->windowTitle(), "CTRL+SHIFT");

    // Without the main frame the title is left alone.
    CMainFrame* published = g_pMainFrame;
    g_pMainFrame = nullptr;
    keys.held = {VK_CONTROL_KEY};
    view->HandleKey(VK_KeyC);
    g_pMainFrame = published;
    EXPECT_EQ(frame->windowTitle(), "CTRL+SHIFT");
}
