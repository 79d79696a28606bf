#include "shell/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace sorvat {

namespace {

const QString LanguageOption = QStringLiteral("lang");
const QString DesktopOption = QStringLiteral("desktop");

QString Translated(const char* text) {
    return QCoreApplication::translate("CommandLine", text);
}

} // namespace

void DescribeCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(Translated(QT_TRANSLATE_NOOP("CommandLine",
        "9×9 の数字配置パズルを遊び、解析するプログラムです。")));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(
        LanguageOption,
        Translated(QT_TRANSLATE_NOOP("CommandLine",
            "画面の言語: ja (日本語) または en (英語)。省略するとロケールに従います (英語のロケールなら英語)。")),
        QStringLiteral("ja|en")));
    parser.addOption(QCommandLineOption(
        DesktopOption,
        Translated(QT_TRANSLATE_NOOP("CommandLine",
            "デスクトップのメニューから起動したとき: QuickSave と前回の続きのファイルを $XDG_STATE_HOME/sorvat に置きます。"))));
    parser.addPositionalArgument(
        QStringLiteral("file"),
        Translated(QT_TRANSLATE_NOOP("CommandLine",
            "開くパズルファイル (md1/md2)。省略すると前回の続きを開きます。")),
        QStringLiteral("[file]"));
}

LanguageChoice LanguageOfCommandLine(const QStringList& arguments, const QLocale& locale) {
    QCommandLineParser parser;
    parser.addOption(QCommandLineOption(LanguageOption, QString(), QStringLiteral("ja|en")));
    // Other options (the program's own, Qt's window-system options) are not
    // known here; they are checked once the application runs.
    (void)parser.parse(arguments);

    LanguageChoice choice;
    std::optional<UiLanguage> option;
    if (parser.isSet(LanguageOption)) {
        const QString value = parser.value(LanguageOption);
        option = LanguageOfOption(value);
        if (!option)
            choice.refusedValue = value;
    }
    choice.language = ChooseLanguage(option, locale);
    return choice;
}

QString UnknownLanguageMessage(const QString& value) {
    return Translated(QT_TRANSLATE_NOOP("CommandLine", "--lang の値 '%1' は使えません。ja か en を指定してください。"))
        .arg(value);
}

bool StartedFromDesktop(const QCommandLineParser& parser) { return parser.isSet(DesktopOption); }

std::vector<std::string> ProgramArguments(int argc, char* argv[], const QStringList& positional) {
    std::vector<std::string> arguments{argc > 0 ? argv[0] : ""};
    qsizetype next = 0;
    for (int i = 1; i < argc && next < positional.size(); ++i) {
        if (QString::fromLocal8Bit(argv[i]) == positional.at(next)) {
            arguments.emplace_back(argv[i]);
            ++next;
        }
    }
    return arguments;
}

} // namespace sorvat
