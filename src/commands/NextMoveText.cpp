#include "commands/NextMoveText.h"

namespace sorvat {

namespace {

std::optional<int> NumberAfter(const QString& text, QChar letter) {
    const qsizetype at = text.indexOf(letter);
    if (at < 0) return std::nullopt;
    const QChar next = at + 1 < text.size() ? text.at(at + 1) : QChar();
    const int value = (next >= u'0' && next <= u'9') ? next.unicode() - u'0' : 0;
    return value - 1;
}

} // namespace

std::optional<MoveCell> MoveCellOfText(const QString& text) {
    const auto x = NumberAfter(text, u'X');
    if (!x) return std::nullopt;
    const auto y = NumberAfter(text, u'Y');
    if (!y) return std::nullopt;
    return MoveCell{*x, *y};
}

} // namespace sorvat
