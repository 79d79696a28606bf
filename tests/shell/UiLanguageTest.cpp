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
const QLocale Japanese(QLocale::Japanese, QLocale::Japan);

TEST(UiLanguageTest, TheOptionOverridesTheLocaleWhichDecidesWithoutIt) {
    const struct {
        QStringList arguments;
        QLocale locale;
        UiLanguage language;
    } cases[] = {
        {{}, QLocale(QStringLiteral("en_GB")), UiLanguage::English},
        {{}, QLocale(QLocale::German, QLocale::Germany), UiLanguage::Japanese},
        {{}, QLocale::c(), UiLanguage::Japanese},
        {{QStringLiteral("--lang=EN"), QStringLiteral("puzzle.md2")}, Japanese, UiLanguage::English},
        {{QStringLiteral("--lang"), QStringLiteral("ja")}, AmericanEnglish, UiLanguage::Japanese},
        // Options the language choice does not know (Qt's own, --help) do
        // not get in its way.
        {{QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--lang"), QStringLiteral("en"),
          QStringLiteral("--help")},
         Japanese, UiLanguage::English},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LanguageOfCommandLine(QStringList{QStringLiteral("sorvat")} + c.arguments, c.locale).language,
                  c.language)
            << c.arguments.join(u' ').toStdString();
}

TEST(UiLanguageTest, AnUnknownValueIsRefusedAndTheLocaleDecides) {
    const LanguageChoice choice = LanguageOfCommandLine(
        {QStringLiteral("sorvat"), QStringLiteral("--lang"), QStringLiteral("fr")}, AmericanEnglish);
    EXPECT_EQ(choice.refusedValue, QStringLiteral("fr"));
    EXPECT_EQ(choice.language, UiLanguage::English);
    const UiTranslations english(UiLanguage::English);
    EXPECT_FALSE(HasJapanese(UnknownLanguageMessage(QStringLiteral("fr"))));
}

QString HelpText() {
    QCommandLineParser parser;
    DescribeCommandLine(parser);
    return parser.helpText();
}

TEST(UiLanguageTest, HelpIsJapaneseByDefaultAndEnglishWithTheEnglishTranslations) {
    EXPECT_TRUE(HasJapanese(HelpText()));
    const UiTranslations english(UiLanguage::English);
    ASSERT_TRUE(english.HasProgramTexts());  // built into the program
    const QString text = HelpText();
    EXPECT_FALSE(HasJapanese(text)) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("--lang <ja|en>")));
}

} // namespace
} // namespace sorvat::test
