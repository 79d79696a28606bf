// Playing with the keys through the window's own event path (the
// application's key filter first, then the board): the cursor, the keys that
// do what the buttons do, and the cursor drawn only once a key used it.
#include "guisupport/WindowFixture.h"

#include "shell/LevelEdit.h"
#include "view/BoardPainter.h"

#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QToolTip>

namespace sorvat::test {
namespace {

class KeyPlayTest : public PlayFixture {
protected:
    void SetUp() override {
        PlayFixture::SetUp();
        ASSERT_TRUE(view->hasFocus());
    }
    void GoTo(int x, int y) {
        Key(Qt::Key_Home, Qt::ControlModifier);
        for (int i = 0; i < x; ++i) Key(Qt::Key_Right);
        for (int i = 0; i < y; ++i) Key(Qt::Key_Down);
    }
};

TEST_F(KeyPlayTest, TheCursorMovesWithTheArrowsHomeAndEndAndStopsAtTheEdges) {
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        CellCursor to;
    } steps[] = {
        {Qt::Key_Left, {}, {0, 0}},  {Qt::Key_Up, {}, {0, 0}},   {Qt::Key_Right, {}, {1, 0}},
        {Qt::Key_Down, {}, {1, 1}},  {Qt::Key_End, {}, {8, 1}},  {Qt::Key_Right, {}, {8, 1}},
        {Qt::Key_Home, {}, {0, 1}},  {Qt::Key_End, Qt::ControlModifier, {8, 8}},
        {Qt::Key_Down, {}, {8, 8}},  {Qt::Key_Home, Qt::ControlModifier, {0, 0}},
    };
    for (const auto& step : steps) {
        Key(step.key, step.modifiers);
        EXPECT_EQ(view->m_cursor, step.to) << step.key;
    }
    EXPECT_EQ(moves().Count(), Givens().Count());
}

// On the empty cell (2, 0) and the given 5 at (0, 0).
TEST_F(KeyPlayTest, KeysEnterAsTheButtonsDoWhileTheBoardHasTheFocus) {
    frame->DialogBar()->LevelEdit()->setText(QStringLiteral("0"));  // the entered digits' eliminations only
    const int givens = moves().Count();
    ASSERT_TRUE(CellAt(2, 8).Has(3, CandidateBit));
    GoTo(2, 0);
    Key(Qt::Key_2, Qt::ControlModifier);  // left button: a Possible mark
    EXPECT_TRUE(CellAt(2, 0).Has(1, PossibleBit));
    Key(Qt::Key_2, Qt::ControlModifier);
    EXPECT_FALSE(CellAt(2, 0).Has(1, PossibleBit));
    Key(Qt::Key_4);  // right button: a Fix, and the analysis runs
    EXPECT_EQ(CellAt(2, 0).enteredDigit, 3);
    EXPECT_FALSE(CellAt(2, 8).Has(3, CandidateBit));
    Key(Qt::Key_7);  // the typed digit replaces the Fix, and again takes it back
    EXPECT_EQ(CellAt(2, 0).enteredDigit, 6);
    Key(Qt::Key_7);
    EXPECT_FALSE(CellAt(2, 0).HasEntered());
    EXPECT_EQ(moves().Position(), givens);
    Key(Qt::Key_4, Qt::AltModifier);  // keys with Alt or Meta are not the board's
    Key(Qt::Key_4, Qt::MetaModifier);
    EXPECT_FALSE(CellAt(2, 0).HasEntered());
    Key(Qt::Key_4);
    Key(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_FALSE(CellAt(2, 0).IsLocked());
    Key(Qt::Key_Space);  // middle button: a Lock
    EXPECT_TRUE(CellAt(2, 0).IsLocked());
    Key(Qt::Key_Space);
    Key(Qt::Key_Delete);  // takes the Fix back
    EXPECT_FALSE(CellAt(2, 0).HasEntered());

    Key(Qt::Key_Home);  // a given does not change
    const int count = moves().Count();
    for (int key : {Qt::Key_Delete, Qt::Key_9, Qt::Key_Backspace}) Key(key);
    EXPECT_TRUE(CellAt(0, 0).IsLocked());
    EXPECT_EQ(moves().Count(), count);

    frame->DialogBar()->LevelEdit()->setFocus();  // keys only while the board has the focus
    for (int key : {Qt::Key_4, Qt::Key_Space, Qt::Key_Right}) Key(key);
    EXPECT_EQ(view->m_cursor, (CellCursor{0, 0}));
    EXPECT_EQ(moves().Count(), count);
    Key(Qt::Key_Escape);  // gives the keys back to the board
    ASSERT_EQ(QApplication::focusWidget(), view);
    Key(Qt::Key_A);  // the next move still comes through the key filter
    EXPECT_EQ(moves().Count(), count + 1);
    // A message pane narrower than the explanation shows it whole in its tooltip.
    auto* pane = frame->findChild<QLabel*>(QStringLiteral("messagePane"));
    pane->setMaximumWidth(pane->sizeHint().width() / 2);  // a narrow window, a long English line
    ProcessEvents();
    QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), pane->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(pane, &tip);
    EXPECT_EQ(QToolTip::text(), frame->StatusText());
    Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), frame->DialogBar()->Control(ID_EDIT_UNDO_MOVE));
}

// A click on a control of the dialog bar does its command and gives the keys
// back to the board, where Tab had taken them.
TEST_F(KeyPlayTest, ClicksOnTheDialogBarLeaveTheKeysWithTheBoard) {
    for (int id : {ID_EDIT_REDO_MOVE, IDC_MODE_HINT, IDC_REPEAT, IDC_LEVEL_SPIN}) {
        Key(Qt::Key_Tab);
        const QWidget* control = frame->DialogBar()->Control(id);
        QTest::mouseClick(frame->windowHandle(), Qt::LeftButton, {}, control->mapTo(frame, QPoint(4, 4)));
        ProcessEvents();
        EXPECT_EQ(QApplication::focusWidget(), view) << id;
    }
    EXPECT_EQ(g_pSettings->displayMode, ModeHint);
    EXPECT_EQ(g_pSettings->analysisLevel, 1);  // the spin's up arrow
}

// A click moves the cursor without drawing it; once a key used it, it shows
// in every mode, with its digit highlighted in the checking modes, but is
// never printed.
TEST_F(KeyPlayTest, TheCursorIsDrawnOnceAKeyUsedItButNeverPrinted) {
    auto cursorPixels = [](const QImage& image) { return CountColor(image, image.rect(), colors::Cursor); };
    Click(Qt::RightButton, SquareCentre(4, 3, 0));
    EXPECT_EQ(view->m_cursor, (CellCursor{4, 3}));
    EXPECT_EQ(cursorPixels(Render()), 0);
    Key(Qt::Key_Home, Qt::ControlModifier);  // on the given 5 at (0, 0)
    const QRect cell(CellCorner(0, 0), QSize(57, 57));
    for (int mode : {ModeSelf, ModeHint, ModeAnalysis}) {
        SetMode(mode);
        const QImage image = Render();
        EXPECT_GT(CountColor(image, cell, colors::Cursor), 3 * 4 * 50) << mode;
        EXPECT_EQ(cursorPixels(image), CountColor(image, cell, colors::Cursor)) << mode;
        // The 5 at (5, 1) turns yellow in the checking modes.
        EXPECT_EQ(CountColor(image, QRect(CellCorner(5, 1), QSize(57, 57)), colors::Yellow) > 0, mode != ModeSelf);
    }
    view->OnBeginPrinting();
    QImage page(1200, 1200, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    view->OnDraw(painter);
    painter.end();
    view->OnEndPrinting();
    EXPECT_EQ(cursorPixels(page), 0);
}

} // namespace
} // namespace sorvat::test
