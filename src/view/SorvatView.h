#pragma once
#include "game/CellCursor.h"
#include "model/CellBoard.h"
#include "model/EntryList.h"
#include "platform/DrawnItemsAccessible.h"
#include "view/MemoHandoff.h"

#include <QPoint>
#include <QStringList>
#include <QWidget>

class QMimeData;

#include <bitset>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

class CSorvatDoc;
class QDragEnterEvent;
class QDropEvent;
class QEnterEvent;
class QFocusEvent;
class QKeyEvent;
class QMouseEvent;
class QPainter;
class QPaintEvent;
class QTimer;

// A rectangle as left, top, right, bottom (right and bottom exclusive, as the
// board's size rules count them).
struct BoardRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
};

// The one view of the main window. It owns all puzzle state: the working pair
// (m_moves, m_board) and the solution pair (m_solutionMoves, m_solutionBoard).
// Every change adds to or removes from an entry list, rebuilds the board of
// that list with Analyze and repaints. The methods work without a shown
// window, so tests drive them directly.
//
// The main frame creates the view, installs the memo window
// (SetMemoHandoff), calls OnCreate once it is part of the window, and calls
// OnDestroy at exit after writing the settings.
//
// To the accessibility interfaces the view is a table of the 81 cells
// (DrawnItems), whose focused cell is the key cursor's.
class CSorvatView : public QWidget, public sorvat::DrawnItems {
    Q_OBJECT

public:
    explicit CSorvatView(QWidget* parent = nullptr);
    ~CSorvatView() override;

    // ---- Puzzle state ----
    sorvat::EntryList m_moves;          // the working entries; position = undo point
    sorvat::CellBoard m_board;          // refers to m_moves
    sorvat::EntryList m_solutionMoves;  // the Lock entries of m_moves only
    sorvat::CellBoard m_solutionBoard;  // refers to m_solutionMoves; level 9

    // ---- Geometry and pointer state ----
    BoardRect m_rcSquare{0, 0, 19, 19};  // one candidate square
    QPoint m_ptOrigin{23, 23};           // top-left corner of the board
    QPoint m_hoverBox{9, 9};             // box under the pointer (0..2), 9 = none
    QPoint m_hoverCell{9, 9};            // cell inside that box, 9 = none
    QPoint m_hoverSquare{9, 9};          // candidate square inside that cell, 9 = none
    bool m_bPainting = false;
    bool m_bSettingsApplied = false;
    bool m_bPrinting = false;

    // ---- Creation, destruction, dropped files ----
    // Accepts drops, applies the settings (nothing before the main frame is
    // published), resets, loads the first argument after the program name or,
    // without one, the continue file; starts the memo window; publishes
    // g_pView. Returns 0. Arguments and file names are the system's bytes, so
    // a name that is not UTF-8 opens too.
    int OnCreate(const std::vector<std::string>& arguments);
    // Stops the memo window, writes the continue file, waits for the memo
    // window. Runs once; later calls do nothing.
    void OnDestroy();
    // Loads the first of the dropped files; an empty list is ignored.
    void OnDropFiles(const std::vector<std::string>& paths);
    // The local files of a drop, as the bytes of their names.
    static std::vector<std::string> DroppedFiles(const QMimeData* mime);

    // The memo window (not shown before one is installed).
    void SetMemoHandoff(std::unique_ptr<sorvat::MemoHandoff> handoff);
    sorvat::MemoHandoff& GetMemoHandoff() { return *m_pMemoHandoff; }

    // ---- Resets, undo and redo ----
    // Sets the dialog bar's mode buttons and 再起 box from the settings, by
    // emitting modeControlsSync (only once the main frame is published).
    void SyncModeControls();
    void ClearWorkBoard();
    void OnFullReset();
    void OnReset();
    void OnUndo();
    void OnRedo();
    void ReplayMoves();
    // Repaints the whole board (invalidates the client area).
    void InvalidateBoard();
    // Pushes the settings into both boards and analyses them (defined with
    // the board commands).
    void ApplySettings();

    // ---- Puzzle files ----
    void SetDocument(CSorvatDoc* document) { m_pDocument = document; }
    CSorvatDoc* GetDocument() const { return m_pDocument; }
    // Loads a puzzle file by name; a missing or unreadable file changes nothing.
    void LoadFile(const std::string& name);
    // Saves the working entries under `name` (md2 for a name ending in .md2).
    // The file is replaced in one step; a failure changes nothing.
    void SaveFile(const std::string& name);
    // Reads an open file (from its start) into the working entries, rebuilds
    // both boards, repaints, hands the memo to the memo window, and (unless it
    // is a fixed file) records currentPath and retitles.
    void LoadFrom(std::FILE* file, const std::string& path);
    // Writes the working entries into an open, empty file and (unless `path`
    // is a fixed file) records currentPath. Returns false when the bytes could
    // not be written; currentPath is then left alone.
    bool SaveTo(std::FILE* file, const std::string& path);
    // SaveFile with a result: writes beside `path`, then renames over it.
    // On failure nothing changes and errno tells why.
    bool SaveReplacing(const std::string& path);

signals:
    // displayMode and repeatFlag of the settings, for the dialog bar. A mode
    // outside 0..2 leaves its radio buttons as they are.
    void modeControlsSync(int displayMode, bool repeat);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void RecordCurrentPath(const std::string& path);

    CSorvatDoc* m_pDocument = nullptr;
    std::unique_ptr<sorvat::MemoHandoff> m_pMemoHandoff;
    bool m_bDestroyed = false;

public:
    // ---- Drawing and mouse (window developer) ----
    // The private message that runs the answer check, and the answer timer.
    static constexpr int WM_CHECK_ANSWER = 0x2401;
    static constexpr int AnswerTimer = 1;
    static constexpr int AnswerTimerMilliseconds = 300;

    // Paints the board on `painter`: on a printer it scales the squares and
    // fonts to the printable width; while m_bPrinting it uses origin
    // (100, 100), wide box frames and the blind-print rule. Applies the
    // settings on the first paint and hands both boards to the dialog bar.
    void OnDraw(QPainter& painter);
    // The hover drawing of the last pointer move, painted after a full board.
    void DrawHoverOverlay(QPainter& painter);
    // Box, cell and square under `point` (client coordinates); all (9, 9)
    // when the point is off the board.
    void HitTest(QPoint point, QPoint& box, QPoint& cell, QPoint& square) const;
    // The pointer handlers, with the position of a move in client coordinates.
    void OnMouseMove(QPoint point);
    void OnLButtonUp();
    void OnRButtonUp();
    void OnMButtonUp();
    // (Re)starts the single-shot answer timer; its tick runs OnTimer.
    void StartAnswerTimer();
    bool IsAnswerTimerActive() const;
    // The answer timer's tick: posts WM_CHECK_ANSWER to the view.
    void OnTimer(int timerId);
    // The answer check run by WM_CHECK_ANSWER (defined with the commands).
    void CheckAnswer();

    // What the hover drawing left on the screen, painted over the board until
    // the next InvalidateBoard.
    struct HoverOverlay {
        bool active = false;      // a hover drawing happened since the last invalidation
        int highlight = 9;        // entered digits drawn yellow, 9 = none
        bool square = false;      // the hovered square is painted
        QPoint squareCorner;      // its top-left corner
        QPoint cellCorner;
        QPoint boxCorner;
        int digit = 9;
        int style = 0;            // sorvat::SquareStyle
        // Filled cells the pointer left since the highlight was drawn: each
        // was repainted without it (index 9 * row + column).
        std::bitset<81> plainCells;
    };
    HoverOverlay m_hoverOverlay;
    QTimer* m_pAnswerTimer = nullptr;

    // ---- Play on one cell (the buttons and the keys) ----
    // What a left, right and middle click does to cell (x, y) and digit d,
    // and the key that takes back a Fix: the rule, the repaint and, when the
    // board is full, the answer timer. Nothing before the main frame exists.
    void MarkPossibleAt(int x, int y, int d);
    void EnterFixAt(int x, int y, int d);
    void SwitchFixAndLockAt(int x, int y);
    void TakeBackFixAt(int x, int y);

    // ---- Keys on the board ----
    // The cell the keys play on; drawn once a key has moved or used it.
    sorvat::CellCursor m_cursor;
    bool m_bCursorShown = false;
    // A key press while the board has the focus: arrows, Home, End,
    // Ctrl+Home and Ctrl+End move the cursor; 1-9 enter a Fix, Ctrl+1-9
    // toggle a Possible mark, Space switches Fix and Lock, Delete and
    // Backspace take back the Fix. False for every other key.
    bool PlayKey(int qtKey, Qt::KeyboardModifiers modifiers);
    void MoveCursorTo(int x, int y);

    // ---- Accessibility ----
    int DrawnItemCount() const override { return 81; }
    // "X3 Y5: 6, Fix", "X3 Y5: Lock 2", "X3 Y5: empty, candidates 1 4 7".
    QString DrawnItemName(int index) const override;
    QRect DrawnItemRect(int index) const override;
    QAccessible::Role DrawnItemRole() const override { return QAccessible::Cell; }
    int CurrentDrawnItem() const override { return m_cursor.Index(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    // Repaints after a play and starts the answer timer when it is due.
    void AfterPlay(bool answerCheckDue);
    void ShowCursor();
    // The cursor frame and, in the checking modes, the highlight of its digit.
    void DrawCursor(QPainter& painter);
    void DrawCursorHighlight(QPainter& painter);
    // Sends the name changes of the cells to the accessibility interfaces.
    void NotifyAccessibleCells();
    std::vector<QString> m_accessibleNames;

public:

    // ---- Commands (commands developer) ----
    // The memo window to install with SetMemoHandoff: an ownerless,
    // non-modal box titled "Sorvat_QMessage".
    static std::unique_ptr<sorvat::MemoHandoff> CreateMemoWindow();

    // Board commands of the 編集 menu and the dialog bar.
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

    // 新しい問題: asks for the level, the symmetry and how many; one puzzle is
    // loaded at once, more are written as a numbered queue into a chosen
    // directory and the first is loaded.
    void OnNewPuzzle();
    // Plays `givens` as a new puzzle without a file.
    void LoadGivens(const sorvat::EntryList& givens);

    // Marks the current puzzle file finished ("x." prefix) and loads the
    // first unfinished file of its directory. 0 when loaded or when none is
    // left; -1 no current path, -3 no "/", -4 empty directory or name,
    // -100 the directory cannot be listed.
    int LoadNextProblem();

    // A key-down with its Windows virtual-key code: A applies the next move,
    // Ctrl+C / Ctrl+Shift+C write "CTRL" / "CTRL+SHIFT" into the title.
    void HandleKey(int virtualKey);

    // 操作方法等ヘルプ: opens "SorvatHelp.chm" beside the program.
    void OnHelp();
    // Closes the memo box of the previous file, if one is open.
    void CloseMessageWindow();

    // Printing: the 印刷設定 dialog first, then the print dialog or preview.
    void OnFilePrint();
    void OnFilePrintPreview();
    void PreviewBoard(class QPrinter& printer);
    // Shows the print settings dialog, then the print dialog (not for a
    // preview); false when the print dialog was cancelled.
    bool OnPreparePrinting(class QPrinter& printer, bool preview);
    void OnBeginPrinting();
    void OnEndPrinting();
    // Prints the board as one page (between OnBeginPrinting and OnEndPrinting).
    void PrintBoard(class QPrinter& printer);

    // Excel形式で保存: m_board into "SorvatQ.YYMMDD.HHMMSS.xls" in StartDirectory,
    // made from "_Template.xls"; "Info" box when saved, "Error" box when the
    // spreadsheet application cannot run or fails.
    void OnExportSpreadsheet();
};
