#pragma once
#include "game/ProblemQueue.h"
#include "game/PuzzleGenerator.h"

#include <QObject>

#include <optional>

class CSorvatView;
class QPrinter;
namespace sorvat {
class GameSession;
}

// The commands of the menus, the tool bar, the dialog bar and the keys the
// application hands on, for the board of one view. They call the view's game
// session and show the boxes; the session's change notice repaints. The main
// frame creates them with its view, before the view's OnCreate.
class CViewCommands : public QObject {
    Q_OBJECT

public:
    explicit CViewCommands(CSorvatView& view);

    // ---- 編集 menu and the dialog bar (BoardCommands.cpp) ----
    void OnFullReset();
    void OnReset();
    void OnUndo();
    void OnRedo();
    void OnQuickSave();
    void OnQuickLoad();
    void SetBoardMode(int mode);
    void OnModeSelf() { SetBoardMode(0); }
    void OnModeHint() { SetBoardMode(1); }
    void OnModeAnalysis() { SetBoardMode(2); }
    void OnToggleRepeat();
    // Reads the dialog bar's level edit (1004).
    void OnLevelChanged();
    void OnNextMove();
    void OnEraseWrongCells();
    void OnCopyAnalysisToSelf();
    void OnLockAll();
    void OnAutoConfirm();

    // ---- Keys (Keyboard.cpp) ----
    // A key-down with its Windows virtual-key code: A applies the next move
    // (and never starts the answer check), Ctrl+C / Ctrl+Shift+C write
    // "CTRL" / "CTRL+SHIFT" into the title.
    void HandleKey(int virtualKey);

    // ---- Answer check and the next problem (AnswerCheck.cpp) ----
    // The verdict box on the full board; a solved puzzle may move on: to the
    // next file of its queue, or for a puzzle made here without a file, to a
    // new one of the same level.
    void CheckAnswer();
    // Marks the current puzzle file finished ("x." prefix) and loads the
    // first unfinished file of its directory, with a box for every outcome
    // but the next file loaded.
    sorvat::QueueStep::Status LoadNextProblem();

    // ---- 新しい問題 (NewPuzzle.cpp) ----
    // Asks for the level, the symmetry and how many; one puzzle is played at
    // once, more are written as a numbered queue into a chosen directory and
    // the first is loaded.
    void OnNewPuzzle();
    // Makes one puzzle of `settings` (behind a progress dialog) and plays it
    // without a file. False when cancelled.
    bool PlayNewPuzzle(sorvat::GeneratorSettings settings);

    // ---- Puzzles through the clipboard (PuzzleClipboard.cpp) ----
    // 問題を貼り付け, Ctrl+V and Shift+Insert: the clipboard's text as a dropped text.
    void OnPastePuzzle();
    // Plays the first puzzle of `text` (PuzzleText.h) without a file, as a
    // made one; the status bar tells how many the text held, or why it held
    // none (nothing changes then).
    void PlayPuzzleText(const QString& text);
    // 問題をコピー: the Lock digits as one 81-character line ('.' elsewhere).
    void OnCopyPuzzle();

    // ---- Printing (Printing.cpp): the 印刷設定 dialog first, then the print
    // dialog or the preview ----
    void OnFilePrint();
    void OnFilePrintPreview();
    void PreviewBoard(QPrinter& printer);
    // Shows the print settings dialog, then the print dialog (not for a
    // preview); false when the print dialog was cancelled.
    bool OnPreparePrinting(QPrinter& printer, bool preview);
    // Prints the board as one page.
    void PrintBoard(QPrinter& printer);

    // 操作方法等ヘルプ: opens "SorvatHelp.chm" beside the program (Help.cpp).
    void OnHelp();

    // Excel形式で保存: the working board into "SorvatQ.YYMMDD.HHMMSS.xls" in
    // StartDirectory, made from "_Template.xls"; "Info" box when saved,
    // "Error" box when the spreadsheet application cannot run or fails
    // (ExportCommandHandler.cpp).
    void OnExportSpreadsheet();

private:
    // The settings of the puzzle made last and played without a file; it is
    // the one on the board while there is no current path.
    bool PlayingMadePuzzle() const;

    CSorvatView& m_view;
    sorvat::GameSession& m_session;
    std::optional<sorvat::GeneratorSettings> m_madePuzzle;
};
