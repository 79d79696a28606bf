// The next-move explanation shown in English: every template of the engine
// is recognised, the numbers and the named cell survive, and the Japanese
// interface shows the engine's text unchanged.
#include "guisupport/JapaneseText.h"

#include "commands/ExportMessages.h"
#include "commands/MoveTextTranslation.h"
#include "model/MoveMessages.h"
#include "shell/UiLanguage.h"
#include "text/Cp932.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace sorvat::test {
namespace {

QString Decoded(const char* cp932) { return QString::fromStdString(Cp932ToUtf8(cp932)); }

// Every shape the engine writes: the move alone, the move with each reason
// (the box reason with each of the nine box names), and no move.
std::vector<QString> EveryTemplateFilledIn() {
    std::vector<QString> texts;
    char reason[200];
    char text[400];
    auto withReason = [&] {
        std::snprintf(text, sizeof text, messages::MoveWithReasonText, 7, 4, 6, 9, reason);
        texts.push_back(Decoded(text));
    };
    std::snprintf(text, sizeof text, messages::MoveText, 2, 3, 5, 8);
    texts.push_back(Decoded(text));
    std::snprintf(reason, sizeof reason, messages::NakedSingleReason, 9, 4, 6);
    withReason();
    std::snprintf(reason, sizeof reason, messages::ColumnHiddenSingleReason, 4, 9, 4, 6);
    withReason();
    std::snprintf(reason, sizeof reason, messages::RowHiddenSingleReason, 6, 9, 4, 6);
    withReason();
    for (const char* box : messages::BoxNames) {
        std::snprintf(reason, sizeof reason, messages::BoxHiddenSingleReason, box, 9, 4, 6);
        withReason();
    }
    texts.push_back(Decoded(messages::NoMoveText));
    return texts;
}

// The English text of `text` has no Japanese left and names the same cell.
void ExpectEnglishNamingTheSameCell(const QString& text) {
    const QString shown = LocalizedMoveText(text);
    EXPECT_FALSE(HasJapanese(shown)) << shown.toStdString();
    static const QRegularExpression cell(QStringLiteral(R"(\(X\d,Y\d\))"));
    EXPECT_EQ(cell.match(shown).captured(), cell.match(text).captured()) << shown.toStdString();
}

// What a screen reader says has no sign a voice reads out, in either language.
void ExpectSpokenWithoutSigns() {
    static const QRegularExpression signs(QStringLiteral("[()=_:<>\\r\\n\u3001\u3002]|Cell"));
    for (const QString& text : EveryTemplateFilledIn())
        EXPECT_FALSE(SpokenMoveText(text).contains(signs)) << SpokenMoveText(text).toStdString();
}

TEST(MoveTextTranslationTest, JapaneseInterfaceShowsTheEngineTextUnchanged) {
    for (const QString& text : EveryTemplateFilledIn()) EXPECT_EQ(LocalizedMoveText(text), text);
    ExpectSpokenWithoutSigns();
    EXPECT_EQ(SpokenMoveText(EveryTemplateFilledIn()[0]), QString::fromUtf8("レベル 2 までの解析で X3 Y5 は 8 に確定します"));
}

TEST(MoveTextTranslationTest, EveryTemplateAndBoxNameIsTranslatedKeepingNumbersAndCell) {
    const UiTranslations english(UiLanguage::English);
    ASSERT_TRUE(english.HasProgramTexts());
    for (const QString& text : EveryTemplateFilledIn()) ExpectEnglishNamingTheSameCell(text);
    const std::vector<QString> texts = EveryTemplateFilledIn();
    EXPECT_EQ(LocalizedMoveText(texts[0]), QStringLiteral("Analysis up to level 2 settles (X3,Y5) = 8."));
    EXPECT_EQ(LocalizedMoveText(texts[3]),
              QStringLiteral("Analysis up to level 7 settles (X4,Y6) = 9.\r\n"
                             "In row Y6, X4Y6 is the only cell that can take the digit 9."));
    ExpectSpokenWithoutSigns();
    EXPECT_EQ(SpokenMoveText(texts[3]), QStringLiteral("Analysis up to level 7 settles X4 Y6 as 9. "
                                                       "In row Y6, X4 Y6 is the only cell that can take the digit 9."));
    EXPECT_TRUE(LocalizedMoveText(texts[4]).endsWith(
        QStringLiteral("In the top-left box, X4Y6 is the only cell that can take the digit 9.")));
}

TEST(MoveTextTranslationTest, ATextOfNoTemplateIsShownAsItIs) {
    const UiTranslations english(UiLanguage::English);
    char text[400];
    std::snprintf(text, sizeof text, messages::MoveText, 2, 3, 5, 8);
    const QString cut = Decoded(text).left(12);  // a buffer too small for the whole text
    EXPECT_EQ(LocalizedMoveText(cut), cut);
    const QString unknownReason = Decoded(text) + QStringLiteral("\r\n") + QString::fromUtf8("未知の理由");
    EXPECT_EQ(LocalizedMoveText(unknownReason), unknownReason);
}

TEST(ExportMessagesTest, OutcomesInBothLanguages) {
    const ExportResult saved{ExportOutcome::Saved, "/tmp/SorvatQ.261206.101500.xls", {}};
    const ExportResult failed{ExportOutcome::Failed, {}, "Font.Size: disposed"};
    EXPECT_EQ(ExportOutcomeText(saved),
              QString::fromUtf8("下記ファイル名で保存しました。\r\n  /tmp/SorvatQ.261206.101500.xls\r\n"));
    const UiTranslations english(UiLanguage::English);
    EXPECT_EQ(ExportOutcomeText(saved),
              QStringLiteral("The workbook was saved as\r\n  /tmp/SorvatQ.261206.101500.xls\r\n"));
    for (const ExportResult& result : {saved, failed, ExportResult{ExportOutcome::OfficeUnavailable, {}, {}}})
        EXPECT_FALSE(HasJapanese(ExportOutcomeText(result)));
    EXPECT_TRUE(ExportOutcomeText(failed).contains(QStringLiteral("Font.Size: disposed")));
}

} // namespace
} // namespace sorvat::test
