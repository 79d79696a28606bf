// The choice of the interface language: the --lang option over the locale,
// English for an English locale, Japanese otherwise; the command line's help
// in the chosen language.
#include "guisupport/JapaneseText.h"

#include "shell/CommandLine.h"
#include "shell/UiLanguage.h"

#include <QCommandLineParser>

#include <gtest/gtest.h>

namespace sorvat::test {
namespace {

const QLocale AmericanEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale BritishEnglish(QLocale::English, QLocale::UnitedKingdom);
const QLocale Japanese(QLocale::Japanese, QLocale::Japan);
const QLocale German(QLocale::German, QLocale::Germany);

UiLanguage LanguageOf(const QStringList& arguments, const QLocale& locale) {
    return LanguageOfCommandLine(QStringList{QStringLiteral("sorvat")} + arguments, locale).language;
}

TEST(UiLanguageTest, TheLocaleDecidesWithoutTheOption) {
    EXPECT_EQ(ChooseLanguage(std::nullopt, AmericanEnglish), UiLanguage::English);
    EXPECT_EQ(ChooseLanguage(std::nullopt, BritishEnglish), UiLanguage::English);
    EXPECT_EQ(ChooseLanguage(std::nullopt, Japanese), UiLanguage::Japanese);
    EXPECT_EQ(ChooseLanguage(std::nullopt, German), UiLanguage::Japanese);
    EXPECT_EQ(ChooseLanguage(std::nullopt, QLocale::c()), UiLanguage::Japanese);
    // As LANG=en_US.UTF-8 gives it.
    EXPECT_EQ(ChooseLanguage(std::nullopt, QLocale(QStringLiteral("en_US"))), UiLanguage::English);
}

TEST(UiLanguageTest, TheOptionOverridesTheLocale) {
    EXPECT_EQ(LanguageOf({QStringLiteral("--lang"), QStringLiteral("en")}, Japanese), UiLanguage::English);
    EXPECT_EQ(LanguageOf({QStringLiteral("--lang=en"), QStringLiteral("puzzle.md2")}, German), UiLanguage::English);
    EXPECT_EQ(LanguageOf({QStringLiteral("--lang"), QStringLiteral("ja")}, AmericanEnglish), UiLanguage::Japanese);
    EXPECT_EQ(LanguageOf({QStringLiteral("--lang=EN")}, Japanese), UiLanguage::English);
    EXPECT_EQ(LanguageOf({QStringLiteral("puzzle.md2")}, AmericanEnglish), UiLanguage::English);
    EXPECT_EQ(LanguageOf({}, Japanese), UiLanguage::Japanese);
    // Options the language choice does not know (Qt's own, --help) do not
    // get in its way.
    EXPECT_EQ(LanguageOf({QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--lang"),
                          QStringLiteral("en"), QStringLiteral("--help")},
                         Japanese),
              UiLanguage::English);
}

TEST(UiLanguageTest, AnUnknownValueIsRefusedAndTheLocaleDecides) {
    const LanguageChoice choice = LanguageOfCommandLine(
        {QStringLiteral("sorvat"), QStringLiteral("--lang"), QStringLiteral("fr")}, AmericanEnglish);
    EXPECT_EQ(choice.refusedValue, QStringLiteral("fr"));
    EXPECT_EQ(choice.language, UiLanguage::English);
    EXPECT_FALSE(LanguageOfCommandLine({QStringLiteral("sorvat")}, Japanese).refusedValue.has_value());

    const UiTranslations english(UiLanguage::English);
    const QString message = UnknownLanguageMessage(QStringLiteral("fr"));
    EXPECT_TRUE(message.contains(QStringLiteral("'fr'")));
    EXPECT_FALSE(HasJapanese(message));
}

QString HelpText() {
    QCommandLineParser parser;
    DescribeCommandLine(parser);
    return parser.helpText();
}

TEST(UiLanguageTest, HelpIsJapaneseByDefaultAndEnglishWithTheEnglishTranslations) {
    const QString japanese = HelpText();
    EXPECT_TRUE(HasJapanese(japanese));
    EXPECT_TRUE(japanese.contains(QStringLiteral("--lang <ja|en>")));

    const UiTranslations english(UiLanguage::English);
    ASSERT_TRUE(english.HasProgramTexts());  // built into the program
    const QString text = HelpText();
    EXPECT_FALSE(HasJapanese(text)) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("--lang <ja|en>")));
    EXPECT_TRUE(text.contains(QStringLiteral("number-placement puzzles")));
    EXPECT_TRUE(text.contains(QStringLiteral("[file]")));
}

} // namespace
} // namespace sorvat::test
