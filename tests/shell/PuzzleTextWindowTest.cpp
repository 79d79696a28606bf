// Puzzles as players find them, in the window: text files opened, text
// pasted and dropped, the givens copied. The reader's forms are tested in
// tests/files; here the paths of the window.
#include "guisupport/ScriptedFileDialogs.h"
#include "guisupport/WindowFixture.h"

#include "files/PuzzleLines.h"

#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>

namespace sorvat::test {
namespace {

namespace fs = std::filesystem;

class PuzzleTextWindow : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        Start();
    }
    // ﾌｧｲﾙ→開く with the dialogs answered in turn.
    void Open(const fs::path& file, const fs::path& folder = {}) {
        dialogs.Answer(QString::fromStdString(file.string()));
        if (!folder.empty()) dialogs.Answer(QString::fromStdString(folder.string()));
        Command(ID_FILE_OPEN);
    }
    void Drop(QMimeData& mime) {
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &enter);
        QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &drop);
        ProcessEvents();
    }
    std::string BoardLine() const { return PuzzleOfLocks(moves()); }
    static std::string Dotted(std::string_view puzzle) { return PuzzleOfLocks(LocksFromPuzzle(puzzle)); }

    ScriptedFileDialogs dialogs;
    const std::vector<PuzzleCase> cases = ReadPuzzleCases("qqwing.txt");
    const std::string easy = Dotted(EasyPuzzle);
};

// Played as an md2 file would be, but Ctrl+S never writes over the text.
TEST_F(PuzzleTextWindow, OneLineIsPlayedAsLocksAndSaveAsksForAnMd2Name) {
    const fs::path text = dir / "from a page.txt";
    const std::string bytes = "# copied\r\n" + std::string(EasyPuzzle) + " rated 1.2\r\n";
    WriteBytes(text, bytes);
    Open(text);
    EXPECT_EQ(EntriesText(), PuzzleFile::Format("entries.md1", Givens()));
    EXPECT_EQ(CurrentPath(), text.string());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("from a page.txt - Sorvat"));
    EXPECT_TRUE(session().IsPuzzleOfFile(text.string()));  // a resumed game keeps its file

    session().EnterFix(2, 0, DigitAt(EasySolution, 2, 0));
    Key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogs.SaveQuestions(), 1);
    EXPECT_EQ(dialogs.LastSaveSuggestion(), QString::fromStdString((dir / "from a page.md2").string()));
    EXPECT_EQ(ReadBytes(text), bytes);
}

TEST_F(PuzzleTextWindow, SeveralPuzzlesAskOnceThenPlayTheFirstOrBecomeAQueue) {
    std::string lines;
    for (std::size_t i = 0; i < 50; ++i) lines += cases[i % cases.size()].puzzle + "\n";
    const fs::path text = dir / "fifty.txt";
    WriteBytes(text, lines);
    boxes.Answer(MessageResult::No);
    Open(text);
    EXPECT_EQ(BoardLine(), cases[0].puzzle);
    EXPECT_EQ(CurrentPath(), text.string());

    Open(text, dir / "queue");  // Yes: all of them into a folder
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[1].buttons, MessageButtons::YesNoCancel);
    EXPECT_TRUE(Boxes()[1].text.contains(QStringLiteral("50")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "queue"), fs::directory_iterator()), 50);
    EXPECT_EQ(ReadBytes(dir / "queue/00050.md2"),
              PuzzleFile::Format("q.md2", LocksFromPuzzle(cases[49 % cases.size()].puzzle)));
    EXPECT_EQ(CurrentPath(), (dir / "queue/00001.md2").string());  // solved, it moves the queue
    EXPECT_EQ(BoardLine(), cases[0].puzzle);
}

TEST_F(PuzzleTextWindow, GridsOpenWhateverTheirLayout) {
    const std::string forum = Grid(cases[1].puzzle, " ", " | ", "------+-------+------", true);
    const std::tuple<const char*, std::string, std::string> files[] = {
        {"a.sdk", Grid(cases[0].puzzle, "", "", ""), cases[0].puzzle},
        {"b.txt", "[Puzzle]\n" + forum, cases[1].puzzle},
        {"c.ss", Grid(EasyPuzzle, "", "|", "---+---+---"), easy}};
    for (const auto& [name, grid, puzzle] : files) {
        WriteBytes(dir / name, grid);
        Open(dir / name);
        EXPECT_EQ(BoardLine(), puzzle) << name;
        EXPECT_EQ(CurrentPath(), (dir / name).string());
    }
    EXPECT_TRUE(Boxes().empty());
}

// A text without a puzzle changes nothing; md1 entries saved under another
// name still open.
TEST_F(PuzzleTextWindow, WhatHoldsNoPuzzleIsReportedAndChangesNothing) {
    Open(WritePuzzle("q.md2"));
    const std::string entries = EntriesText();
    for (const char* name : {"junk.txt", "empty.sdk"}) {
        WriteBytes(dir / name, name[0] == 'j' ? "not a puzzle\n12345\n" : "");
        Open(dir / name);
        ASSERT_FALSE(Boxes().empty());
        EXPECT_TRUE(Boxes().back().text.contains(QString::fromStdString((dir / name).string())));
        EXPECT_TRUE(Boxes().back().text.contains(QString::fromUtf8(name[0] == 'j' ? "読めない部分が 2 か所あります (最初は 1 行目)"
                                                                                  : "テキストが空です")));
        EXPECT_EQ(EntriesText(), entries);
        EXPECT_EQ(CurrentPath(), (dir / "q.md2").string());
    }
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("q.md2 - Sorvat"));
    WriteBytes(dir / "saved", PuzzleFile::Format("saved.md1", Played()));
    Open(dir / "saved");
    EXPECT_EQ(EntriesText(), PuzzleFile::Format("entries.md1", Played()));
}

TEST_F(PuzzleTextWindow, PasteByKeysAndMenuPlaysWithoutAFile) {
    Open(WritePuzzle("q.md2", Givens(cases[2].puzzle)));
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QString::fromStdString(std::string(EasyPuzzle)));
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(BoardLine(), easy);
    EXPECT_EQ(CurrentPath(), "");
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("無題 - Sorvat"));

    clipboard->setText(QString::fromStdString(Grid(cases[0].puzzle, " ", " ", "")));
    Key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(BoardLine(), cases[0].puzzle);
    clipboard->setText(QString::fromStdString(cases[1].puzzle + "\n" + cases[2].puzzle + "\n"));
    QMenu* edit = frame->menuBar()->actions().at(1)->menu();  // the message outlasts the closing menu
    edit->popup(frame->mapToGlobal(QPoint(80, 30)));
    edit->setActiveAction(frame->Action(ID_EDIT_PASTE));
    QTest::keyClick(edit->windowHandle(), Qt::Key_Return);
    ProcessEvents();
    EXPECT_EQ(BoardLine(), cases[1].puzzle);
    EXPECT_TRUE(frame->StatusText().contains(QStringLiteral("2")));

    clipboard->setText(QStringLiteral("no puzzle here"));
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(BoardLine(), cases[1].puzzle);
    EXPECT_TRUE(frame->StatusText().startsWith(QStringLiteral("テキストに問題がありません")));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(PuzzleTextWindow, DroppedFilesAndTextOpenAndCopyGivesTheLine) {
    WriteBytes(dir / "drop.txt", cases[0].puzzle + "\n");
    QMimeData file;
    file.setUrls({QUrl::fromLocalFile(QString::fromStdString((dir / "drop.txt").string()))});
    Drop(file);
    EXPECT_EQ(BoardLine(), cases[0].puzzle);
    EXPECT_EQ(CurrentPath(), (dir / "drop.txt").string());

    QMimeData text;
    text.setText(QString::fromStdString(Grid(cases[1].puzzle, "", "|", "")));
    Drop(text);
    EXPECT_EQ(BoardLine(), cases[1].puzzle);
    EXPECT_EQ(CurrentPath(), "");

    QGuiApplication::clipboard()->clear();
    Command(ID_EDIT_COPY_PUZZLE);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), cases[1].puzzle);
}

} // namespace
} // namespace sorvat::test
