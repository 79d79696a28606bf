// Keys handed to the view before the window's own key handling.
#include "commands/ViewCommands.h"

#include "commands/MoveTextTranslation.h"
#include "game/GameSession.h"
#include "platform/VirtualKeys.h"
#include "platform/KeyState.h"
#include "view/FrameServices.h"
#include "text/Cp932.h"
#include "view/Globals.h"

#include <QWidget>

using namespace sorvat;

void CViewCommands::HandleKey(int virtualKey) {
    if (virtualKey == VK_KeyA) {
        const MoveHint hint = m_session.ApplyNextMove();
        if (hint.Found() && g_pMainFrame != nullptr) {
            const QString text = QString::fromStdString(Cp932ToUtf8(hint.text));
            g_pMainFrame->AnnounceStatusText(LocalizedMoveText(text), SpokenMoveText(text));
        }
        return;
    }
    if (virtualKey == VK_KeyC && IsKeyDown(VK_CONTROL_KEY) && g_pMainFrame != nullptr)
        g_pMainFrame->Window()->setWindowTitle(IsKeyDown(VK_SHIFT_KEY) ? QStringLiteral("CTRL+SHIFT")
                                                                       : QStringLiteral("CTRL"));
}
