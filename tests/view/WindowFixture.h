#pragma once
#include "commands/PuzzleFixtures.h"
#include "guisupport/ScriptedMessageBox.h"

#include "settings/Settings.h"
#include "shell/MainFrame.h"
#include "shell/SorvatApp.h"
#include "shell/StatusDialogBar.h"
#include "view/Globals.h"
#include "view/SorvatView.h"

#include <QCoreApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace sorvat::testing {

// How many pixels of `rect` have `color`.
inline int CountColor(const QImage& image, const QRect& rect, const QColor& color) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixelColor(x, y) == color)
                ++count;
    return count;
}

// The whole program started in a temporary directory that is both the
// program directory (settings file) and the current directory (continue and
// quick files). Message boxes are scripted.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tempDir.isValid());
        dir = std::filesystem::path(tempDir.path().toStdString());
        previousDirectory = std::filesystem::current_path();
        std::filesystem::current_path(dir);
        MaxLevel = 8;
    }

    void TearDown() override {
        if (app && app->MainFrame())
            app->MainFrame()->close();
        app.reset();
        std::filesystem::current_path(previousDirectory);
        MaxLevel = 8;
    }

    void Start() {
        app = std::make_unique<CSorvatApp>();
        ASSERT_TRUE(app->InitInstance({QStringLiteral("sorvat")}, dir));
        frame = app->MainFrame();
        view = frame->View();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
        // Qt drops a move to where the pointer already is; start from a
        // corner of the window, which no test moves to.
        QTest::mouseMove(frame->windowHandle(), QPoint(1, 1));
        ProcessEvents();
    }

    // Loads `puzzle` (0 = empty) as Lock entries, analysed as after a load.
    void LoadGivens(std::string_view puzzle = EasyPuzzle) {
        view->m_moves.Clear();
        AddGrid(view->m_moves, puzzle, Lock);
        view->OnReset();
        ProcessEvents();
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

    QImage Render() {
        ProcessEvents();
        return view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    static void ProcessEvents() {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    }

    QTemporaryDir tempDir;
    std::filesystem::path dir;
    std::filesystem::path previousDirectory;
    test::ScriptedMessageBox boxes;
    std::unique_ptr<CSorvatApp> app;
    CMainFrame* frame = nullptr;
    CSorvatView* view = nullptr;
};

} // namespace sorvat::testing
