// Play on one cell, shared by the mouse buttons and the keys: the rule of
// the game layer, then the repaint and the answer timer.
#include "view/SorvatView.h"

#include "game/CellPlay.h"
#include "view/Globals.h"

using namespace sorvat;

void CSorvatView::MarkPossibleAt(int x, int y, int d) {
    if (!g_pMainFrame) return;
    TogglePossible(m_moves, m_board, x, y, d);
    AfterPlay(false);  // a mark never starts the answer check
}

void CSorvatView::EnterFixAt(int x, int y, int d) {
    if (!g_pMainFrame) return;
    AfterPlay(EnterFix(m_moves, m_board, x, y, d));
}

void CSorvatView::SwitchFixAndLockAt(int x, int y) {
    if (!g_pMainFrame) return;
    AfterPlay(SwitchFixAndLock(m_moves, m_board, m_solutionMoves, m_solutionBoard, x, y));
}

void CSorvatView::TakeBackFixAt(int x, int y) {
    if (!g_pMainFrame) return;
    AfterPlay(TakeBackFix(m_moves, m_board, x, y));
}

void CSorvatView::AfterPlay(bool answerCheckDue) {
    InvalidateBoard();
    if (answerCheckDue)
        StartAnswerTimer();
}
