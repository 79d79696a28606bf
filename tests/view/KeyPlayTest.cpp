// Playing with the keys through the window's own event path (the
// application's key filter first, then the board): the cursor, the keys that
// do what the buttons do, and the cursor drawn only once a key used it.
#include "guisupport/WindowFixture.h"

#include "shell/CommandIds.h"
#include "shell/LevelEdit.h"
#include "view/BoardPainter.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPainter>

namespace sorvat::test {
namespace {

class KeyPlayTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        Start();
        LoadGivens();
        ASSERT_TRUE(view->hasFocus());
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(frame->windowHandle(), key, modifiers);
        ProcessEvents();
    }
    // Moves the cursor to (x, y) with Ctrl+Home and the arrows.
    void GoTo(int x, int y) {
        Key(Qt::Key_Home, Qt::ControlModifier);
        for (int i = 0; i < x; ++i) Key(Qt::Key_Right);
        for (int i = 0; i < y; ++i) Key(Qt::Key_Down);
    }
    const SCell& CellAt(int x, int y) { return view->m_board.Cell(x, y); }
    int CursorPixels(const QImage& image) { return CountColor(image, image.rect(), colors::Cursor); }
};

TEST_F(KeyPlayTest, TheCursorMovesWithTheArrowsHomeAndEndAndStopsAtTheEdges) {
    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int x, y;
    };
    const Step steps[] = {
        {Qt::Key_Left, Qt::NoModifier, 0, 0},  {Qt::Key_Up, Qt::NoModifier, 0, 0},
        {Qt::Key_Right, Qt::NoModifier, 1, 0}, {Qt::Key_Down, Qt::NoModifier, 1, 1},
        {Qt::Key_End, Qt::NoModifier, 8, 1},   {Qt::Key_Right, Qt::NoModifier, 8, 1},
        {Qt::Key_Home, Qt::NoModifier, 0, 1},  {Qt::Key_End, Qt::ControlModifier, 8, 8},
        {Qt::Key_Down, Qt::NoModifier, 8, 8},  {Qt::Key_Home, Qt::ControlModifier, 0, 0},
    };
    EXPECT_FALSE(view->m_bCursorShown);
    for (const Step& step : steps) {
        Key(step.key, step.modifiers);
        EXPECT_EQ(view->m_cursor.x, step.x) << step.key;
        EXPECT_EQ(view->m_cursor.y, step.y) << step.key;
    }
    EXPECT_TRUE(view->m_bCursorShown);
    EXPECT_EQ(view->m_moves.Count(), Givens().Count());
}

// Each key does what its button does on the cursor cell (2, 0), empty in
// the puzzle, or on the given (0, 0).
TEST_F(KeyPlayTest, KeysEnterAsTheButtonsDo) {
    frame->DialogBar()->LevelEdit()->setText(QStringLiteral("0"));  // the entered digits' eliminations only
    const int givens = view->m_moves.Count();
    ASSERT_TRUE(CellAt(2, 8).Has(3, CandidateBit));
    GoTo(2, 0);
    Key(Qt::Key_2, Qt::ControlModifier);  // left click: a Possible mark
    EXPECT_TRUE(CellAt(2, 0).Has(1, PossibleBit));
    Key(Qt::Key_2, Qt::ControlModifier);
    EXPECT_FALSE(CellAt(2, 0).Has(1, PossibleBit));

    Key(Qt::Key_4);  // right click: a Fix, and the analysis runs
    EXPECT_EQ(CellAt(2, 0).enteredDigit, 3);
    EXPECT_FALSE(CellAt(2, 0).IsLocked());
    EXPECT_FALSE(CellAt(2, 8).Has(3, CandidateBit));
    Key(Qt::Key_7);  // on a filled cell the shown digit rules: taken back
    EXPECT_FALSE(CellAt(2, 0).HasEntered());
    EXPECT_EQ(view->m_moves.Position(), givens);

    Key(Qt::Key_4);
    Key(Qt::Key_Space);  // middle click: Fix to Lock, and the answer follows
    EXPECT_TRUE(CellAt(2, 0).IsLocked());
    EXPECT_EQ(view->m_solutionMoves.At(givens).kind, Lock);  // the answer board has the new given
    Key(Qt::Key_Space);
    EXPECT_EQ(CellAt(2, 0).enteredDigit, 3);
    EXPECT_FALSE(CellAt(2, 0).IsLocked());
    Key(Qt::Key_Delete);  // takes the Fix back
    EXPECT_FALSE(CellAt(2, 0).HasEntered());
    Key(Qt::Key_Backspace);  // on an empty cell: nothing
    Key(Qt::Key_5);
    Key(Qt::Key_Backspace);
    EXPECT_FALSE(CellAt(2, 0).HasEntered());

    const int count = view->m_moves.Count();
    Key(Qt::Key_Home);  // the given 5 at (0, 0) stays as it is
    Key(Qt::Key_Delete);
    Key(Qt::Key_9);
    EXPECT_EQ(CellAt(0, 0).enteredDigit, 4);
    EXPECT_TRUE(CellAt(0, 0).IsLocked());
    EXPECT_EQ(view->m_moves.Count(), count);
}

TEST_F(KeyPlayTest, KeysPlayOnlyWhileTheBoardHasTheFocusAndKeyAKeepsItsMeaning) {
    GoTo(2, 0);
    QLineEdit* level = frame->DialogBar()->LevelEdit();
    level->setFocus();
    ProcessEvents();
    const int count = view->m_moves.Count();
    const QString levelText = level->text();
    for (Qt::Key key : {Qt::Key_4, Qt::Key_Space, Qt::Key_Delete})
        Key(key);
    EXPECT_EQ(view->m_moves.Count(), count);
    EXPECT_EQ(level->text(), levelText);

    view->setFocus();
    Key(Qt::Key_A);  // the next move, entered through the key filter
    EXPECT_EQ(view->m_moves.Count(), count + 1);
    EXPECT_FALSE(frame->StatusText().isEmpty());
    Key(Qt::Key_Tab);  // on to the dialog bar
    EXPECT_EQ(QApplication::focusWidget(), frame->DialogBar()->Control(ID_EDIT_UNDO_MOVE));
}

TEST_F(KeyPlayTest, TheLastDigitByKeyStartsTheAnswerCheckAndAMarkNever) {
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x)
            if (EasyPuzzle[y * 9 + x] == '0' && !(x == 6 && y == 8))
                view->m_moves.Add(Entry(x, y, DigitAt(EasySolution, x, y), Fix));
    view->m_board.Analyze();
    GoTo(6, 8);
    Key(Qt::Key_1, Qt::ControlModifier);
    EXPECT_FALSE(view->IsAnswerTimerActive());
    Key(static_cast<Qt::Key>(Qt::Key_1 + DigitAt(EasySolution, 6, 8)));
    EXPECT_EQ(view->m_board.enteredCount, 81);
    EXPECT_TRUE(view->IsAnswerTimerActive());
    QElapsedTimer clock;
    clock.start();
    while (boxes.Boxes().empty() && clock.elapsed() < 3000) QTest::qWait(20);
    ASSERT_FALSE(boxes.Boxes().empty());
    EXPECT_EQ(boxes.Boxes()[0].title, QString::fromUtf8("正解です"));
}

TEST_F(KeyPlayTest, AClickMovesTheCursorWithoutShowingIt) {
    Click(Qt::RightButton, SquareCentre(4, 3, 0));
    EXPECT_EQ(view->m_cursor, (CellCursor{4, 3}));
    EXPECT_FALSE(view->m_bCursorShown);
    EXPECT_EQ(CursorPixels(Render()), 0);
    Key(Qt::Key_Right);
    EXPECT_EQ(view->m_cursor, (CellCursor{5, 3}));
}

// The cursor frame shows in every mode once a key moved it; the checking
// modes highlight its digit; printing never shows it.
TEST_F(KeyPlayTest, TheCursorIsDrawnInEveryModeButNeverPrinted) {
    EXPECT_EQ(CursorPixels(Render()), 0);
    Key(Qt::Key_Home);  // on the given 5 at (0, 0)
    for (int mode : {ModeSelf, ModeHint, ModeAnalysis}) {
        SetMode(mode);
        const QImage image = Render();
        const QRect cell(CellCorner(0, 0), QSize(57, 57));
        EXPECT_GT(CountColor(image, cell, colors::Cursor), 3 * 4 * 50) << mode;
        EXPECT_EQ(CursorPixels(image), CountColor(image, cell, colors::Cursor)) << mode;
        // The other 5s of the puzzle turn yellow in the checking modes.
        EXPECT_EQ(CountColor(image, QRect(CellCorner(5, 1), QSize(57, 57)), colors::Yellow) > 0, mode != ModeSelf)
            << mode;
    }
    view->OnBeginPrinting();
    EXPECT_EQ(CursorPixels(Render()), 0);
    QImage page(1200, 1200, QImage::Format_RGB32);
    QPainter painter(&page);
    view->OnDraw(painter);
    painter.end();
    view->OnEndPrinting();
    EXPECT_EQ(CursorPixels(page), 0);
}

} // namespace
} // namespace sorvat::test
