// The windowed program: a player and solver for 9x9 number-placement puzzles.
#include "QuitOnSignal.h"
#include "shell/SorvatApp.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

namespace {

void DescribeCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral("9×9 の数字配置パズルを遊び、解析するプログラムです。"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("開くパズルファイル (md1/md2)。省略すると前回の続きを開きます。"),
                                 QStringLiteral("[file]"));
}

// --help and --version are answered before the window system is needed, so
// they work in a terminal without a display. Returns true when answered.
bool AnswerInformationOptions(int argc, char* argv[]) {
    QCoreApplication probe(argc, argv);
    QCommandLineParser parser;
    DescribeCommandLine(parser);
    // Qt's own window-system options are still present here; errors are
    // reported once they have been taken out.
    (void)parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(parser.helpText().toLocal8Bit().constData(), stdout);
        return true;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("sorvat %s\n", SORVAT_VERSION);
        return true;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("sorvat"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SORVAT_VERSION));
    if (AnswerInformationOptions(argc, argv))
        return 0;

    QApplication application(argc, argv);
    QCommandLineParser parser;
    DescribeCommandLine(parser);
    parser.process(application); // an unknown option: a message and exit status 1
    // The first argument after the program name names the puzzle file to open.
    QStringList arguments{QApplication::arguments().constFirst()};
    arguments += parser.positionalArguments();

    CSorvatApp app;
    if (!app.InitInstance(arguments))
        return 1;
    CloseWindowsOnTerminationSignals();
    return QApplication::exec();
}
