#include "guisupport/WindowFixture.h"

#include "commands/CommandTexts.h"
#include "export/SpreadsheetApp.h"
#include "shell/CommandIds.h"
#include "shell/LevelEdit.h"
#include "text/Cp932.h"

#include <QAbstractButton>
#include <QAction>

using namespace sorvat;
using namespace sorvat::test;

namespace {

class BoardCommands : public CommandFixture {
protected:
    // The easy puzzle loaded from a file: 30 givens as Locks.
    void LoadPuzzle() { view->LoadFile(WritePuzzle("q1.md2").string()); }

    // The givens as Locks, the answers as Fix entries except that the answers
    // of (2,0) and (3,0) are swapped.
    void PlayWithTwoWrongCells() {
        AddGrid(view->m_moves, EasyPuzzle, Lock);
        AddAnswers(view->m_moves, EasyPuzzle, SwappedSolution());
        view->ApplySettings();
    }

    // Fix entries with the right digits in `cells`, then the boards rebuilt.
    void EnterAnswers(std::initializer_list<std::pair<int, int>> cells) {
        for (auto [x, y] : cells) view->m_moves.Add(Entry(x, y, DigitAt(EasySolution, x, y), Fix));
        view->ApplySettings();
    }
};

int CountOfKind(const EntryList& list, int kind) {
    int n = 0;
    for (int i = 0; i < list.Position(); ++i) n += list.At(i).kind == kind ? 1 : 0;
    return n;
}

} // namespace

TEST_F(BoardCommands, QuickSaveAndQuickLoadKeepTheCurrentPuzzlePath) {
    LoadPuzzle();
    view->OnQuickLoad();  // no quick file yet: nothing changes
    EXPECT_EQ(view->m_moves.Count(), 30);

    const std::string current = CurrentPath();
    view->m_moves.Add(Entry(2, 0, 3, Fix));
    view->OnQuickSave();
    ASSERT_TRUE(std::filesystem::exists(dir / "_Sorvat.Quick.md1"));
    view->OnFullReset();
    ASSERT_EQ(view->m_moves.Count(), 0);
    view->OnQuickLoad();
    EXPECT_EQ(view->m_moves.Count(), 31);
    EXPECT_EQ(view->m_board.Cell(2, 0).enteredDigit, 3);
    EXPECT_EQ(CurrentPath(), current);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(BoardCommands, ModesAndRepeatFollowTheSettingsAndTheDialogBar) {
    CStatusDialogBar* bar = frame->DialogBar();
    view->SetBoardMode(ModeAnalysis);
    EXPECT_EQ(settings().displayMode, ModeAnalysis);
    EXPECT_TRUE(bar->Button(IDC_MODE_ANALYSIS)->isChecked());
    EXPECT_FALSE(bar->Button(IDC_MODE_SELF)->isChecked());
    view->OnModeHint();
    EXPECT_EQ(settings().displayMode, ModeHint);
    EXPECT_TRUE(bar->Button(IDC_MODE_HINT)->isChecked());

    ASSERT_EQ(settings().repeatFlag, 0);
    view->OnToggleRepeat();
    EXPECT_EQ(settings().repeatFlag, 1);
    EXPECT_EQ(view->m_board.repeatUntilStable, 1);
    EXPECT_TRUE(bar->Button(IDC_REPEAT)->isChecked());
    view->OnToggleRepeat();
    EXPECT_EQ(view->m_board.repeatUntilStable, 0);
}

TEST_F(BoardCommands, CommandsNeedingTheMainFrameDoNothingBeforeIt) {
    FrameServices* published = g_pMainFrame;
    g_pMainFrame = nullptr;
    view->SetBoardMode(ModeAnalysis);
    view->OnToggleRepeat();
    view->OnAutoConfirm();
    g_pMainFrame = published;
    EXPECT_EQ(settings().displayMode, ModeSelf);
    EXPECT_EQ(settings().repeatFlag, 0);
    EXPECT_EQ(view->m_moves.Count(), 0);
}

TEST_F(BoardCommands, LevelEditChangesTheLevelWithinMaxLevelOnly) {
    LoadPuzzle();
    CLevelEdit* edit = frame->m_wndLevelEdit;
    auto enter = [&](const char* text) {
        edit->setText(QString::fromUtf8(text));
        view->OnLevelChanged();
    };
    enter("5");
    EXPECT_EQ(settings().analysisLevel, 5);
    EXPECT_EQ(view->m_board.level, 5);
    for (const char* refused : {"9", "4x", ""}) enter(refused);  // 9 is above MaxLevel 8
    EXPECT_EQ(settings().analysisLevel, 5);

    // The same level again does not analyse the board again.
    view->m_board.ResetCells();
    enter("15");
    EXPECT_EQ(view->m_board.enteredCount, 0);
}

TEST_F(BoardCommands, ApplySettingsConfiguresBothBoards) {
    LoadPuzzle();
    settings().analysisLevel = 3;
    settings().repeatFlag = 1;
    view->ApplySettings();
    EXPECT_EQ(view->m_board.level, 3);
    EXPECT_EQ(view->m_board.repeatUntilStable, 1);
    EXPECT_EQ(view->m_board.autoConfirm, 0);
    EXPECT_EQ(view->m_solutionBoard.level, 9);
    EXPECT_EQ(view->m_solutionBoard.autoConfirm, 1);
    EXPECT_EQ(CountOfKind(view->m_solutionMoves, Lock), 30);
    EXPECT_EQ(view->m_solutionBoard.solvedCount, 81);
    EXPECT_TRUE(view->m_bSettingsApplied);
}

TEST_F(BoardCommands, NextMoveShowsTheExplanationInAnInfoBox) {
    LoadPuzzle();
    view->OnNextMove();
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].title, "Info");
    EXPECT_EQ(Boxes()[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(view->m_moves.Count(), 30);
    char buffer[NextMoveBufferSize] = {};
    view->m_board.NextMove(buffer, NextMoveBufferSize);
    EXPECT_TRUE(Boxes()[0].text.contains(u'X'));
    EXPECT_EQ(Boxes()[0].text, QString::fromStdString(Cp932ToUtf8(buffer)));
}

TEST_F(BoardCommands, EraseWrongCellsRefusesWithFewerThanFourteenLocks) {
    // 13 Locks of the answer.
    for (int i = 0; i < 13; ++i) view->m_moves.Add(Entry(i % 9, i / 9, DigitAt(EasySolution, i % 9, i / 9), Lock));
    view->m_moves.Add(Entry(8, 8, 0, Fix));
    view->ApplySettings();
    view->OnEraseWrongCells();
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, QString::fromUtf8(texts::TooFewLocksText));
    EXPECT_EQ(Boxes()[0].title, QString::fromUtf8("警告"));
    EXPECT_EQ(Boxes()[0].icon, MessageIcon::Warning);
    EXPECT_EQ(view->m_moves.Count(), 14);

    // With a 14th Lock the check goes on (to the undetermined refusal).
    view->m_moves.Add(Entry(4, 1, DigitAt(EasySolution, 4, 1), Lock));
    view->OnEraseWrongCells();
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[1].text, QString::fromUtf8(texts::UndeterminedText));
    EXPECT_EQ(view->m_moves.Count(), 15);
}

TEST_F(BoardCommands, EraseWrongCellsTakesOutWrongFixDigitsAndTheRedoTail) {
    PlayWithTwoWrongCells();
    const int before = view->m_moves.Count();
    view->OnUndo();  // a right answer goes to the redo tail
    ASSERT_EQ(view->m_moves.Position(), before - 1);
    view->OnEraseWrongCells();
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, QString::fromUtf8("2個の間違いを消去しました。"));
    EXPECT_EQ(Boxes()[0].title, "Sorvat");
    EXPECT_EQ(view->m_moves.Count(), before - 3);
    EXPECT_EQ(view->m_moves.Position(), view->m_moves.Count());
    EXPECT_FALSE(view->m_board.Cell(2, 0).HasEntered());
    EXPECT_FALSE(view->m_board.Cell(3, 0).HasEntered());
    EXPECT_EQ(view->m_board.enteredCount, 78);

    view->OnEraseWrongCells();
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[1].text, QString::fromUtf8("間違いは見当たりません。"));
    EXPECT_EQ(view->m_moves.Count(), before - 3);
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

TEST_F(BoardCommands, CopyAnalysisToSelfAtLevelZeroMarksEveryCandidate) {
    LoadPuzzle();
    EnterAnswers({{2, 0}});
    view->OnCopyAnalysisToSelf();

    const EntryList& moves = view->m_moves;
    EXPECT_EQ(moves.Position(), moves.Count());
    EXPECT_EQ(CountOfKind(moves, Lock), 30);
    EXPECT_EQ(CountOfKind(moves, Fix), 1);
    // Locks first, then Fix entries, then the marks.
    EXPECT_EQ(moves.At(29).kind, Lock);
    EXPECT_EQ(moves.At(30).kind, Fix);
    EXPECT_EQ(moves.At(31).kind, Possible);
    // Every empty cell shows its candidates as the player's marks.
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const SCell& cell = view->m_board.Cell(x, y);
            if (cell.HasEntered()) continue;
            EXPECT_GT(cell.possibleCount, 0) << x << "," << y;
            for (int d = 0; d < 9; ++d) EXPECT_EQ(cell.Has(d, PossibleBit), cell.Has(d, CandidateBit)) << x << y << d;
        }
}

TEST_F(BoardCommands, CopyAnalysisToSelfMarksSolvedDigitsAtHigherLevels) {
    LoadPuzzle();
    settings().analysisLevel = 8;
    settings().repeatFlag = 1;
    view->ApplySettings();
    ASSERT_EQ(view->m_board.solvedCount, 81);
    view->OnCopyAnalysisToSelf();
    // One mark for each solved cell without an entered digit.
    EXPECT_EQ(CountOfKind(view->m_moves, Possible), 81 - 30);
    EXPECT_EQ(view->m_board.Cell(2, 0).possibleCount, 1);
    EXPECT_TRUE(view->m_board.Cell(2, 0).Has(DigitAt(EasySolution, 2, 0), PossibleBit));
}

TEST_F(BoardCommands, LockAllTurnsFixDigitsIntoLocks) {
    LoadPuzzle();
    view->m_moves.Add(Entry(5, 5, 0, Possible));
    EnterAnswers({{2, 0}, {3, 0}});
    view->OnLockAll();
    EXPECT_EQ(CountOfKind(view->m_moves, Lock), 32);
    EXPECT_EQ(CountOfKind(view->m_moves, Fix), 0);
    EXPECT_EQ(CountOfKind(view->m_moves, Possible), 1);
    EXPECT_TRUE(view->m_board.Cell(2, 0).IsLocked());
    EXPECT_EQ(CountOfKind(view->m_solutionMoves, Lock), 32);

    // Undo can no longer step behind the new Locks.
    const int position = view->m_moves.Position();
    view->OnUndo();
    EXPECT_EQ(view->m_moves.Position(), position);
}

TEST_F(BoardCommands, AutoConfirmIsOneShotAndRepeatsWithRepeatOn) {
    LoadPuzzle();
    view->OnAutoConfirm();  // level 0: naked singles, two passes
    const int oncePass = view->m_moves.Count() - 30;
    EXPECT_GT(oncePass, 0);
    EXPECT_EQ(settings().autoConfirmFlag, 0);
    EXPECT_EQ(view->m_board.autoConfirm, 0);
    EXPECT_EQ(CountOfKind(view->m_moves, Fix), oncePass);

    // Each added entry can be undone on its own.
    view->OnUndo();
    EXPECT_EQ(view->m_moves.Position(), view->m_moves.Count() - 1);

    LoadPuzzle();
    view->OnToggleRepeat();
    view->OnAutoConfirm();
    EXPECT_EQ(view->m_board.enteredCount, 81);
    EXPECT_GT(view->m_moves.Count() - 30, oncePass);
}
