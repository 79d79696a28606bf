#include "commands/LevelText.h"

#include "view/FrameServices.h"
#include "view/Globals.h"

namespace sorvat {

std::optional<int> LevelFromText(const QString& text, int maxLevel) {
    if (text.isEmpty()) return std::nullopt;
    const int level = text.back().unicode() - u'0';
    if (level < 0 || level > maxLevel) return std::nullopt;
    return level;
}

QString LevelEditText() {
    return g_pMainFrame != nullptr ? g_pMainFrame->LevelEditText() : QString();
}

} // namespace sorvat
