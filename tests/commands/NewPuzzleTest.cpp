#include "guisupport/ScriptedFileDialogs.h"
#include "guisupport/WindowFixture.h"

#include "commands/CommandTexts.h"
#include "commands/NewPuzzleDlg.h"
#include "files/PuzzleFile.h"
#include "files/PuzzleLines.h"
#include "game/AnswerBoard.h"
#include "solver/Solver.h"

#include <QApplication>
#include <QComboBox>
#include <QSpinBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace sorvat::test {
namespace {

namespace fs = std::filesystem;

class NewPuzzle : public CommandFixture {
protected:
    // Triggers the menu command and fills in its dialog once it shows.
    void Run(int level, int symmetryIndex, int count) {
        QTimer::singleShot(0, [=] {
            auto* dialog = qobject_cast<CNewPuzzleDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->m_pLevel->setCurrentIndex(dialog->m_pLevel->findData(level));
            dialog->m_pSymmetry->setCurrentIndex(symmetryIndex);
            dialog->m_pCount->setValue(count);
            dialog->accept();
        });
        frame->Action(ID_FILE_NEW_PUZZLE)->trigger();
    }

    std::string BoardLine() const { return PuzzleOfLocks(moves()); }
};

TEST_F(NewPuzzle, OnePuzzleIsPlayedAtOnceWithoutAFileAndIsUniqueAndOfTheLevel) {
    ScriptedFileDialogs dialogs;
    view->LoadFile(WritePuzzle("earlier.md2").string());
    Run(3, 1, 1);
    const std::string line = BoardLine();
    EXPECT_EQ(solver::CountSolutions(solver::GridFromText(line), 2).count, 1);
    EXPECT_EQ(GradeOfGivens(LocksFromPuzzle(line)), 3);
    for (int i = 0; i < 81; ++i)  // rotational symmetry
        EXPECT_EQ(line[static_cast<std::size_t>(i)] == '.', line[static_cast<std::size_t>(80 - i)] == '.');
    EXPECT_EQ(moves().Position(), 81 - static_cast<int>(std::count(line.begin(), line.end(), '.')));
    EXPECT_TRUE(settings().CurrentPath().empty());  // a solved puzzle does not move an earlier queue
    EXPECT_EQ(document->GetTitle(), QString::fromUtf8("無題"));  // nor is it saved over the earlier file
    frame->Action(ID_FILE_SAVE_AS)->trigger();
    EXPECT_EQ(dialogs.LastSaveSuggestion(), QString::fromUtf8("無題"));

    // Solved, it offers a new puzzle of the same level, not a file to mark.
    EntryList solved = moves();
    AddAnswers(solved, line, SolvedDigits(session().Answer()));
    Play(solved);
    boxes.Answer(MessageResult::Yes);
    commands->CheckAnswer();
    EXPECT_EQ(Boxes().back().text, QString::fromUtf8(texts::CorrectMadeText));
    EXPECT_NE(BoardLine(), line);
    EXPECT_EQ(GradeOfGivens(moves()), 3);
    EXPECT_TRUE(settings().CurrentPath().empty());
}

// The dialog names the levels and opens with the last choices.
TEST_F(NewPuzzle, TheDialogNamesTheLevelsAndKeepsTheLastChoices) {
    Run(5, 2, 1);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CNewPuzzleDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->m_pLevel->currentText(), QString::fromUtf8("5 — 隠れたペアとトリプルも (むずかしい)"));
        EXPECT_EQ(dialog->m_pSymmetry->currentIndex(), 2);
        EXPECT_EQ(dialog->m_pLevel->itemText(dialog->m_pLevel->count() - 1), QString::fromUtf8("8 — 仮定を使う (とてもむずかしい)"));
        dialog->reject();
    });
    frame->Action(ID_FILE_NEW_PUZZLE)->trigger();
}

TEST_F(NewPuzzle, SeveralPuzzlesBecomeAQueueInTheChosenDirectoryAndTheFirstIsLoaded) {
    ScriptedFileDialogs dialogs;
    const fs::path queue = dir / "queue";
    dialogs.Answer(QString::fromStdString(queue.string()));
    Run(1, 0, 3);
    for (const char* name : {"00001.md2", "00002.md2", "00003.md2"}) EXPECT_TRUE(fs::exists(queue / name)) << name;
    EXPECT_EQ(std::string(settings().CurrentPath()), (queue / "00001.md2").string());
    EntryList first;
    PuzzleFile().ReadBytes(ReadBytes((queue / "00001.md2").string()), "00001.md2", first);
    EXPECT_EQ(BoardLine(), PuzzleOfLocks(first));
}

} // namespace
} // namespace sorvat::test
