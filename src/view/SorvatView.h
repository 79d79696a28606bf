#pragma once
#include "game/CellCursor.h"
#include "files/DeferredFileWriter.h"
#include "game/GameSession.h"
#include "platform/DrawnItemsAccessible.h"
#include "view/MemoHandoff.h"

#include <QPoint>
#include <QStringList>
#include <QWidget>

class QMimeData;

#include <bitset>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
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

// The board widget of the main window. It paints the game session it is
// given, turns the pointer and the keys into session calls, and repaints
// when the session reports a change. The methods work without a shown
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
    explicit CSorvatView(sorvat::GameSession& session, QWidget* parent = nullptr);
    ~CSorvatView() override;

    sorvat::GameSession& Session() { return m_session; }
    const sorvat::GameSession& Session() const { return m_session; }

    // ---- Geometry and pointer state ----
    BoardRect m_rcSquare{0, 0, 19, 19};  // one candidate square
    QPoint m_ptOrigin{23, 23};           // top-left corner of the board
    QPoint m_hoverBox{9, 9};             // box under the pointer (0..2), 9 = none
    QPoint m_hoverCell{9, 9};            // cell inside that box, 9 = none
    QPoint m_hoverSquare{9, 9};          // candidate square inside that cell, 9 = none
    bool m_bPainting = false;
    bool m_bPrinting = false;

    // ---- Creation, destruction, dropped files ----
    // Accepts drops, resets, loads the first argument after the program name
    // or, without one, the continue file (whose puzzle keeps the current path
    // only when it is that file's puzzle); starts keeping the continue file up
    // to date and the memo window; publishes g_pView. Returns 0. Arguments and file names are the system's bytes, so
    // a name that is not UTF-8 opens too.
    int OnCreate(const std::vector<std::string>& arguments);
    // Stops the memo window, writes the continue file, waits for the memo
    // window. Runs once; later calls do nothing.
    void OnDestroy();
    // While the game is played, the continue file follows the entries, at
    // most this long after a change (written off the input path); without a
    // delay it is written at exit only. One second unless set before OnCreate.
    static void SetContinueSaveDelay(std::optional<std::chrono::milliseconds> delay);
    // Loads the first of the dropped files; an empty list is ignored.
    void OnDropFiles(const std::vector<std::string>& paths);
    // The local files of a drop, as the bytes of their names.
    static std::vector<std::string> DroppedFiles(const QMimeData* mime);
    // The text of a drop that brings no files (a selection dragged from a
    // page); empty otherwise.
    static QString DroppedText(const QMimeData* mime);
    // A drop of files or of text, which OnDrop takes: the files are opened,
    // the text is handed on as puzzleTextDropped.
    static bool IsPuzzleDrop(const QMimeData* mime);
    void OnDrop(const QMimeData* mime);

    // The memo window (not shown before one is installed).
    void SetMemoHandoff(std::unique_ptr<sorvat::MemoHandoff> handoff);
    sorvat::MemoHandoff& GetMemoHandoff() { return *m_pMemoHandoff; }

    // Sets the dialog bar's mode buttons and 再起 box from the settings, by
    // emitting modeControlsSync (only once the main frame is published).
    void SyncModeControls();
    // Pushes the settings into the session (which analyses both boards) and
    // syncs the dialog bar; nothing before the main frame is published.
    void ApplySettings();
    // Repaints the whole board (invalidates the client area).
    void InvalidateBoard();

    // ---- Puzzle files ----
    void SetDocument(CSorvatDoc* document) { m_pDocument = document; }
    CSorvatDoc* GetDocument() const { return m_pDocument; }
    // Loads a puzzle file by name; a missing or unreadable file changes nothing.
    void LoadFile(const std::string& name);
    // Saves the working entries under `name` (md2 for a name ending in .md2).
    // The file is replaced in one step; a failure changes nothing.
    void SaveFile(const std::string& name);
    // Reads an open file (from its start) into the session, hands the memo to
    // the memo window, and (unless it is a fixed file) records currentPath
    // and retitles. A file not named .md1 or .md2 is read as puzzle text
    // (LoadPuzzleText). False when nothing was loaded.
    bool LoadFrom(std::FILE* file, const std::string& path);
    // Writes the working entries into an open, empty file and (unless `path`
    // is a fixed file) records currentPath. Returns false when the bytes could
    // not be written; currentPath is then left alone.
    bool SaveTo(std::FILE* file, const std::string& path);
    // SaveFile with a result: writes beside `path`, then renames over it.
    // On failure nothing changes and errno tells why.
    bool SaveReplacing(const std::string& path);
    // Plays `givens` as a new puzzle without a file: a save asks for a name,
    // and solving it does not move the queue of the file played before.
    void PlayWithoutFile(const sorvat::EntryList& givens);

signals:
    // Text without files was dropped on the window: played as a pasted puzzle.
    void puzzleTextDropped(const QString& text);
    // displayMode and repeatFlag of the settings, for the dialog bar. A mode
    // outside 0..2 leaves its radio buttons as they are.
    void modeControlsSync(int displayMode, bool repeat);
    // The answer timer ran out: the full board is to be checked.
    void answerCheckDue();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void RecordCurrentPath(const std::string& path);
    // An md1 or md2 file, or a file of another name that holds md1 entries.
    void LoadPuzzleFile(std::FILE* file, const std::string& fullPath);
    // A file of puzzle text (PuzzleText.h): one puzzle is played with the
    // file as currentPath; of several the player chooses the first or all
    // of them as a queue of md2 files in a folder; without one a box says
    // so and nothing changes (unless md1 entries are read instead).
    bool LoadPuzzleText(std::FILE* file, const std::string& fullPath);
    bool WriteQueueAndPlay(const std::vector<std::string>& puzzles);
    void OnSessionChange(const sorvat::SessionChange& change);

    sorvat::GameSession& m_session;
    int m_sessionListener = 0;
    CSorvatDoc* m_pDocument = nullptr;
    std::unique_ptr<sorvat::MemoHandoff> m_pMemoHandoff;
    std::unique_ptr<sorvat::DeferredFileWriter> m_pContinueWriter;  // from OnCreate on
    bool m_bDestroyed = false;

public:
    // ---- Drawing and mouse ----
    static constexpr int AnswerTimerMilliseconds = 300;

    // Paints the board on `painter`: on a printer it scales the squares and
    // fonts to the printable width; while m_bPrinting it uses origin
    // (100, 100), wide box frames and the blind-print rule. Applies the
    // settings on the first paint and hands both boards to the dialog bar.
    void OnDraw(QPainter& painter);
    // Printing on (origin, frames, blind print) until OnEndPrinting, which
    // repaints the screen.
    void OnBeginPrinting();
    void OnEndPrinting();
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
    // (Re)starts the single-shot answer timer; when it runs out the view
    // emits answerCheckDue.
    void StartAnswerTimer();
    bool IsAnswerTimerActive() const;

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

    // ---- Play on one cell (the buttons and the keys) ----
    // What a left, right and middle click does to cell (x, y) and digit d,
    // and the keys that replace and take back a Fix: the session's rule and,
    // when the board is full, the answer timer. Nothing before the main frame
    // exists.
    void MarkPossibleAt(int x, int y, int d);
    void EnterFixAt(int x, int y, int d);
    void ReplaceFixAt(int x, int y, int d);
    void SwitchFixAndLockAt(int x, int y);
    void TakeBackFixAt(int x, int y);

    // ---- Keys on the board ----
    // The cell the keys play on; drawn once a key has moved or used it.
    sorvat::CellCursor m_cursor;
    bool m_bCursorShown = false;
    // A key press while the board has the focus: arrows, Home, End,
    // Ctrl+Home and Ctrl+End move the cursor; 1-9 enter a Fix (replacing a
    // Fix of another digit, taking back one of the same), Ctrl+1-9
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
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    // Starts the answer timer when a play made it due.
    void AfterPlay(bool answerCheckDue);
    void ShowCursor();
    // The cursor frame and, in the checking modes, the highlight of its digit.
    void DrawCursor(QPainter& painter);
    void DrawCursorHighlight(QPainter& painter);
    // Sends the name changes of the cells to the accessibility interfaces.
    void NotifyAccessibleCells();
    std::vector<QString> m_accessibleNames;
    QTimer* m_pAnswerTimer = nullptr;
};
