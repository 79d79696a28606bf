#include "commands/MoveTextTranslation.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <array>
#include <optional>

namespace sorvat {

namespace {

// The engine's templates with Qt's numbered places in their order of
// arguments; the Japanese texts are the sources of the translations. Each
// has a spoken form, the same words without the signs a voice reads out
// (brackets, "=", "_", the English cell names).
struct Template {
    const char* shown;
    const char* spoken;
};
constexpr Template MovePlaced = {
    QT_TRANSLATE_NOOP("NextMove", "Level%1 までの解析で (X%2,Y%3) = %4 に確定します。"),
    QT_TRANSLATE_NOOP("NextMove", "レベル %1 までの解析で X%2 Y%3 は %4 に確定します")};
constexpr Template NakedSingle = {
    QT_TRANSLATE_NOOP("NextMove", "解析の過程で%1はX%2Y%3SCellの単独候補となりました。"),
    QT_TRANSLATE_NOOP("NextMove", "解析の過程で %1 は X%2 Y%3 のマスの単独候補となりました")};
constexpr Template BoxHiddenSingle = {
    QT_TRANSLATE_NOOP("NextMove", "%1MCell内に数字%2が入る可能性のあるSCellはX%3Y%4しかありません。"),
    QT_TRANSLATE_NOOP("NextMove", "%1のブロックで数字 %2 が入る可能性のあるマスは X%3 Y%4 しかありません")};
constexpr Template ColumnHiddenSingle = {
    QT_TRANSLATE_NOOP("NextMove", "X%1_TCell内に数字%2が入る可能性のあるSCellはX%3Y%4しかありません。"),
    QT_TRANSLATE_NOOP("NextMove", "X%1 の列で数字 %2 が入る可能性のあるマスは X%3 Y%4 しかありません")};
constexpr Template RowHiddenSingle = {
    QT_TRANSLATE_NOOP("NextMove", "Y%1_YCell内に数字%2が入る可能性のあるSCellはX%3Y%4しかありません。"),
    QT_TRANSLATE_NOOP("NextMove", "Y%1 の行で数字 %2 が入る可能性のあるマスは X%3 Y%4 しかありません")};
constexpr Template NoMove = {QT_TRANSLATE_NOOP("NextMove", "次の手が見つかりませんでした。"),
                             QT_TRANSLATE_NOOP("NextMove", "次の手が見つかりませんでした")};

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

QString Rebuilt(const Template& form, bool spoken, const QStringList& places) {
    QString text = Translated(spoken ? form.spoken : form.shown);
    // One pass over the places, so a replaced text is never scanned again.
    switch (places.size()) {
    case 3: return text.arg(places[0], places[1], places[2]);
    case 4: return text.arg(places[0], places[1], places[2], places[3]);
    default: break;
    }
    return text;
}

// A spoken box name has no hyphen ("top-left" is read "top left").
std::optional<QString> LocalizedBoxName(const QString& name, bool spoken) {
    for (const char* box : BoxNames)
        if (name == QString::fromUtf8(box))
            return spoken ? Translated(box).replace(QLatin1Char('-'), QLatin1Char(' ')) : Translated(box);
    return std::nullopt;
}

std::optional<QString> LocalizedReason(const QString& reason, bool spoken) {
    static const QRegularExpression naked = PatternOf(NakedSingle.shown);
    static const QRegularExpression column = PatternOf(ColumnHiddenSingle.shown);
    static const QRegularExpression row = PatternOf(RowHiddenSingle.shown);
    static const QRegularExpression box = PatternOf(BoxHiddenSingle.shown, 1);
    if (auto places = Places(naked, reason)) return Rebuilt(NakedSingle, spoken, *places);
    if (auto places = Places(column, reason)) return Rebuilt(ColumnHiddenSingle, spoken, *places);
    if (auto places = Places(row, reason)) return Rebuilt(RowHiddenSingle, spoken, *places);
    if (auto places = Places(box, reason)) {
        const std::optional<QString> name = LocalizedBoxName(places->at(0), spoken);
        if (!name) return std::nullopt;
        (*places)[0] = *name;
        return Rebuilt(BoxHiddenSingle, spoken, *places);
    }
    return std::nullopt;
}

// The explanation rebuilt in its shown or its spoken form; the spoken form
// joins the move and its reason with a space.
QString Explanation(const QString& engineText, bool spoken) {
    static const QRegularExpression placed = PatternOf(MovePlaced.shown);
    if (engineText == QString::fromUtf8(NoMove.shown)) return Translated(spoken ? NoMove.spoken : NoMove.shown);

    const QString lineBreak = QStringLiteral("\r\n");
    const qsizetype reasonStart = engineText.indexOf(lineBreak);
    const QString firstLine = reasonStart < 0 ? engineText : engineText.left(reasonStart);
    const std::optional<QStringList> places = Places(placed, firstLine);
    if (!places) return engineText;
    QString text = Rebuilt(MovePlaced, spoken, *places);
    if (reasonStart < 0) return text;

    const std::optional<QString> reason = LocalizedReason(engineText.mid(reasonStart + lineBreak.size()), spoken);
    if (!reason) return engineText;
    return text + (spoken ? QStringLiteral(" ") : lineBreak) + *reason;
}

} // namespace

QString LocalizedMoveText(const QString& engineText) { return Explanation(engineText, false); }

QString SpokenMoveText(const QString& engineText) { return Explanation(engineText, true); }

} // namespace sorvat
