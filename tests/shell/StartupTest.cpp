// Start-up and shutdown of the whole program: window place and size, the
// settings file read before the window exists and written first at exit.
#include "guisupport/WindowFixture.h"

#include "shell/CommandIds.h"
#include "shell/LevelEdit.h"
#include "shell/SpinButton.h"

#include <QAbstractButton>
#include <QAction>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QUrl>
#include <QStatusBar>
#include <QToolBar>


namespace sorvat::test {
namespace {

class StartupTest : public WindowFixture {
protected:
    void WriteSettings(const Settings& settings) { WriteBytes(dir / "Sorvat.ini", settings.ToBytes()); }
    static std::int32_t Int32At(const std::string& bytes, std::size_t offset) {
        std::int32_t value = 0;
        for (int i = 3; i >= 0; --i)
            value = (value << 8) | static_cast<unsigned char>(bytes.at(offset + i));
        return value;
    }
};

TEST_F(StartupTest, FirstStartWithoutSettingsFile) {
    Start();
    EXPECT_EQ(frame->size(), QSize(565, 694));
    EXPECT_EQ(frame->pos(), QPoint(10, 10));
    EXPECT_EQ(frame->m_wndLevelEdit->text(), QStringLiteral("0"));
    EXPECT_EQ(frame->m_pSpin->Upper(), 8);
    EXPECT_TRUE(frame->DialogBar()->Button(IDC_MODE_SELF)->isChecked());
    EXPECT_FALSE(frame->DialogBar()->Button(IDC_MODE_HINT)->isChecked());
    EXPECT_FALSE(frame->DialogBar()->Button(IDC_REPEAT)->isChecked());
    EXPECT_TRUE(view->m_bSettingsApplied);  // the first paint applied them
    EXPECT_EQ(frame->StatusText(), QStringLiteral("ﾚﾃﾞｨ"));
}

TEST_F(StartupTest, StoredSettingsPlaceTheWindowAndSetTheControls) {
    Settings stored;
    stored.windowLeft = 120;
    stored.windowTop = 4001;  // unusable: falls back to 10
    stored.displayMode = ModeHint;
    stored.repeatFlag = 1;
    stored.analysisLevel = 5;
    WriteSettings(stored);
    Start();
    EXPECT_EQ(frame->pos(), QPoint(120, 10));
    EXPECT_EQ(frame->m_wndLevelEdit->text(), QStringLiteral("5"));
    EXPECT_EQ(frame->m_pSpin->Pos(), 5);
    EXPECT_TRUE(frame->DialogBar()->Button(IDC_MODE_HINT)->isChecked());
    EXPECT_FALSE(frame->DialogBar()->Button(IDC_MODE_SELF)->isChecked());
    EXPECT_TRUE(frame->DialogBar()->Button(IDC_REPEAT)->isChecked());
}

TEST_F(StartupTest, NegativeStoredCoordinatesFallBackToTen) {
    Settings stored;
    stored.windowLeft = -32000;
    stored.windowTop = 200;
    WriteSettings(stored);
    Start();
    EXPECT_EQ(frame->pos(), QPoint(10, 200));
}

TEST_F(StartupTest, ExitWritesTheSettingsWithTheLastWindowPosition) {
    Start();
    frame->move(200, 150);
    ProcessEvents();
    g_pSettings->displayMode = ModeAnalysis;
    frame->close();
    ProcessEvents();
    const std::string bytes = ReadBytes(dir / "Sorvat.ini");
    ASSERT_EQ(bytes.size(), SettingsSize);
    EXPECT_EQ(Int32At(bytes, 80), 200);
    EXPECT_EQ(Int32At(bytes, 84), 150);
    EXPECT_EQ(Int32At(bytes, 68), ModeAnalysis);
}

TEST_F(StartupTest, LevelNineNeedsOptionBitZero) {
    Start();
    EXPECT_TRUE(CLevelEdit::Refuses(QChar(u'9')));
    EXPECT_FALSE(CLevelEdit::Refuses(QChar(u'8')));
    EXPECT_FALSE(CLevelEdit::Refuses(QChar(u'a')));
    // The filter swallows the character even where the edit would take it.
    CLevelEdit* edit = frame->m_wndLevelEdit;
    edit->setReadOnly(false);
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("394"));
    EXPECT_EQ(edit->text(), QStringLiteral("34"));
    // A spin step writes the level into the edit, which sets the level.
    edit->setReadOnly(true);
    frame->m_pSpin->SetPos(0);
    frame->m_pSpin->Step(1);
    EXPECT_EQ(edit->text(), QStringLiteral("1"));
    EXPECT_EQ(g_pSettings->analysisLevel, 1);
    EXPECT_EQ(view->m_board.level, 1);
    // The spin stops at 8.
    frame->m_pSpin->SetPos(8);
    frame->m_pSpin->Step(1);
    EXPECT_EQ(frame->m_pSpin->Pos(), 8);
}

TEST_F(StartupTest, OptionBitZeroRaisesTheLevelLimitButAStoredNineIsReset) {
    Settings stored;
    stored.options = 1;
    stored.analysisLevel = 9;  // checked against 8 before the window exists
    WriteSettings(stored);
    Start();
    EXPECT_EQ(MaxLevel, 9);
    EXPECT_EQ(frame->m_settings.analysisLevel, 0);
    EXPECT_EQ(frame->m_pSpin->Upper(), 9);
    EXPECT_FALSE(CLevelEdit::Refuses(QChar(u'9')));
    frame->m_pSpin->SetPos(8);
    frame->m_pSpin->Step(1);
    EXPECT_EQ(frame->m_pSpin->Pos(), 9);
    EXPECT_EQ(frame->m_wndLevelEdit->text(), QStringLiteral("9"));
}

TEST_F(StartupTest, MenuCommandsReachTheView) {
    Start();
    LoadGivens();
    view->m_moves.Add(Entry(2, 0, 3, Fix));
    view->m_board.Analyze();
    frame->Action(ID_EDIT_UNDO_MOVE)->trigger();
    EXPECT_FALSE(view->m_board.Cell(2, 0).HasEntered());
    frame->DialogBar()->Button(ID_EDIT_REDO_MOVE)->click();
    EXPECT_TRUE(view->m_board.Cell(2, 0).HasEntered());
    // Ctrl+Z is the framework's undo, which nothing handles.
    QTest::keyClick(frame->windowHandle(), Qt::Key_Z, Qt::ControlModifier);
    ProcessEvents();
    EXPECT_TRUE(view->m_board.Cell(2, 0).HasEntered());
    // The tool bar is shown and hidden from the view menu.
    frame->Action(ID_VIEW_TOOLBAR)->trigger();
    EXPECT_FALSE(frame->ToolBar()->isVisible());
    frame->Action(ID_VIEW_TOOLBAR)->trigger();
    EXPECT_TRUE(frame->ToolBar()->isVisible());
}

TEST_F(StartupTest, ModeButtonsDoNotChangeByThemselves) {
    Start();
    QAbstractButton* hint = frame->DialogBar()->Button(IDC_MODE_HINT);
    // The click reaches the view's mode command, which checks the button.
    hint->click();
    EXPECT_EQ(g_pSettings->displayMode, ModeHint);
    EXPECT_TRUE(hint->isChecked());
    EXPECT_FALSE(frame->DialogBar()->Button(IDC_MODE_SELF)->isChecked());
    // A click that no handler answers leaves the check state alone.
    frame->DialogBar()->SetCommandHandler([](int) {});
    frame->DialogBar()->Button(IDC_MODE_ANALYSIS)->click();
    EXPECT_FALSE(frame->DialogBar()->Button(IDC_MODE_ANALYSIS)->isChecked());
}

TEST_F(StartupTest, FileDroppedOnTheFrameIsLoadedByTheView) {
    Start();
    const std::filesystem::path puzzle = dir / "dropped.md1";
    WriteBytes(puzzle, "L115\r\nL223\r\n");
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(puzzle.string()))});
    const QPoint onToolBar = frame->ToolBar()->geometry().center();
    QDragEnterEvent enter(onToolBar, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(onToolBar), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame, &drop);
    EXPECT_EQ(view->m_board.Cell(0, 0).enteredDigit, 4);
    EXPECT_EQ(view->m_board.Cell(1, 1).enteredDigit, 2);
    EXPECT_EQ(g_pSettings->CurrentPath(), puzzle.string());
}

} // namespace
} // namespace sorvat::test
