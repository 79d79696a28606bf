// Keys handed to the view before the window's own key handling.
#include "view/SorvatView.h"

#include "commands/MoveTextTranslation.h"
#include "commands/NextMoveText.h"
#include "commands/VirtualKeys.h"
#include "platform/KeyState.h"
#include "shell/MainFrame.h"
#include "text/Cp932.h"
#include "view/Globals.h"

using namespace sorvat;

namespace {

// Buffer size of the next-move search behind key A.
constexpr int KeyNextMoveBufferSize = 1010;

} // namespace

void CSorvatView::HandleKey(int virtualKey) {
    if (virtualKey == VK_KeyA) {
        char buffer[KeyNextMoveBufferSize] = {};
        m_board.NextMove(buffer, KeyNextMoveBufferSize);
        const QString text = QString::fromStdString(Cp932ToUtf8(buffer));
        const std::optional<MoveCell> cell = MoveCellOfText(text);
        if (!cell) return;
        // The answer of the cell, not a digit read from the text; an invalid
        // coordinate or an undetermined answer is refused by Add.
        int digit = NoDigit;
        if (cell->x >= 0 && cell->x <= 8 && cell->y >= 0 && cell->y <= 8)
            digit = m_solutionBoard.Cell(cell->x, cell->y).solvedDigit;
        m_moves.Add(Entry(cell->x, cell->y, digit, Fix));
        m_board.Analyze();
        InvalidateBoard();
        if (g_pMainFrame != nullptr) g_pMainFrame->SetStatusText(LocalizedMoveText(text));
        return;
    }
    if (virtualKey == VK_KeyC && IsKeyDown(VK_CONTROL_KEY) && g_pMainFrame != nullptr)
        g_pMainFrame->setWindowTitle(IsKeyDown(VK_SHIFT_KEY) ? QStringLiteral("CTRL+SHIFT")
                                                             : QStringLiteral("CTRL"));
}
