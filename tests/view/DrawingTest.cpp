// The board as it appears on the screen: frames, entered digits, marks in the
// three display modes, the hover drawing, and the screenshots of the modes.
#include "guisupport/WindowFixture.h"

#include "view/BoardPainter.h"

#include <QAction>

#include <QPainter>

namespace sorvat::test {
namespace {

class DrawingTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        Start();
    }

    // Pixels of the large glyph in a cell with the colour.
    int GlyphPixels(const QImage& image, int x, int y, const QColor& color) {
        return CountColor(image, QRect(CellCorner(x, y) + QPoint(2, 2), QSize(53, 53)), color);
    }
    // A pixel of the square's fill, clear of its frame and of a glyph.
    static QPoint FillPoint(int x, int y, int d) { return SquareCorner(x, y, d) + QPoint(2, 2); }
};

TEST_F(DrawingTest, FramesHaveTheirColoursAndPlacesAndLabelsTheirs) {
    const QImage image = Render();
    // Outer frame red on the board's edges, box frames blue between boxes,
    // cell frames black between cells.
    EXPECT_EQ(image.pixelColor(23, 300), colors::OuterFrame);
    EXPECT_EQ(image.pixelColor(300, 23 + 513 - 1), colors::OuterFrame);
    EXPECT_EQ(image.pixelColor(23 + 171, 300), colors::BoxFrame);
    EXPECT_EQ(image.pixelColor(300, 23 + 342), colors::BoxFrame);
    EXPECT_EQ(image.pixelColor(23 + 57, 100), colors::Black);
    EXPECT_EQ(image.pixelColor(100, 23 + 57), colors::Black);
    // Candidate squares have grey frames inside an empty cell.
    EXPECT_EQ(image.pixelColor(23 + 19, 30), colors::Grey);
    // Outside the board the window is white.
    EXPECT_EQ(image.pixelColor(560 - 30, 560 - 10), colors::White);
    // The labels stand over the columns and beside the rows.
    auto inkIn = [&](const QRect& rect) {
        int dark = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                dark += image.pixelColor(x, y).lightness() < 128 ? 1 : 0;
        return dark;
    };
    for (int i = 0; i < 9; ++i) {
        EXPECT_GT(inkIn(QRect(43 + 57 * i, 5, 16, 16)), 0) << "X" << i + 1;
        EXPECT_GT(inkIn(QRect(5, 43 + 57 * i, 16, 16)), 0) << "Y" << i + 1;
    }
}

// On a screen of scale 2, along a row of empty cells, the red, blue, black
// and grey frames are each one run of four pixels, never two thin lines.
TEST_F(DrawingTest, FramesAreSingleLinesOfTheirWidthAtScaleTwo) {
    QImage image(view->size() * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    view->render(&image);
    QStringList runs, expected;
    const int y = 2 * (SquareCorner(0, 2, 3).y() + 9);
    for (int x = 2 * 22, length = 1; x < 2 * (23 + 513 + 1); x += length, length = 1) {
        const QColor colour = image.pixelColor(x, y);
        while (image.pixelColor(x + length, y) == colour) ++length;
        if (colour != colors::White) runs << QStringLiteral("%1x%2").arg(colour.name()).arg(length);
    }
    for (int i = 0; i <= 27; ++i) {
        const QColor frame = i % 27 == 0 ? colors::OuterFrame : i % 9 == 0 ? colors::BoxFrame : colors::Black;
        expected << (i % 3 == 0 ? frame : colors::Grey).name() + QStringLiteral("x4");
    }
    EXPECT_EQ(runs.join(u' ').toStdString(), expected.join(u' ').toStdString());
}

// A Fix digit that differs from the answer, or stands where the answer is
// open, is red in the checking modes and blue in self mode; a Lock is black.
TEST_F(DrawingTest, FixDigitsAreRedWhenTheAnswerDiffersOnlyInTheCheckingModes) {
    LoadGivens();
    session().EnterFix(2, 0, 8);  // the answer is 4
    session().EnterFix(3, 0, 5);  // right
    for (int mode : {ModeSelf, ModeHint, ModeAnalysis}) {
        SetMode(mode);
        const QImage image = Render();
        EXPECT_GT(GlyphPixels(image, 2, 0, mode == ModeSelf ? colors::FixDigit : colors::WrongDigit), 20) << mode;
        EXPECT_EQ(GlyphPixels(image, 2, 0, mode == ModeSelf ? colors::WrongDigit : colors::FixDigit), 0) << mode;
        EXPECT_GT(GlyphPixels(image, 3, 0, colors::FixDigit), 20) << mode;
        EXPECT_GT(GlyphPixels(image, 0, 0, colors::Black), 20) << mode;
        EXPECT_EQ(GlyphPixels(image, 0, 0, colors::WrongDigit), 0) << mode;
    }
    Play(EntryList());  // without givens the answer board determines nothing
    session().EnterFix(4, 4, 2);
    SetMode(ModeHint);
    EXPECT_GT(GlyphPixels(Render(), 4, 4, colors::WrongDigit), 20);
}

TEST_F(DrawingTest, SinglePossibleMarkIsPaleBlueAndTwoAreWhite) {
    session().TogglePossible(0, 0, 4);
    QImage image = Render();
    EXPECT_EQ(image.pixelColor(FillPoint(0, 0, 4)), colors::PaleBlue);
    EXPECT_EQ(image.pixelColor(FillPoint(0, 0, 5)), colors::White);  // unmarked, blank

    session().TogglePossible(0, 0, 6);
    image = Render();
    EXPECT_EQ(image.pixelColor(FillPoint(0, 0, 4)), colors::White);
    EXPECT_EQ(image.pixelColor(FillPoint(0, 0, 6)), colors::White);
    // The marked squares carry their glyphs; an unmarked one stays blank.
    const QRect glyph4(SquareCorner(0, 0, 4) + QPoint(1, 1), QSize(17, 17));
    const QRect blank5(SquareCorner(0, 0, 5) + QPoint(1, 1), QSize(17, 17));
    EXPECT_GT(CountColor(image, glyph4, colors::White), 0);
    EXPECT_LT(CountColor(image, glyph4, colors::White), 17 * 17);
    EXPECT_EQ(CountColor(image, blank5, colors::White), 17 * 17);
}

// A cell without candidates is pink in analysis mode; a cell the analysis
// solved shows its digit alone on pale blue.
TEST_F(DrawingTest, AnalysisModeShowsDeadCellsPinkAndSolvedDigitsPaleBlue) {
    LoadGivens(Contradictory());  // cell (8, 0) has no candidate left
    SetMode(ModeAnalysis);
    QImage image = Render();
    for (int d = 0; d < 9; ++d)
        EXPECT_EQ(image.pixelColor(FillPoint(8, 0, d)), colors::Pink) << d;
    SetMode(ModeSelf);  // the player's (absent) marks instead
    EXPECT_EQ(Render().pixelColor(FillPoint(8, 0, 0)), colors::White);

    LoadGivens();
    g_pSettings->analysisLevel = 1;
    view->ApplySettings();
    SetMode(ModeAnalysis);
    const SCell& solved = board().Cell(2, 0);  // the answer 4, not entered
    ASSERT_TRUE(!solved.HasEntered() && solved.solvedDigit == 3);
    image = Render();
    for (int d = 0; d < 9; ++d)
        EXPECT_EQ(image.pixelColor(FillPoint(2, 0, d)), d == 3 ? colors::PaleBlue : colors::White) << d;
}

TEST_F(DrawingTest, HoverPaintsTheSquareAndHighlightsEqualDigitsInHintMode) {
    LoadGivens();
    // Cell (2, 0) is empty; the given 5 stands at (0, 0) and (5, 1).
    SetMode(ModeHint);
    MoveTo(SquareCentre(2, 0, 4));  // digit 5 over an unmarked square
    QImage image = Render();
    EXPECT_EQ(image.pixelColor(FillPoint(2, 0, 4)), colors::Pink);
    EXPECT_EQ(image.pixelColor(CellCorner(0, 0) + QPoint(3, 3)), colors::Yellow);
    EXPECT_EQ(image.pixelColor(CellCorner(5, 1) + QPoint(3, 3)), colors::Yellow);
    EXPECT_EQ(image.pixelColor(CellCorner(1, 0) + QPoint(3, 3)), colors::White);  // a 3

    // Leaving the board from the given 5 at (0, 0) repaints that cell without
    // the highlight; the other 5 keeps it.
    MoveTo(SquareCentre(0, 0, 4));
    MoveTo(QPoint(550, 300));
    image = Render();
    EXPECT_EQ(image.pixelColor(FillPoint(2, 0, 4)), colors::White);
    EXPECT_EQ(image.pixelColor(CellCorner(0, 0) + QPoint(3, 3)), colors::White);
    EXPECT_EQ(image.pixelColor(CellCorner(5, 1) + QPoint(3, 3)), colors::Yellow);

    // Erasing a wrong cell paints the board plainly.
    session().EnterFix(2, 0, 4);
    frame->Action(ID_EDIT_ERASE_WRONG)->trigger();
    EXPECT_EQ(CountColor(Render(), view->rect(), colors::Yellow), 0);
}

TEST(BoardPainterTest, BlindPrintingLeavesOutTheCandidateSquares) {
    EntryList list;
    list.Add(Entry(0, 0, 0, Lock));
    CellBoard board;
    BuildBoard(board, list);
    board.SetPossibleAt(1, 1, 0, Toggle);
    auto paint = [&](bool blind) {
        QImage image(600, 600, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        PaintSetup setup;
        setup.printing = true;
        setup.blindPrint = blind;
        BoardPainter(painter, setup).DrawBoard(100, 100, board, NoHighlight);
        return image;
    };
    // Cell (1, 1) lies clear of the 50-pixel box frames of printing.
    const QRect markSquare(100 + 57 + 1, 100 + 57 + 1, 17, 17);
    const QRect squareFrame(100 + 57 + 19, 100 + 57 + 5, 1, 1);
    const QImage blind = paint(true);
    const QImage full = paint(false);
    EXPECT_EQ(CountColor(blind, squareFrame, colors::Grey), 0);
    EXPECT_EQ(CountColor(full, squareFrame, colors::Grey), 1);
    EXPECT_EQ(CountColor(blind, markSquare, colors::PaleBlue), 0);
    EXPECT_GT(CountColor(full, markSquare, colors::PaleBlue), 0);
    // The entered digit and the cell frames stay.
    EXPECT_EQ(blind.pixelColor(100 + 57, 100 + 57 + 30), colors::Black);
    EXPECT_GT(CountColor(blind, QRect(100 + 30, 100 + 30, 20, 20), colors::White), 0);
    // The box frames are 50 pixels wide.
    EXPECT_EQ(blind.pixelColor(100 + 171 + 20, 300), colors::BoxFrame);
    EXPECT_EQ(blind.pixelColor(100 + 171 + 30, 300), colors::White);
}

} // namespace
} // namespace sorvat::test
