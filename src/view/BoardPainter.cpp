#include "view/BoardPainter.h"

#include "game/ShownCell.h"

#include <QPainter>
#include <algorithm>

namespace sorvat {

namespace {

constexpr int SmallFontHeight = 16;
constexpr int SmallFontWidth = 8;
constexpr int LargeFontHeight = 40;
constexpr int LargeFontWidth = 20;
constexpr int ScreenBoxPen = 2;
constexpr int PrintBoxPen = 50;
constexpr int OuterFramePen = 2;
constexpr int CursorInset = 1;  // the cell's black frame stays visible
constexpr int CursorPen = 3;

QString Glyph(int d) { return QString(QChar(u'1' + d)); }

} // namespace

QColor StyleColor(SquareStyle style) {
    switch (style) {
    case StyleHoverOn: return colors::Blue;
    case StyleAlert: return colors::Pink;
    case StyleEmphasis: return colors::PaleBlue;
    case StylePlain:
    default: return colors::White;
    }
}

int PrintScale(int deviceWidth, int squareWidth) {
    if (squareWidth <= 0)
        return 0;
    const int scale = ((deviceWidth - 10) / 27) / squareWidth;
    return std::max(scale, 0);
}

QFont BoardFont(int height, int width) {
    // IPAGothic stands in for the Windows gothic face: fixed pitch, half-width
    // digits and Latin letters half an em wide, so height h gives width h / 2.
    QFont font(QStringLiteral("IPAGothic"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setWeight(QFont::Medium);
    font.setPixelSize(std::max(height, 1));
    if (height > 0 && width * 2 != height)
        font.setStretch(std::clamp(width * 200 / height, 1, 4000));
    font.setKerning(false);
    return font;
}

BoardPainter::BoardPainter(QPainter& painter, const PaintSetup& s)
    : p(painter), setup(s), w(s.squareWidth), h(s.squareHeight),
      smallFont(BoardFont(SmallFontHeight * s.fontScale, SmallFontWidth * s.fontScale)),
      largeFont(BoardFont(LargeFontHeight * s.fontScale, LargeFontWidth * s.fontScale)) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(smallFont);
    p.setPen(colors::Black);
    p.setBrush(Qt::NoBrush);
}

BoardPainter::~BoardPainter() { p.restore(); }

void BoardPainter::Rectangle(int x, int y, int width, int height, const QColor& outline,
                             const QColor& fill) {
    if (width <= 0 || height <= 0)
        return;
    if (fill.isValid())
        p.fillRect(QRect(x, y, width, height), fill);
    // A one-pixel outline on the edges of the area, as the rectangle call of
    // the original drawing does (right and bottom edge exclusive). The edges
    // are filled, not stroked: a stroke is one pixel of the screen whatever
    // its scale, so on a scaled screen the outlines of two neighbours would
    // stand apart as a double line instead of one line of their width.
    p.fillRect(QRect(x, y, width, 1), outline);
    p.fillRect(QRect(x, y + height - 1, width, 1), outline);
    p.fillRect(QRect(x, y, 1, height), outline);
    p.fillRect(QRect(x + width - 1, y, 1, height), outline);
}

void BoardPainter::WideFrame(int x, int y, int width, int height, const QColor& color,
                             int penWidth) {
    // The pen's width centred on the edges of the area, filled as four bands
    // (as the outline of Rectangle) so that it covers whole pixels at every
    // scale.
    const int before = penWidth / 2;
    const QRect outer(x - before, y - before, width + penWidth, height + penWidth);
    p.fillRect(QRect(outer.left(), outer.top(), outer.width(), penWidth), color);
    p.fillRect(QRect(outer.left(), outer.bottom() + 1 - penWidth, outer.width(), penWidth), color);
    p.fillRect(QRect(outer.left(), outer.top(), penWidth, outer.height()), color);
    p.fillRect(QRect(outer.right() + 1 - penWidth, outer.top(), penWidth, outer.height()), color);
}

void BoardPainter::DrawBoard(int x, int y, const CellBoard& board, int highlight) {
    for (int by = 0; by < 3; ++by) {
        for (int bx = 0; bx < 3; ++bx) {
            const int i = by * 3 + bx;
            const MCell* solutionBox = setup.solution ? &setup.solution->mcells[i] : nullptr;
            DrawBox(x + 9 * w * bx, y + 9 * h * by, board.mcells[i], highlight, solutionBox);
        }
    }
    DrawLabels(x, y);
}

void BoardPainter::DrawBox(int x, int y, const MCell& box, int highlight,
                           const MCell* solutionBox) {
    for (int cy = 0; cy < 3; ++cy) {
        for (int cx = 0; cx < 3; ++cx) {
            const int i = cy * 3 + cx;
            const SCell* cell = box.cells[i];
            if (!cell)
                continue;
            const SCell* solutionCell = solutionBox ? solutionBox->cells[i] : nullptr;
            DrawCell(x + 3 * w * cx, y + 3 * h * cy, *cell, highlight, solutionCell);
        }
    }
    DrawBoxFrame(x, y);
}

void BoardPainter::DrawCell(int x, int y, const SCell& cell, int highlight,
                            const SCell* solutionCell) {
    const ShownCell shown = ShowCell(cell, solutionCell, setup.displayMode);
    if (shown.entered != NoDigit) {
        const int e = shown.entered;
        Rectangle(x, y, 3 * w, 3 * h, colors::Black,
                  e == highlight ? colors::Yellow : colors::White);
        QColor text = p.pen().color();
        if (!shown.locked)
            text = shown.wrong ? colors::WrongDigit : colors::FixDigit;
        p.save();
        p.setPen(text);
        p.setFont(largeFont);
        p.drawText(QRect(x, y, 3 * w, 3 * h), Qt::AlignCenter, Glyph(e));
        p.restore();
        return;
    }
    if (highlight >= 0 && highlight < 9)
        return;  // the hover repaint refreshes entered digits only
    if (!(setup.blindPrint && setup.printing))
        DrawEmptyCellSquares(x, y, cell, shown);
    DrawCellFrame(x, y);
}

void BoardPainter::DrawEmptyCellSquares(int x, int y, const SCell& cell, const ShownCell& shown) {
    const bool analysis = setup.displayMode == ModeAnalysis;
    if (!analysis && setup.displayMode != ModeSelf && setup.displayMode != ModeHint)
        return;  // an unknown mode shows bare cell frames
    const bool single = analysis ? cell.candidateCount == 1 : cell.possibleCount == 1;
    for (int d = 0; d < 9; ++d) {
        const int sqx = x + w * (d % 3);
        const int sqy = y + h * (d / 3);
        if (shown.dead)
            DrawSquare(sqx, sqy, 9, StyleAlert);
        else if (shown.digits & (1u << d))
            DrawSquare(sqx, sqy, d, single || (analysis && d == cell.solvedDigit) ? StyleEmphasis : StylePlain);
        else
            DrawSquare(sqx, sqy, 9, StylePlain);
    }
}

void BoardPainter::DrawSquare(int x, int y, int d, SquareStyle style) {
    Rectangle(x, y, w, h, colors::Grey, StyleColor(style));
    if (d >= 0 && d < 9) {
        p.save();
        p.setFont(smallFont);
        p.drawText(QRect(x, y, w, h), Qt::AlignCenter, Glyph(d));
        p.restore();
    }
}

void BoardPainter::DrawCellFrame(int x, int y) {
    Rectangle(x, y, 3 * w, 3 * h, colors::Black, QColor());
}

void BoardPainter::DrawBoxFrame(int x, int y) {
    WideFrame(x, y, 9 * w, 9 * h, colors::BoxFrame, setup.printing ? PrintBoxPen : ScreenBoxPen);
}

void BoardPainter::DrawLabelTexts(const QFont& font) {
    p.save();
    p.setFont(font);
    const QFontMetrics metrics(font);
    for (int i = 0; i < 9; ++i) {
        // Window (or page) positions, not shifted by the origin.
        const int columnX = 2 * (3 * w) / 3 + 3 * w * i + 5;
        const int rowY = 2 * (3 * h) / 3 + 3 * h * i + 5;
        p.drawText(QPoint(columnX, 5 + metrics.ascent()), QStringLiteral("X%1").arg(i + 1));
        p.drawText(QPoint(5, rowY + metrics.ascent()), QStringLiteral("Y%1").arg(i + 1));
    }
    p.restore();
}

void BoardPainter::DrawLabels(int x, int y) {
    DrawLabelTexts(p.font());
    DrawOuterFrame(x, y);
}

void BoardPainter::DrawOuterFrame(int x, int y) {
    WideFrame(x, y, 27 * w, 27 * h, colors::OuterFrame, OuterFramePen);
}

} // namespace sorvat

namespace sorvat {

void BoardPainter::DrawCursorFrame(int x, int y) {
    const QRect outer(x + CursorInset, y + CursorInset, 3 * w - 2 * CursorInset, 3 * h - 2 * CursorInset);
    const QRect inner = outer.adjusted(CursorPen, CursorPen, -CursorPen, -CursorPen);
    p.save();
    p.setClipRegion(QRegion(outer).subtracted(QRegion(inner)));
    p.fillRect(outer, colors::Cursor);
    p.restore();
}

} // namespace sorvat
