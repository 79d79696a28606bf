#include "guisupport/ScriptedKeysAndShell.h"
#include "guisupport/WindowFixture.h"

#include "game/MoveHint.h"
#include "platform/VirtualKeys.h"
#include "text/Cp932.h"

using namespace sorvat;
using namespace sorvat::test;

namespace {

using Keyboard = CommandFixture;

// The hint key A follows, and its text as the status bar shows it.
std::pair<MoveHint, QString> Hint(CellBoard& board) {
    MoveHint hint = FindNextMove(board, 1010);
    const QString text = QString::fromStdString(Cp932ToUtf8(hint.text));
    return {hint, text};
}

} // namespace

TEST_F(Keyboard, KeyAEntersTheAnswerOfTheExplainedCell) {
    view->LoadFile(WritePuzzle("q1.md2").string());
    const auto [hint, expected] = Hint(view->m_board);
    ASSERT_TRUE(hint.Found());
    view->HandleKey(VK_KeyA);
    EXPECT_EQ(view->m_moves.Count(), 31);
    const SCell& entered = view->m_board.Cell(hint.move.x, hint.move.y);
    EXPECT_EQ(entered.enteredDigit, DigitAt(EasySolution, hint.move.x, hint.move.y));
    EXPECT_FALSE(entered.IsLocked());
    EXPECT_EQ(frame->StatusText(), expected);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(Keyboard, KeyAWithoutLocksEntersNothingButExplains) {
    EntryList fixes;
    AddGrid(fixes, EasyPuzzle, Fix);
    view->LoadFile(WritePuzzle("f1.md1", fixes).string());
    const auto [hint, expected] = Hint(view->m_board);
    ASSERT_TRUE(hint.Found());
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
}
