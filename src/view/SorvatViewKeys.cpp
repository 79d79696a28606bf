// Keys on the board: the cell cursor and the keys that play on its cell as
// the buttons do on a square. The application's key filter has seen every
// key first (key A, Ctrl+C and the accelerators); these keys reach the view
// only while the board has the focus.
#include "view/SorvatView.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>

using namespace sorvat;

bool CSorvatView::PlayKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers & (Qt::AltModifier | Qt::MetaModifier))
        return false;
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    const CellCursor before = m_cursor;
    const int x = m_cursor.x, y = m_cursor.y;
    switch (qtKey) {
    case Qt::Key_Left: m_cursor.MoveBy(-1, 0); break;
    case Qt::Key_Right: m_cursor.MoveBy(1, 0); break;
    case Qt::Key_Up: m_cursor.MoveBy(0, -1); break;
    case Qt::Key_Down: m_cursor.MoveBy(0, 1); break;
    case Qt::Key_Home: m_cursor.MoveTo(0, control ? 0 : y); break;
    case Qt::Key_End: m_cursor.MoveTo(8, control ? 8 : y); break;
    case Qt::Key_Space:
        if (control) return false;
        SwitchFixAndLockAt(x, y);
        break;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        if (control) return false;
        TakeBackFixAt(x, y);
        break;
    default:
        if (qtKey < Qt::Key_1 || qtKey > Qt::Key_9) return false;
        if (control)
            MarkPossibleAt(x, y, qtKey - Qt::Key_1);
        else
            ReplaceFixAt(x, y, qtKey - Qt::Key_1);  // the typed digit is meant
        break;
    }
    ShowCursor();
    if (!(m_cursor == before)) {
        InvalidateBoard();  // the hover drawing goes, as after a click
        NotifyDrawnItemFocus(this, m_cursor.Index());
    }
    return true;
}

void CSorvatView::MoveCursorTo(int x, int y) {
    const CellCursor before = m_cursor;
    m_cursor.MoveTo(x, y);
    if (!(m_cursor == before))
        NotifyDrawnItemFocus(this, m_cursor.Index());
}

void CSorvatView::ShowCursor() {
    if (m_bCursorShown) return;
    m_bCursorShown = true;
    update();
}

void CSorvatView::keyPressEvent(QKeyEvent* event) {
    if (PlayKey(event->key(), event->modifiers())) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CSorvatView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // Tabbing to the board is a key that uses the cursor.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        ShowCursor();
    // After the focus event of the board itself, so the reader lands on the
    // cursor cell.
    QTimer::singleShot(0, this, [this] { NotifyDrawnItemFocus(this, m_cursor.Index()); });
}
