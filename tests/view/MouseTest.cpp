// Playing with the mouse: the hit test, the three buttons, and the answer
// timer a full board starts.
#include "guisupport/WindowFixture.h"

#include <QElapsedTimer>

namespace sorvat::test {
namespace {

using MouseTest = PlayFixture;

TEST_F(MouseTest, RightClickEntersTheDigitWhereItCanAndASecondTakesItBack) {
    const int count = moves().Count();
    Click(Qt::RightButton, SquareCentre(2, 0, 3));
    EXPECT_EQ(CellAt(2, 0).enteredDigit, 3);
    EXPECT_FALSE(CellAt(2, 0).Has(3, LockBit));
    EXPECT_EQ(moves().Count(), count + 1);
    // Anywhere in the same cell: the click names the digit the cell shows.
    Click(Qt::RightButton, SquareCentre(2, 0, 8));
    EXPECT_FALSE(CellAt(2, 0).HasEntered());
    EXPECT_EQ(moves().Position(), count);

    // A right click on a Lock digit, a right double click on an empty cell
    // and clicks outside the board change nothing.
    Click(Qt::RightButton, SquareCentre(0, 0, 0));
    EXPECT_EQ(CellAt(0, 0).enteredDigit, 4);
    EXPECT_TRUE(CellAt(0, 0).Has(4, LockBit));
    EXPECT_EQ(moves().Position(), count);
    DoubleClick(Qt::RightButton, SquareCentre(2, 0, 3));  // enters and takes back
    EXPECT_FALSE(CellAt(2, 0).HasEntered());

    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        Click(button, QPoint(550, 300));
    EXPECT_EQ(moves().Position(), count);
}

TEST_F(MouseTest, MiddleClickSwitchesBetweenFixAndLock) {
    Click(Qt::RightButton, SquareCentre(2, 0, 3));
    Click(Qt::MiddleButton, SquareCentre(2, 0, 0));
    EXPECT_TRUE(CellAt(2, 0).Has(3, LockBit));
    Click(Qt::MiddleButton, SquareCentre(2, 0, 0));
    EXPECT_EQ(CellAt(2, 0).enteredDigit, 3);
    EXPECT_FALSE(CellAt(2, 0).Has(3, LockBit));
    // On an empty cell a middle click adds nothing.
    const int count = moves().Count();
    Click(Qt::MiddleButton, SquareCentre(8, 8, 0));
    EXPECT_EQ(moves().Count(), count);
}

TEST_F(MouseTest, LeftClickTogglesTheMarkAndADoubleClickLeavesItAsItWas) {
    Click(Qt::LeftButton, SquareCentre(2, 0, 1));
    EXPECT_TRUE(CellAt(2, 0).Has(1, PossibleBit));
    DoubleClick(Qt::LeftButton, SquareCentre(2, 0, 1));
    EXPECT_TRUE(CellAt(2, 0).Has(1, PossibleBit));
    Click(Qt::LeftButton, SquareCentre(2, 0, 1));
    EXPECT_FALSE(CellAt(2, 0).Has(1, PossibleBit));
}

TEST_F(MouseTest, TheLastDigitStartsTheAnswerCheckAndALeftClickNever) {
    FillAnswers();
    session().Undo();  // the answer of the last empty cell (6, 8)
    Click(Qt::LeftButton, SquareCentre(6, 8, 0));
    EXPECT_FALSE(view->IsAnswerTimerActive());
    Click(Qt::LeftButton, SquareCentre(6, 8, 0));  // the mark off again
    Click(Qt::RightButton, SquareCentre(6, 8, DigitAt(EasySolution, 6, 8)));
    EXPECT_EQ(board().enteredCount, 81);
    EXPECT_TRUE(view->IsAnswerTimerActive());
    EXPECT_TRUE(boxes.Boxes().empty());

    // 300 ms later the check runs and reports its verdict.
    QElapsedTimer clock;
    clock.start();
    while (boxes.Boxes().empty() && clock.elapsed() < 3000)
        QTest::qWait(20);
    EXPECT_GE(clock.elapsed(), 250);
    ASSERT_FALSE(boxes.Boxes().empty());
    EXPECT_EQ(boxes.Boxes()[0].title, QString::fromUtf8("正解です"));
    EXPECT_FALSE(view->IsAnswerTimerActive());
    Click(Qt::MiddleButton, SquareCentre(6, 8, 0));  // a Lock keeps the board full: checked again
    EXPECT_TRUE(board().Cell(6, 8).IsLocked());
    EXPECT_TRUE(view->IsAnswerTimerActive());
}

TEST_F(MouseTest, AClickRepaintsWithoutTheHoverColours) {
    SetMode(ModeHint);
    MoveTo(SquareCentre(2, 0, 4));
    EXPECT_TRUE(view->m_hoverOverlay.square);
    QTest::mouseClick(frame->windowHandle(), Qt::LeftButton, {},
                      view->mapTo(frame, SquareCentre(2, 0, 4)));
    ProcessEvents();
    EXPECT_FALSE(view->m_hoverOverlay.active);
    // The pointer stays in its square: nothing comes back until it moves on.
    MoveTo(SquareCentre(2, 0, 4) + QPoint(2, 2));
    EXPECT_FALSE(view->m_hoverOverlay.active);
    MoveTo(SquareCentre(2, 0, 5));
    EXPECT_TRUE(view->m_hoverOverlay.square);
}

TEST_F(MouseTest, LeavingTheWindowClearsTheHover) {
    MoveTo(SquareCentre(3, 3, 3));
    EXPECT_EQ(view->m_hoverSquare, QPoint(0, 1));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(view, &leave);
    EXPECT_EQ(view->m_hoverSquare, QPoint(9, 9));
    EXPECT_FALSE(view->m_hoverOverlay.square);
}

} // namespace
} // namespace sorvat::test
