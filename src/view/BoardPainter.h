#pragma once
#include "model/CellBoard.h"
#include "settings/Settings.h"

#include <QColor>
#include <QFont>

class QPainter;

namespace sorvat {
struct ShownCell;
}

namespace sorvat {

// The fill of one candidate square.
enum SquareStyle : int {
    StylePlain = 0,     // white: ordinary squares
    StyleHoverOn = 1,   // blue: the hovered square when its digit is marked
    StyleAlert = 2,     // pink: the hovered square of an unmarked digit, dead cells
    StyleEmphasis = 3,  // pale blue: the only mark of a cell, a solved digit
};

// Highlight value of a full paint: no digit highlighted.
constexpr int NoHighlight = 9;

namespace colors {
inline const QColor White{255, 255, 255};
inline const QColor Blue{160, 160, 255};
inline const QColor Pink{255, 160, 160};
inline const QColor PaleBlue{192, 192, 255};
inline const QColor Yellow{255, 255, 128};
inline const QColor Grey{224, 224, 224};
inline const QColor Black{0, 0, 0};
inline const QColor FixDigit{0, 0, 255};
inline const QColor WrongDigit{255, 0, 0};
inline const QColor BoxFrame{0, 0, 255};
inline const QColor OuterFrame{255, 0, 0};
inline const QColor Cursor{0, 160, 0};  // the key cursor: a green nothing else uses
} // namespace colors

QColor StyleColor(SquareStyle style);

// Everything a drawing pass needs besides the surface and the board.
struct PaintSetup {
    int squareWidth = 19;   // width of m_rcSquare
    int squareHeight = 19;  // height of m_rcSquare
    int fontScale = 1;      // 1 on screen; the printing scale s on a printer
    int displayMode = ModeSelf;
    bool printing = false;    // m_bPrinting: wide box frames, blind-print rule
    bool blindPrint = false;  // the blind-print option
    const CellBoard* solution = nullptr;  // m_solutionBoard, checks entered digits
};

// The printing scale s for a device whose printable width is `deviceWidth`
// pixels: ((width - 10) div 27) div 19, truncating; 0 on very narrow devices.
int PrintScale(int deviceWidth, int squareWidth = 19);

// The board painters. One object is one drawing pass: it owns the pass's two
// fonts and leaves the painter's state as it found it.
class BoardPainter {
public:
    BoardPainter(QPainter& painter, const PaintSetup& setup);
    ~BoardPainter();
    BoardPainter(const BoardPainter&) = delete;
    BoardPainter& operator=(const BoardPainter&) = delete;

    // The nine boxes by rows, each paired with the same box of the solution
    // board, then the labels and the outer frame. With a highlight digit 0..8
    // only cells holding an entered digit are drawn (the hover repaint).
    void DrawBoard(int x, int y, const CellBoard& board, int highlight);
    void DrawBox(int x, int y, const MCell& box, int highlight, const MCell* solutionBox);
    void DrawCell(int x, int y, const SCell& cell, int highlight, const SCell* solutionCell);
    // Digit index 0..8, or 9 for a blank square.
    void DrawSquare(int x, int y, int d, SquareStyle style);
    void DrawCellFrame(int x, int y);
    void DrawBoxFrame(int x, int y);
    // Labels at fixed window positions, then the outer frame at the origin.
    void DrawLabels(int x, int y);
    // The labels alone, in `font`.
    void DrawLabelTexts(const QFont& font);
    void DrawOuterFrame(int x, int y);
    // The key cursor's frame inside the cell at (x, y), clear of its glyph.
    void DrawCursorFrame(int x, int y);

    const QFont& SmallFont() const { return smallFont; }
    const QFont& LargeFont() const { return largeFont; }
    int SquareWidth() const { return w; }
    int SquareHeight() const { return h; }

private:
    // GDI-style rectangle: outline on the inner edge of (x, y, width, height),
    // filled unless `fill` is invalid.
    void Rectangle(int x, int y, int width, int height, const QColor& outline,
                   const QColor& fill);
    void WideFrame(int x, int y, int width, int height, const QColor& color, int penWidth);
    void DrawEmptyCellSquares(int x, int y, const SCell& cell, const ShownCell& shown);

    QPainter& p;
    PaintSetup setup;
    int w;
    int h;
    QFont smallFont;
    QFont largeFont;
};

// A screen font of the board: pixel height and character width as given.
QFont BoardFont(int height, int width);

} // namespace sorvat
