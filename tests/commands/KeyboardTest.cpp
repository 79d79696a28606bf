#include "guisupport/ScriptedFileDialogs.h"
#include "guisupport/ScriptedKeysAndShell.h"
#include "guisupport/WindowFixture.h"

#include "game/MoveHint.h"
#include "commands/MemoWindow.h"
#include "platform/VirtualKeys.h"
#include "text/Cp932.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>

#include <functional>

using namespace sorvat;
using namespace sorvat::test;

using Keyboard = CommandFixture;

// Keys as the window system delivers them, through the application's
// filter: only the main window's own keys reach the board and the
// accelerators; what is typed into a box, a dialog or an open menu stays there.
class KeyRouting : public WindowFixture {
protected:
    // Runs `open`, which shows a modal window, types into that window with
    // `type` and closes it.
    static void TypeIntoModal(const std::function<void()>& open, const std::function<void(QWidget*)>& type) {
        bool typed = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible()) return;
            poll.stop();
            type(modal);
            modal->close();
            typed = true;
        });
        poll.start(10);
        open();
        EXPECT_TRUE(typed);
    }
};

TEST_F(KeyRouting, OnlyTheMainWindowsKeysPlay) {
    Start();
    const std::filesystem::path puzzle = WritePuzzle("q1.md2");
    view->LoadFile(puzzle.string());
    const MoveHint hint = session().NextMove(1010);  // the one key A follows
    ASSERT_TRUE(hint.Found());
    const QString expected = QString::fromStdString(Cp932ToUtf8(hint.text));
    QTest::keyClick(frame->windowHandle(), Qt::Key_A);
    EXPECT_EQ(moves().Count(), 31);
    const int x = hint.move.x, y = hint.move.y;
    EXPECT_EQ(board().Cell(x, y).enteredDigit, DigitAt(EasySolution, x, y));
    EXPECT_EQ(frame->StatusText(), expected);
    QTest::keyClick(frame->windowHandle(), Qt::Key_A, Qt::AltModifier);  // a system key
    EXPECT_EQ(moves().Count(), 31);

    // The Info box of 次の一手, as the real box shows it.
    MessageBoxService* scripted = SetMessageBoxService(nullptr);
    TypeIntoModal([&] { frame->Action(ID_EDIT_NEXT_MOVE)->trigger(); },
                  [](QWidget* box) { QTest::keyClick(box->windowHandle(), Qt::Key_A); });
    SetMessageBoxService(scripted);

    // The open dialog keeps its text, its paste and the file keys.
    QString typed;
    TypeIntoModal([&] { QTest::keyClick(frame->windowHandle(), Qt::Key_O, Qt::ControlModifier); },
                  [&](QWidget* dialog) {
                      ScriptedFileDialogs nested;
                      QGuiApplication::clipboard()->setText(QStringLiteral("bbb"));
                      for (int i = 0; i < 3; ++i) QTest::keyClick(dialog->windowHandle(), Qt::Key_A);
                      for (const Qt::Key key : {Qt::Key_V, Qt::Key_S, Qt::Key_O})
                          QTest::keyClick(dialog->windowHandle(), key, Qt::ControlModifier);
                      typed = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
                      EXPECT_EQ(nested.OpenQuestions() + nested.SaveQuestions(), 0);
                  });
    EXPECT_EQ(typed, QStringLiteral("aaabbb"));
    EXPECT_EQ(ReadBytes(puzzle), PuzzleFile::Format("q1.md2", Givens()));

    // An open menu (編集, where A is no mnemonic), whichever window the key
    // is given to.
    QMenuBar* bar = frame->menuBar();
    QAction* editMenu = bar->actions().at(1);
    QTest::mouseClick(frame->windowHandle(), Qt::LeftButton, {}, bar->mapTo(frame, bar->actionGeometry(editMenu).center()));
    ProcessEvents();
    ASSERT_EQ(QApplication::activePopupWidget(), editMenu->menu());
    QTest::keyClick(editMenu->menu()->windowHandle(), Qt::Key_A);
    QTest::keyClick(frame->windowHandle(), Qt::Key_A);
    QTest::keyClick(editMenu->menu()->windowHandle(), Qt::Key_Escape);
    EXPECT_EQ(moves().Count(), 31);

    // The memo box of a loaded file.
    view->LoadFile(WritePuzzle("memo.md2", Givens(), "a memo").string());
    ProcessEvents();
    QMessageBox* memo = dynamic_cast<MemoWindow&>(view->GetMemoHandoff()).Box();
    ASSERT_NE(memo, nullptr);
    QTest::keyClick(memo->windowHandle(), Qt::Key_A);
    EXPECT_EQ(moves().Count(), 30);
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
        commands->HandleKey(VK_KeyC);
        EXPECT_EQ(frame->windowTitle(), title);
    }
    commands->HandleKey(0x5A);  // Ctrl+Shift+Z: nothing
    EXPECT_EQ(frame->windowTitle(), "CTRL+SHIFT");
}
