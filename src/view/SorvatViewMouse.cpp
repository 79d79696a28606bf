// Mouse play: the hit test, the hover state, the three button releases and
// the answer timer a full board starts.
#include "view/SorvatView.h"

#include "settings/Settings.h"
#include "view/BoardPainter.h"
#include "view/Globals.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QTimer>

using namespace sorvat;

namespace {

constexpr QPoint NoHover{9, 9};

bool Contains(int left, int top, int width, int height, QPoint point) {
    return point.x() >= left && point.x() < left + width && point.y() >= top
        && point.y() < top + height;
}

} // namespace

void CSorvatView::HitTest(QPoint point, QPoint& box, QPoint& cell, QPoint& square) const {
    box = cell = square = NoHover;
    const int w = m_rcSquare.Width();
    const int h = m_rcSquare.Height();
    for (int by = 0; by < 3; ++by) {
        for (int bx = 0; bx < 3; ++bx) {
            const int boxLeft = m_ptOrigin.x() + 9 * w * bx;
            const int boxTop = m_ptOrigin.y() + 9 * h * by;
            if (!Contains(boxLeft, boxTop, 9 * w, 9 * h, point))
                continue;
            box = QPoint(bx, by);
            for (int cy = 0; cy < 3; ++cy) {
                for (int cx = 0; cx < 3; ++cx) {
                    const int cellLeft = boxLeft + 3 * w * cx;
                    const int cellTop = boxTop + 3 * h * cy;
                    if (!Contains(cellLeft, cellTop, 3 * w, 3 * h, point))
                        continue;
                    cell = QPoint(cx, cy);
                    for (int sy = 0; sy < 3; ++sy) {
                        for (int sx = 0; sx < 3; ++sx) {
                            if (Contains(cellLeft + w * sx, cellTop + h * sy, w, h, point)) {
                                square = QPoint(sx, sy);
                                return;
                            }
                        }
                    }
                    return;
                }
            }
            return;
        }
    }
}

void CSorvatView::OnMouseMove(QPoint point) {
    QPoint box, cell, square;
    HitTest(point, box, cell, square);
    if (m_bPainting
        || (box == m_hoverBox && cell == m_hoverCell && square == m_hoverSquare))
        return;

    HoverOverlay& overlay = m_hoverOverlay;
    if (m_hoverSquare.x() < 3) {
        // The filled cell left behind is repainted whole, without the
        // highlight; the other highlighted cells keep it.
        const int x = 3 * m_hoverBox.x() + m_hoverCell.x();
        const int y = 3 * m_hoverBox.y() + m_hoverCell.y();
        if (m_session.Board().Cell(x, y).HasEntered())
            overlay.plainCells.set(9 * y + x);
    }

    m_hoverBox = box;
    m_hoverCell = cell;
    m_hoverSquare = square;

    overlay.square = false;
    if (square.x() < 3) {
        const int w = m_rcSquare.Width();
        const int h = m_rcSquare.Height();
        const SCell& c = *m_session.Board().mcells[3 * box.y() + box.x()].cells[3 * cell.y() + cell.x()];
        const int d = 3 * square.y() + square.x();
        const int mode = g_pSettings ? g_pSettings->displayMode : ModeSelf;
        if (mode == ModeHint || mode == ModeAnalysis) {
            overlay.highlight = c.HasEntered() ? c.enteredDigit : d;
            overlay.plainCells.reset();  // every filled cell is drawn again
        }
        overlay.boxCorner = m_ptOrigin + QPoint(9 * w * box.x(), 9 * h * box.y());
        overlay.cellCorner = overlay.boxCorner + QPoint(3 * w * cell.x(), 3 * h * cell.y());
        overlay.squareCorner = overlay.cellCorner + QPoint(w * square.x(), h * square.y());
        overlay.digit = d;
        if (mode == ModeSelf || mode == ModeHint) {
            overlay.square = true;
            overlay.style = c.Has(d, PossibleBit) ? StyleHoverOn : StyleAlert;
        } else if (mode == ModeAnalysis) {
            overlay.square = true;
            overlay.style = c.Has(d, CandidateBit) ? StyleHoverOn : StyleAlert;
        }
    }
    overlay.active = true;
    update();
}

// A button release acts on the hovered square and moves the key cursor to
// its cell.
void CSorvatView::OnLButtonUp() {
    if (!g_pMainFrame || m_hoverSquare.x() >= 3)
        return;
    const int x = 3 * m_hoverBox.x() + m_hoverCell.x();
    const int y = 3 * m_hoverBox.y() + m_hoverCell.y();
    MoveCursorTo(x, y);
    MarkPossibleAt(x, y, 3 * m_hoverSquare.y() + m_hoverSquare.x());
}

void CSorvatView::OnRButtonUp() {
    if (!g_pMainFrame || m_hoverSquare.x() >= 3)
        return;
    const int x = 3 * m_hoverBox.x() + m_hoverCell.x();
    const int y = 3 * m_hoverBox.y() + m_hoverCell.y();
    MoveCursorTo(x, y);
    EnterFixAt(x, y, 3 * m_hoverSquare.y() + m_hoverSquare.x());
}

void CSorvatView::OnMButtonUp() {
    if (!g_pMainFrame || m_hoverSquare.x() >= 3)
        return;
    const int x = 3 * m_hoverBox.x() + m_hoverCell.x();
    const int y = 3 * m_hoverBox.y() + m_hoverCell.y();
    MoveCursorTo(x, y);
    SwitchFixAndLockAt(x, y);
}

void CSorvatView::StartAnswerTimer() {
    if (!m_pAnswerTimer) {
        m_pAnswerTimer = new QTimer(this);
        m_pAnswerTimer->setSingleShot(true);
        connect(m_pAnswerTimer, &QTimer::timeout, this, &CSorvatView::answerCheckDue);
    }
    m_pAnswerTimer->start(AnswerTimerMilliseconds);  // a running timer starts over
}

bool CSorvatView::IsAnswerTimerActive() const {
    return m_pAnswerTimer && m_pAnswerTimer->isActive();
}

void CSorvatView::mouseMoveEvent(QMouseEvent* event) {
    OnMouseMove(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void CSorvatView::enterEvent(QEnterEvent* event) {
    // A window that appears under a resting pointer gets no move; its entry
    // counts as one.
    OnMouseMove(event->position().toPoint());
    QWidget::enterEvent(event);
}

void CSorvatView::leaveEvent(QEvent* event) {
    // The pointer left the window: the hover goes as on a move off the board.
    OnMouseMove(QPoint(-1, -1));
    QWidget::leaveEvent(event);
}

void CSorvatView::mouseReleaseEvent(QMouseEvent* event) {
    switch (event->button()) {
    case Qt::LeftButton: OnLButtonUp(); break;
    case Qt::RightButton: OnRButtonUp(); break;
    case Qt::MiddleButton: OnMButtonUp(); break;
    default: break;
    }
    QWidget::mouseReleaseEvent(event);
}
