// Keys handed to the view before the window's own key handling.
#include "view/SorvatView.h"

#include "commands/MoveTextTranslation.h"
#include "game/MoveHint.h"
#include "platform/VirtualKeys.h"
#include "platform/KeyState.h"
#include "view/FrameServices.h"
#include "text/Cp932.h"
#include "view/Globals.h"

using namespace sorvat;

namespace {

// Buffer size of the next-move search behind key A.
constexpr int KeyNextMoveBufferSize = 1010;

} // namespace

void CSorvatView::HandleKey(int virtualKey) {
    if (virtualKey == VK_KeyA) {
        const MoveHint hint = FindNextMove(m_board, KeyNextMoveBufferSize);
        if (!hint.Found()) return;
        // The answer of the cell, not the hinted digit; an undetermined answer
        // is refused by Add.
        const int x = hint.move.x, y = hint.move.y;
        m_moves.Add(Entry(x, y, m_solutionBoard.Cell(x, y).solvedDigit, Fix));
        m_board.Analyze();
        InvalidateBoard();
        if (g_pMainFrame != nullptr) g_pMainFrame->SetStatusText(LocalizedMoveText(QString::fromStdString(Cp932ToUtf8(hint.text))));
        return;
    }
    if (virtualKey == VK_KeyC && IsKeyDown(VK_CONTROL_KEY) && g_pMainFrame != nullptr)
        g_pMainFrame->Window()->setWindowTitle(IsKeyDown(VK_SHIFT_KEY) ? QStringLiteral("CTRL+SHIFT")
                                                             : QStringLiteral("CTRL"));
}
