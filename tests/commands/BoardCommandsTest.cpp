// The board commands in the window: their boxes, the controls they set and
// the board they leave. The rules themselves are checked in tests/game.
#include "guisupport/WindowFixture.h"

#include "commands/CommandTexts.h"
#include "export/SpreadsheetApp.h"
#include "shell/LevelEdit.h"
#include "text/Cp932.h"

#include <QAbstractButton>
#include <QAction>

namespace sorvat::test {
namespace {

class BoardCommands : public CommandFixture {
protected:
    // The easy puzzle loaded from a file: 30 givens as Locks.
    void LoadPuzzle() { view->LoadFile(WritePuzzle("q1.md2").string()); }
};

TEST_F(BoardCommands, LevelEditChangesTheLevelWithinMaxLevelOnly) {
    LoadPuzzle();
    CLevelEdit* edit = frame->m_wndLevelEdit;
    auto enter = [&](const char* text) {
        edit->setText(QString::fromUtf8(text));
        commands->OnLevelChanged();
    };
    enter("5");
    EXPECT_EQ(settings().analysisLevel, 5);
    EXPECT_EQ(board().level, 5);
    for (const char* refused : {"9", "4x", ""}) enter(refused);  // 9 is above MaxLevel 8
    EXPECT_EQ(settings().analysisLevel, 5);

    // The same level again does not analyse the board again.
    int changes = 0;
    const int listener = session().Listen([&](const SessionChange&) { ++changes; });
    enter("15");
    session().Unlisten(listener);
    EXPECT_EQ(changes, 0);
}

TEST_F(BoardCommands, NextMoveShowsTheExplanationInAnInfoBox) {
    LoadPuzzle();
    Command(ID_EDIT_NEXT_MOVE);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].title, "Info");
    EXPECT_EQ(Boxes()[0].spokenTitle, QString::fromUtf8("情報"));  // a Japanese voice spells "Info"
    EXPECT_EQ(Boxes()[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(moves().Count(), 30);
    EXPECT_TRUE(Boxes()[0].text.contains(u'X'));
    EXPECT_EQ(Boxes()[0].text, QString::fromStdString(Cp932ToUtf8(session().NextMove().text)));
}

TEST_F(BoardCommands, EraseWrongCellsReportsItsOutcomeAndShowsTheCorrectedBoard) {
    const QString caution = QString::fromUtf8(texts::CautionTitle);
    const struct {
        EntryList moves;
        QString text;
        QString title;
        MessageIcon icon;
        int enteredAfter;
    } cases[] = {
        {FirstLocksOfTheAnswer(13), QString::fromUtf8(texts::TooFewLocksText), caution, MessageIcon::Warning, 14},
        {FirstLocksOfTheAnswer(14), QString::fromUtf8(texts::UndeterminedText), caution, MessageIcon::Warning, 15},
        {Played(SwappedSolution()), QString::fromUtf8("2個の間違いを消去しました。"), "Sorvat", MessageIcon::None, 79},
        {Played(), QString::fromUtf8("間違いは見当たりません。"), "Sorvat", MessageIcon::None, 81},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        Play(c.moves);
        view->ApplySettings();
        Command(ID_EDIT_ERASE_WRONG);
        EXPECT_EQ(Boxes().back().text, c.text);
        EXPECT_EQ(Boxes().back().title, c.title);
        EXPECT_EQ(Boxes().back().icon, c.icon);
        EXPECT_EQ(board().enteredCount, c.enteredAfter);
    }
}

// The menu's lock-all and copy-the-analysis leave the board of their new
// entries.
TEST_F(BoardCommands, LockAllAndCopyAnalysisFromTheMenuShowTheirEntries) {
    LoadPuzzle();
    session().EnterFix(2, 0, DigitAt(EasySolution, 2, 0));
    frame->Action(ID_EDIT_LOCK_ALL)->trigger();
    EXPECT_TRUE(board().Cell(2, 0).IsLocked());

    frame->Action(ID_EDIT_COPY_ANALYSIS)->trigger();
    EXPECT_TRUE(board().Cell(3, 0).Has(DigitAt(EasySolution, 3, 0), PossibleBit));
    EXPECT_EQ(board().Cell(3, 0).possibleCount, board().Cell(3, 0).candidateCount);
}

TEST_F(BoardCommands, AutoConfirmIsOneShotAndRepeatsWithRepeatOn) {
    LoadPuzzle();
    Command(ID_EDIT_AUTO_CONFIRM);  // level 0: naked singles, two passes
    const int oncePass = moves().Count() - 30;
    EXPECT_GT(oncePass, 0);
    EXPECT_EQ(settings().autoConfirmFlag, 0);
    EXPECT_EQ(board().autoConfirm, 0);

    // Each added entry can be undone on its own.
    Command(ID_EDIT_UNDO_MOVE);
    EXPECT_EQ(moves().Position(), moves().Count() - 1);

    LoadPuzzle();
    frame->DialogBar()->Button(IDC_REPEAT)->click();
    EXPECT_EQ(settings().repeatFlag, 1);
    Command(ID_EDIT_AUTO_CONFIRM);
    EXPECT_EQ(board().enteredCount, 81);
    EXPECT_GT(moves().Count() - 30, oncePass);
}

TEST_F(BoardCommands, ExcelExportWritesIntoTheStartDirectoryAndReportsInABox) {
    LoadPuzzle();
    namespace fs = std::filesystem;
    fs::copy_file(SORVAT_SOURCE_DIR "/data/_Template.xls", dir / "_Template.xls");
    fs::create_directories(dir / "start");
    const std::string started = StartDirectory;
    StartDirectory = (dir / "start").string();
    frame->Action(ID_FILE_SAVE_EXCEL)->trigger();
    std::vector<fs::path> written;
    for (const auto& entry : fs::directory_iterator(dir / "start")) written.push_back(entry.path());
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].extension(), ".xls");
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].title, "Info");
    EXPECT_TRUE(Boxes()[0].text.contains(QString::fromStdString(written[0].string())));

    // Without an office: an error box, and nothing written.
    SetDefaultSpreadsheetAppFactory([] { return std::unique_ptr<SpreadsheetApp>(); });
    frame->Action(ID_FILE_SAVE_EXCEL)->trigger();
    SetDefaultSpreadsheetAppFactory({});
    StartDirectory = started;
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[1].title, "Error");
    EXPECT_EQ(Boxes()[1].icon, MessageIcon::Error);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "start"), fs::directory_iterator()), 1);
}

} // namespace
} // namespace sorvat::test
