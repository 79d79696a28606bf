// Files as the user names them: on the command line, dropped on the window,
// saved with Ctrl+S. A name is the system's bytes: a backslash is an ordinary
// character and a name need not be UTF-8.
#include "guisupport/ScriptedFileDialogs.h"
#include "guisupport/WindowFixture.h"

#include "shell/CommandLine.h"
#include "view/SorvatDoc.h"

#include <QAction>
#include <QCommandLineParser>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QToolBar>

#include <sys/inotify.h>
#include <unistd.h>

namespace sorvat::test {
namespace {

namespace fs = std::filesystem;

class FileNames : public WindowFixture {
protected:
    // Files dropped on the tool bar, their names percent-encoded in the URLs
    // as a file manager sends them.
    void Drop(const fs::path& file, const fs::path& another) {
        QByteArray list;
        for (const fs::path& path : {file, another})
            list += "file://" + QByteArray::fromStdString(path.string()).toPercentEncoding("/") + "\r\n";
        QMimeData mime;
        mime.setData("text/uri-list", list);
        const QPoint onToolBar = frame->ToolBar()->geometry().center();
        QDragEnterEvent enter(onToolBar, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(frame, &enter);
        QDropEvent drop(QPointF(onToolBar), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(frame, &drop);
        ProcessEvents();
    }
    static QString Decoded(const std::string& bytes) { return QFile::decodeName(QByteArray::fromStdString(bytes)); }
};

TEST_F(FileNames, AFileArgumentIsReadTwiceAndSaveFollowsTheTitleThroughTheQueue) {
    fs::create_directories(dir / "queue");
    const fs::path first = WritePuzzle("a\\q1.md2", Givens(), {}, dir / "queue");
    const fs::path second = WritePuzzle("q2.md2", Givens(), {}, dir / "queue");
    const int watch = ::inotify_init1(IN_NONBLOCK);
    ::inotify_add_watch(watch, first.c_str(), IN_OPEN | IN_CLOSE_NOWRITE);
    ScriptedFileDialogs dialogs;

    app = std::make_unique<CSorvatApp>();
    ASSERT_TRUE(app->InitInstance({"sorvat", "queue/a\\q1.md2", "queue/q2.md2"}, dir));  // the first only
    frame = app->MainFrame();
    view = frame->View();
    commands = frame->Commands();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    inotify_event events[8];
    // Opened and closed twice: by the view's creation and as the document.
    EXPECT_EQ(::read(watch, events, sizeof events), static_cast<ssize_t>(4 * sizeof(inotify_event)));
    ::close(watch);
    EXPECT_EQ(CurrentPath(), first.string());
    EXPECT_EQ(app->Document()->GetPathName(), Decoded(first.string()));
    EXPECT_EQ(app->Document()->RecentFiles().Files().value(0), Decoded(first.string()));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("a\\q1.md2 - Sorvat"));

    // Solved: the file is marked and the next one loaded, without a warning.
    FillAnswers();
    commands->CheckAnswer();
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_TRUE(fs::exists(dir / "queue" / "x.a\\q1.md2"));
    EXPECT_EQ(CurrentPath(), second.string());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("q2.md2 - Sorvat"));

    // Ctrl+S writes the puzzle the title names, not the document's file.
    session().TogglePossible(2, 0, 3);
    QTest::keyClick(frame->windowHandle(), Qt::Key_S, Qt::ControlModifier);
    const std::string saved = ReadBytes(second);
    EXPECT_EQ(saved, PuzzleFile::Format("q2.md2", moves()));
    EXPECT_FALSE(fs::exists(first));

    // A dropped file whose name is not UTF-8 opens (the first of the files
    // dropped) and is saved under its name.
    const fs::path foreign = WritePuzzle("q\xff.md2");
    Drop(foreign, second);
    EXPECT_EQ(CurrentPath(), foreign.string());
    session().TogglePossible(3, 0, 5);
    frame->Action(ID_FILE_SAVE)->trigger();
    EXPECT_EQ(ReadBytes(foreign), PuzzleFile::Format("q.md2", moves()));
    EXPECT_EQ(ReadBytes(second), saved);
    EXPECT_EQ(dialogs.SaveQuestions(), 0);
    EXPECT_EQ(Boxes().size(), 1u);
    // Save As cannot show the name: it proposes the directory, not a look-alike.
    frame->Action(ID_FILE_SAVE_AS)->trigger();
    EXPECT_EQ(dialogs.LastSaveSuggestion(), QString::fromStdString(dir.string()));
}

TEST_F(FileNames, AFileArgumentThatCannotBeOpenedEndsTheStartWithoutWritingAnything) {
    app = std::make_unique<CSorvatApp>();
    EXPECT_FALSE(app->InitInstance({"sorvat", "missing.md1"}, dir));
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_TRUE(Boxes()[0].text.contains(QStringLiteral("missing.md1")));
    app.reset();
    EXPECT_FALSE(fs::exists(dir / "Sorvat.ini"));
    EXPECT_FALSE(fs::exists(dir / "_Sorvat.Continue.md1"));
}

TEST(ProgramArguments, FileArgumentsKeepTheirBytes) {
    std::string names[] = {"sorvat", "--lang", "en", "q\xff.md2", "a\\b.md1"};
    char* argv[] = {names[0].data(), names[1].data(), names[2].data(), names[3].data(), names[4].data()};
    QStringList decoded;
    for (char* argument : argv) decoded << QString::fromLocal8Bit(argument);
    QCommandLineParser parser;
    DescribeCommandLine(parser);
    ASSERT_TRUE(parser.parse(decoded));
    EXPECT_EQ(ProgramArguments(5, argv, parser.positionalArguments()),
              (std::vector<std::string>{"sorvat", "q\xff.md2", "a\\b.md1"}));
}

} // namespace
} // namespace sorvat::test
