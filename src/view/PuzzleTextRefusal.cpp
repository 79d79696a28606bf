#include "view/PuzzleTextRefusal.h"

#include "files/PuzzleText.h"

#include <QCoreApplication>

namespace sorvat {

QString PuzzleTextRefusalText(const PuzzleTextResult& read) {
    const auto text = [](const char* source) { return QCoreApplication::translate("PuzzleText", source); };
    switch (read.refusalKind) {
    case TextRefusal::Empty:
        return text(QT_TRANSLATE_NOOP("PuzzleText", "テキストが空です"));
    case TextRefusal::NoParts:
        return text(QT_TRANSLATE_NOOP("PuzzleText", "コメント、空行、区切りの行しかありません"));
    case TextRefusal::UnreadableParts:
        if (read.refusedParts == 1)
            return text(QT_TRANSLATE_NOOP("PuzzleText", "%1 行目を問題として読めません")).arg(read.firstProblemLine);
        return text(QT_TRANSLATE_NOOP("PuzzleText", "問題として読めない部分が %1 か所あります (最初は %2 行目)"))
            .arg(read.refusedParts)
            .arg(read.firstProblemLine);
    case TextRefusal::None:
        break;
    }
    return {};
}

} // namespace sorvat
