// The counter row of the dialog bar: totals, per-digit counts and their
// colours against the answer board.
#include "game/AnswerBoard.h"
#include "guisupport/WindowFixture.h"

#include "shell/StatusDialogBar.h"
#include "view/BoardPainter.h"

#include <QImage>

#include <gtest/gtest.h>

namespace sorvat::test {
namespace {

class DialogBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        AddGrid(solutionMoves, EasyPuzzle, Lock);
        AnalyzeGivens(solutionMoves, solution);
        AddGrid(moves, EasyPuzzle, Lock);
    }
    void Update() {
        BuildBoard(board, moves);
        bar.UpdateStatus(board, solution);
    }
    // Blue pixels inside the frame of digit index d (or the total for -1).
    int BluePixels(int d) {
        const QImage image = bar.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const int x = d < 0 ? 105 : CStatusDialogBar::CounterX(d) - 4;
        return CountColor(image, QRect(x, 3, 40, 18), QColor(0, 0, 255));
    }

    EntryList solutionMoves;
    CellBoard solution;
    EntryList moves;
    CellBoard board;
    CStatusDialogBar bar;
};

TEST_F(DialogBarTest, CorrectlyCompletedBoardIsAllBlue) {
    AddAnswers(moves, EasyPuzzle, EasySolution);
    Update();
    EXPECT_EQ(bar.Entered(), 81);
    EXPECT_EQ(bar.Status(), 1);
    for (int d = 0; d < 9; ++d) {
        EXPECT_EQ(bar.DigitText(d), QStringLiteral("%1:9").arg(d + 1));
        EXPECT_EQ(bar.DigitStatus(d), 1);
        EXPECT_GT(BluePixels(d), 10);
    }
    EXPECT_GT(BluePixels(-1), 10);
}

TEST_F(DialogBarTest, OneWrongDigitTurnsItsCounterAndTheTotalBlack) {
    // Cell (2, 0) answers 4; enter a 7 there instead.
    std::string answers(EasySolution);
    answers[2] = '7';
    AddAnswers(moves, EasyPuzzle, answers);
    Update();
    EXPECT_EQ(bar.Entered(), 81);
    EXPECT_EQ(bar.Status(), 2);
    EXPECT_EQ(bar.DigitStatus(6), 2);
    EXPECT_EQ(bar.DigitText(6), QStringLiteral("7:A"));  // ten sevens
    EXPECT_EQ(bar.DigitStatus(3), 0);                     // eight fours
    EXPECT_EQ(bar.DigitText(3), QStringLiteral("4:8"));
    EXPECT_EQ(bar.DigitStatus(0), 1);
    EXPECT_EQ(BluePixels(-1), 0);
    EXPECT_EQ(BluePixels(6), 0);
    EXPECT_GT(BluePixels(0), 10);
}

TEST_F(DialogBarTest, UndeterminedAnswerMakesEverythingInItWrong) {
    // With no givens the answer board determines nothing.
    EntryList emptyMoves;
    CellBoard empty;
    BuildBoard(empty, emptyMoves);
    AddAnswers(moves, EasyPuzzle, EasySolution);
    BuildBoard(board, moves);
    bar.UpdateStatus(board, empty);
    EXPECT_EQ(bar.Status(), 2);
    for (int d = 0; d < 9; ++d)
        EXPECT_EQ(bar.DigitStatus(d), 2);
}

} // namespace
} // namespace sorvat::test
