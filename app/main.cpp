// The windowed program: a player and solver for 9x9 number-placement puzzles.
#include "QuitOnSignal.h"
#include "SorvatVersion.h"
#include "shell/CommandLine.h"
#include "shell/SorvatApp.h"
#include "shell/UiLanguage.h"
#include "platform/UserDirectories.h"
#include "view/Globals.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <filesystem>
#include <optional>

using namespace sorvat;

namespace {

// The interface language is chosen and the options that need no window
// system (--help, --version, a refused --lang value) are answered before the
// window system starts, so they work in a terminal without a display.
// Returns the exit status when the program is done.
std::optional<int> AnswerBeforeWindowSystem(int argc, char* argv[], UiLanguage& language) {
    QCoreApplication probe(argc, argv);
    const LanguageChoice choice = LanguageOfCommandLine(QCoreApplication::arguments(), QLocale::system());
    language = choice.language;
    const UiTranslations translations(language);
    if (choice.refusedValue) {
        std::fprintf(stderr, "%s\n", UnknownLanguageMessage(*choice.refusedValue).toLocal8Bit().constData());
        return 1;
    }
    QCommandLineParser parser;
    DescribeCommandLine(parser);
    // Qt's own window-system options are still present here; errors are
    // reported once they have been taken out.
    (void)parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(parser.helpText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("sorvat %s\n", SORVAT_VERSION);
        return 0;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("sorvat"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SORVAT_VERSION));
    UiLanguage language = UiLanguage::Japanese;
    if (const std::optional<int> status = AnswerBeforeWindowSystem(argc, argv, language))
        return *status;

    QApplication application(argc, argv);
    const UiTranslations translations(language);
    QCommandLineParser parser;
    DescribeCommandLine(parser);
    parser.process(application); // an unknown option: a message and exit status 1
    // The first argument after the program name names the puzzle file to open.
    const std::vector<std::string> arguments = ProgramArguments(argc, argv, parser.positionalArguments());
    if (StartedFromDesktop(parser)) {
        // The working directory the desktop gives is nobody's choice: the
        // game in progress is kept in the user's state directory instead.
        std::error_code error;
        const std::filesystem::path state = UserStateDirectory();
        std::filesystem::create_directories(state, error);
        if (std::filesystem::is_directory(state, error)) FixedFilesDirectory = state.string();
    }

    CSorvatApp app;
    if (!app.InitInstance(arguments))
        return 1;
    CloseWindowsOnTerminationSignals();
    return QApplication::exec();
}
