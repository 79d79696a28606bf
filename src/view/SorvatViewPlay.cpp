// Play on one cell, shared by the mouse buttons and the keys: the session's
// rule (the session's change notice repaints), then the answer timer.
#include "view/SorvatView.h"

#include "view/Globals.h"

using namespace sorvat;

void CSorvatView::MarkPossibleAt(int x, int y, int d) {
    if (!g_pMainFrame) return;
    AfterPlay(m_session.TogglePossible(x, y, d));
}

void CSorvatView::EnterFixAt(int x, int y, int d) {
    if (!g_pMainFrame) return;
    AfterPlay(m_session.EnterFix(x, y, d));
}

void CSorvatView::ReplaceFixAt(int x, int y, int d) {
    if (!g_pMainFrame) return;
    AfterPlay(m_session.ReplaceFix(x, y, d));
}

void CSorvatView::SwitchFixAndLockAt(int x, int y) {
    if (!g_pMainFrame) return;
    AfterPlay(m_session.SwitchFixAndLock(x, y));
}

void CSorvatView::TakeBackFixAt(int x, int y) {
    if (!g_pMainFrame) return;
    AfterPlay(m_session.TakeBackFix(x, y));
}

void CSorvatView::AfterPlay(bool answerCheckDue) {
    if (answerCheckDue)
        StartAnswerTimer();
}
