#pragma once
#include "guisupport/ScriptedMessageBox.h"
#include "support/Puzzles.h"
#include "support/TempDirectory.h"

#include "commands/ViewCommands.h"
#include "files/PuzzleFile.h"
#include "game/GameSession.h"
#include "settings/Settings.h"
#include "shell/CommandIds.h"
#include "shell/MainFrame.h"
#include "shell/SorvatApp.h"
#include "shell/StatusDialogBar.h"
#include "view/Globals.h"
#include "view/SorvatDoc.h"
#include "view/SorvatView.h"

#include <QCoreApplication>
#include <QImage>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>

namespace sorvat::test {

// How many pixels of `rect` have `color`.
inline int CountColor(const QImage& image, const QRect& rect, const QColor& color) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixelColor(x, y) == color) ++count;
    return count;
}

// The program's window in a fresh temporary directory that is both the
// program directory (settings file) and the current directory (quick and
// continue files), with every message box scripted: either the whole program
// (Start) or the main frame with its view alone (OpenFrame).
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        inDirectory = std::make_unique<InDirectory>(dir);
        MaxLevel = 8;
        CSorvatView::SetContinueSaveDelay(std::nullopt);  // written at exit only: no thread beside the tests
    }

    void TearDown() override {
        if (app && app->MainFrame()) app->MainFrame()->close();
        app.reset();
        if (ownFrame) ownFrame->DestroyWindow();
        ownFrame.reset();
        ownDocument.reset();
        inDirectory.reset();
        MaxLevel = 8;
    }

    const std::vector<MessageBoxRequest>& Boxes() const { return boxes.Boxes(); }
    static std::string CurrentPath() { return std::string(g_pSettings->CurrentPath()); }
    static void ProcessEvents() {
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    }

    void Start() {
        app = std::make_unique<CSorvatApp>();
        ASSERT_TRUE(app->InitInstance({"sorvat"}, dir));
        frame = app->MainFrame();
        view = frame->View();
        commands = frame->Commands();
        document = frame->Document();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
        // Qt drops a move to where the pointer already is; start from a
        // corner of the window, which no test moves to.
        QTest::mouseMove(frame->windowHandle(), QPoint(1, 1));
        ProcessEvents();
    }

    // The frame with its view and document, without the application and
    // not shown; the frame is published as g_pMainFrame.
    void OpenFrame() {
        ownFrame = std::make_unique<CMainFrame>(dir);
        frame = ownFrame.get();
        ownDocument = std::make_unique<CSorvatDoc>();
        document = ownDocument.get();
        view = new CSorvatView(document->Session());
        document->SetView(view);
        ASSERT_EQ(frame->OnCreate(view, document, {"sorvat"}), 0);
        commands = frame->Commands();
        view->ApplySettings();
    }

    // A command as its menu item or tool-bar button gives it.
    void Command(int id) {
        frame->Action(id)->trigger();
        ProcessEvents();
    }

    GameSession& session() const { return view->Session(); }
    const EntryList& moves() const { return view->Session().Moves(); }
    const CellBoard& board() const { return view->Session().Board(); }
    // The entries in effect, as an md1 file holds them.
    std::string EntriesText() const { return PuzzleFile::Format("entries.md1", moves()); }

    // Plays `entries` as the session's entries, analysed as after a load.
    void Play(const EntryList& entries) {
        session().Start(entries);
        ProcessEvents();
    }
    // Loads `puzzle` (0 = empty) as Lock entries, analysed as after a load.
    void LoadGivens(std::string_view puzzle = EasyPuzzle) {
        EntryList givens;
        AddGrid(givens, puzzle, Lock);
        Play(givens);
    }

    // Writes a puzzle file of `list` (md1 or md2 by the name) into `directory`
    // (the temporary directory by default), optionally with a memo block.
    std::filesystem::path WritePuzzle(const std::string& name, const EntryList& list = Givens(),
                                      const std::string& memo = {},
                                      const std::filesystem::path& directory = {}) {
        const std::filesystem::path path = (directory.empty() ? dir : directory) / name;
        WriteBytes(path, PuzzleFile::Format(name, list) + (memo.empty() ? "" : "M\r\n" + memo + "M\r\n"));
        return path;
    }

    // Loads the easy puzzle's givens from `path` and enters every answer as
    // a Fix entry.
    void PlaySolved(const std::filesystem::path& path) {
        view->LoadFile(path.string());
        FillAnswers();
    }
    // Enters every answer of the easy puzzle as a Fix entry.
    void FillAnswers() {
        EntryList solved = moves();
        AddAnswers(solved, EasyPuzzle, EasySolution);
        Play(solved);
    }

    void SetMode(int mode) {
        g_pSettings->displayMode = mode;
        view->InvalidateBoard();
        ProcessEvents();
    }

    // Top-left corner of the square of digit d in cell (x, y), in view
    // coordinates, and its centre.
    static QPoint SquareCorner(int x, int y, int d) {
        return {23 + 57 * x + 19 * (d % 3), 23 + 57 * y + 19 * (d / 3)};
    }
    static QPoint SquareCentre(int x, int y, int d) { return SquareCorner(x, y, d) + QPoint(9, 9); }
    static QPoint CellCorner(int x, int y) { return {23 + 57 * x, 23 + 57 * y}; }

    // The pointer over a point of the view, as the window system reports it.
    void MoveTo(QPoint viewPoint) {
        QTest::mouseMove(frame->windowHandle(), view->mapTo(frame, viewPoint));
        ProcessEvents();
    }
    void Click(Qt::MouseButton button, QPoint viewPoint) {
        MoveTo(viewPoint);
        QTest::mouseClick(frame->windowHandle(), button, {}, view->mapTo(frame, viewPoint));
        ProcessEvents();
    }
    void DoubleClick(Qt::MouseButton button, QPoint viewPoint) {
        MoveTo(viewPoint);
        QTest::mouseDClick(frame->windowHandle(), button, {}, view->mapTo(frame, viewPoint));
        ProcessEvents();
    }

    // A key as the window system delivers it to the main window.
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(frame->windowHandle(), static_cast<Qt::Key>(key), modifiers);
        ProcessEvents();
    }

    QImage Render() {
        ProcessEvents();
        return view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    TempDirectory temp;
    const std::filesystem::path dir = temp.Path();
    std::unique_ptr<InDirectory> inDirectory;
    ScriptedMessageBox boxes;
    std::unique_ptr<CSorvatApp> app;
    std::unique_ptr<CSorvatDoc> ownDocument;
    std::unique_ptr<CMainFrame> ownFrame;
    CMainFrame* frame = nullptr;
    CSorvatView* view = nullptr;  // owned by the frame
    CViewCommands* commands = nullptr;  // owned by the view
    CSorvatDoc* document = nullptr;
};

// The command tests: the frame and its view are open before each test.
class CommandFixture : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        OpenFrame();
    }
    Settings& settings() { return *g_pSettings; }
};

// The play tests: the whole program with the easy puzzle's givens.
class PlayFixture : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        Start();
        LoadGivens();
    }
    const SCell& CellAt(int x, int y) const { return board().Cell(x, y); }
};

} // namespace sorvat::test
