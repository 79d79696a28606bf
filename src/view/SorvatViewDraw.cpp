// Board drawing of the view: the full paint (screen and printer) and the
// hover drawing of the last pointer move.
#include "view/SorvatView.h"

#include "settings/Settings.h"
#include "view/FrameServices.h"
#include "view/BoardPainter.h"
#include "view/Globals.h"

#include <QApplication>
#include <QPaintDevice>
#include <QPaintEvent>
#include <QPainter>

using namespace sorvat;

namespace {

constexpr QPoint PrintOrigin{100, 100};

PaintSetup SetupFromSettings(const BoardRect& square, const CellBoard* solution, bool printing) {
    PaintSetup setup;
    setup.squareWidth = square.Width();
    setup.squareHeight = square.Height();
    setup.printing = printing;
    setup.solution = solution;
    if (g_pSettings) {
        setup.displayMode = g_pSettings->displayMode;
        setup.blindPrint = g_pSettings->blindPrint != 0;
    }
    return setup;
}

} // namespace

void CSorvatView::OnDraw(QPainter& painter) {
    if (!m_session.SettingsApplied())
        ApplySettings();
    const CellBoard& board = m_session.Board();
    const CellBoard& answer = m_session.Answer();
    if (g_pMainFrame) g_pMainFrame->BoardPainted(board, answer);

    m_bPainting = true;
    const BoardRect savedSquare = m_rcSquare;
    int fontScale = 1;
    if (painter.device() && painter.device()->devType() == QInternal::Printer) {
        fontScale = PrintScale(painter.device()->width(), m_rcSquare.Width());
        m_rcSquare = {0, 0, m_rcSquare.Width() * fontScale, m_rcSquare.Height() * fontScale};
    }
    {
        PaintSetup setup = SetupFromSettings(m_rcSquare, &answer, m_bPrinting);
        setup.fontScale = fontScale;
        BoardPainter painters(painter, setup);
        const QPoint origin = m_bPrinting ? PrintOrigin : m_ptOrigin;
        painters.DrawBoard(origin.x(), origin.y(), board, NoHighlight);
    }
    m_rcSquare = savedSquare;
    m_bPainting = false;
}

void CSorvatView::OnBeginPrinting() {
    m_bPrinting = true;
}

void CSorvatView::OnEndPrinting() {
    m_bPrinting = false;
    InvalidateBoard();
}

void CSorvatView::DrawHoverOverlay(QPainter& painter) {
    const HoverOverlay& overlay = m_hoverOverlay;
    const CellBoard& board = m_session.Board();
    const CellBoard& answer = m_session.Answer();
    PaintSetup setup = SetupFromSettings(m_rcSquare, &answer, false);
    setup.blindPrint = false;  // the hover drawing never consults blind printing
    BoardPainter painters(painter, setup);
    if (overlay.highlight < 9) {
        painters.DrawBoard(m_ptOrigin.x(), m_ptOrigin.y(), board, overlay.highlight);
        const int w = m_rcSquare.Width();
        const int h = m_rcSquare.Height();
        for (int i = 0; i < 81; ++i) {
            if (!overlay.plainCells.test(i))
                continue;
            const int x = i % 9;
            const int y = i / 9;
            painters.DrawCell(m_ptOrigin.x() + 3 * w * x, m_ptOrigin.y() + 3 * h * y, board.Cell(x, y),
                              NoHighlight, &answer.Cell(x, y));
            painters.DrawBoxFrame(m_ptOrigin.x() + 9 * w * (x / 3), m_ptOrigin.y() + 9 * h * (y / 3));
        }
    }
    if (overlay.square) {
        painters.DrawSquare(overlay.squareCorner.x(), overlay.squareCorner.y(), overlay.digit,
                            static_cast<SquareStyle>(overlay.style));
        painters.DrawCellFrame(overlay.cellCorner.x(), overlay.cellCorner.y());
        painters.DrawBoxFrame(overlay.boxCorner.x(), overlay.boxCorner.y());
    }
    // The hover pass selects no font for the labels: they come out in the
    // surface's default font, over the labels of the full paint. That font
    // is the bold system font of 16 x 8 pixels; its stand-in is the board
    // face, bold.
    QFont systemFont = BoardFont(16, 8);
    systemFont.setWeight(QFont::Bold);
    painter.save();
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(colors::White);
    painters.DrawLabelTexts(systemFont);
    painter.restore();
    painters.DrawOuterFrame(m_ptOrigin.x(), m_ptOrigin.y());
}

// The cursor is drawn on the screen only, over the board and the hover.
void CSorvatView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), colors::White);
    OnDraw(painter);
    const bool cursor = m_bCursorShown && !m_bPrinting;
    if (cursor)
        DrawCursorHighlight(painter);
    if (m_hoverOverlay.active)
        DrawHoverOverlay(painter);
    if (cursor)
        DrawCursor(painter);
    NotifyAccessibleCells();
}

// In the checking modes the digit of the cursor cell is highlighted wherever
// it is entered, as the hover does for the digit under the pointer.
void CSorvatView::DrawCursorHighlight(QPainter& painter) {
    const int mode = g_pSettings ? g_pSettings->displayMode : ModeSelf;
    const SCell& cell = m_session.Board().Cell(m_cursor.x, m_cursor.y);
    if ((mode != ModeHint && mode != ModeAnalysis) || !cell.HasEntered())
        return;
    BoardPainter painters(painter, SetupFromSettings(m_rcSquare, &m_session.Answer(), false));
    painters.DrawBoard(m_ptOrigin.x(), m_ptOrigin.y(), m_session.Board(), cell.enteredDigit);
}

void CSorvatView::DrawCursor(QPainter& painter) {
    BoardPainter painters(painter, SetupFromSettings(m_rcSquare, &m_session.Answer(), false));
    const QRect cell = DrawnItemRect(m_cursor.Index());
    painters.DrawCursorFrame(cell.x(), cell.y());
}
