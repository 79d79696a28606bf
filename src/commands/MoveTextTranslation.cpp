#include "commands/MoveTextTranslation.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <array>
#include <optional>

namespace sorvat {

namespace {

// The engine's templates with Qt's numbered places in their order of
// arguments; the Japanese texts are the sources of the translations.
constexpr const char* MovePlaced = QT_TRANSLATE_NOOP("NextMove", "Level%1 までの解析で (X%2,Y%3) = %4 に確定します。");
constexpr const char* NakedSingle = QT_TRANSLATE_NOOP("NextMove", "解析の過程で%1はX%2Y%3SCellの単独候補となりました。");
constexpr const char* BoxHiddenSingle =
    QT_TRANSLATE_NOOP("NextMove", "%1MCell内に数字%2が入る可能性のあるSCellはX%3Y%4しかありません。");
constexpr const char* ColumnHiddenSingle =
    QT_TRANSLATE_NOOP("NextMove", "X%1_TCell内に数字%2が入る可能性のあるSCellはX%3Y%4しかありません。");
constexpr const char* RowHiddenSingle =
    QT_TRANSLATE_NOOP("NextMove", "Y%1_YCell内に数字%2が入る可能性のあるSCellはX%3Y%4しかありません。");
constexpr const char* NoMove = QT_TRANSLATE_NOOP("NextMove", "次の手が見つかりませんでした。");

// Box names by box index, as the box reason names them.
constexpr std::array<const char*, 9> BoxNames = {
    QT_TRANSLATE_NOOP("NextMove", "左上"), QT_TRANSLATE_NOOP("NextMove", "中上"),
    QT_TRANSLATE_NOOP("NextMove", "右上"), QT_TRANSLATE_NOOP("NextMove", "左中"),
    QT_TRANSLATE_NOOP("NextMove", "中中"), QT_TRANSLATE_NOOP("NextMove", "右中"),
    QT_TRANSLATE_NOOP("NextMove", "左下"), QT_TRANSLATE_NOOP("NextMove", "中下"),
    QT_TRANSLATE_NOOP("NextMove", "右下"),
};

QString Translated(const char* text) {
    return QCoreApplication::translate("NextMove", text);
}

// A pattern matching the whole of a template's Japanese text, each "%n"
// place standing for a number (or, for `namePlace`, a box name).
QRegularExpression PatternOf(const char* templateText, int namePlace = 0) {
    static const QRegularExpression place(QStringLiteral("%(\\d)"));
    const QString source = QString::fromUtf8(templateText);
    QString pattern = QStringLiteral("^");
    qsizetype last = 0;
    for (auto it = place.globalMatch(source); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        pattern += QRegularExpression::escape(source.mid(last, match.capturedStart() - last));
        pattern += match.captured(1).toInt() == namePlace ? QStringLiteral("(.+?)") : QStringLiteral("(-?\\d+)");
        last = match.capturedEnd();
    }
    pattern += QRegularExpression::escape(source.mid(last)) + QStringLiteral("$");
    return QRegularExpression(pattern);
}

// The captured places of `text` in order, or nothing when it does not match.
std::optional<QStringList> Places(const QRegularExpression& pattern, const QString& text) {
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) return std::nullopt;
    QStringList places = match.capturedTexts();
    places.removeFirst();
    return places;
}

QString Rebuilt(const char* templateText, const QStringList& places) {
    QString text = Translated(templateText);
    // One pass over the places, so a replaced text is never scanned again.
    switch (places.size()) {
    case 3: return text.arg(places[0], places[1], places[2]);
    case 4: return text.arg(places[0], places[1], places[2], places[3]);
    default: break;
    }
    return text;
}

std::optional<QString> LocalizedBoxName(const QString& name) {
    for (const char* box : BoxNames)
        if (name == QString::fromUtf8(box)) return Translated(box);
    return std::nullopt;
}

std::optional<QString> LocalizedReason(const QString& reason) {
    static const QRegularExpression naked = PatternOf(NakedSingle);
    static const QRegularExpression column = PatternOf(ColumnHiddenSingle);
    static const QRegularExpression row = PatternOf(RowHiddenSingle);
    static const QRegularExpression box = PatternOf(BoxHiddenSingle, 1);
    if (auto places = Places(naked, reason)) return Rebuilt(NakedSingle, *places);
    if (auto places = Places(column, reason)) return Rebuilt(ColumnHiddenSingle, *places);
    if (auto places = Places(row, reason)) return Rebuilt(RowHiddenSingle, *places);
    if (auto places = Places(box, reason)) {
        const std::optional<QString> name = LocalizedBoxName(places->at(0));
        if (!name) return std::nullopt;
        (*places)[0] = *name;
        return Rebuilt(BoxHiddenSingle, *places);
    }
    return std::nullopt;
}

} // namespace

QString LocalizedMoveText(const QString& engineText) {
    static const QRegularExpression placed = PatternOf(MovePlaced);
    if (engineText == QString::fromUtf8(NoMove)) return Translated(NoMove);

    const QString lineBreak = QStringLiteral("\r\n");
    const qsizetype reasonStart = engineText.indexOf(lineBreak);
    const QString firstLine = reasonStart < 0 ? engineText : engineText.left(reasonStart);
    const std::optional<QStringList> places = Places(placed, firstLine);
    if (!places) return engineText;
    QString text = Rebuilt(MovePlaced, *places);
    if (reasonStart < 0) return text;

    const std::optional<QString> reason = LocalizedReason(engineText.mid(reasonStart + lineBreak.size()));
    if (!reason) return engineText;
    return text + lineBreak + *reason;
}

} // namespace sorvat
