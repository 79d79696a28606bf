// Start-up and shutdown of the whole program: window place and size, the
// settings file read before the window exists and written first at exit.
#include "guisupport/WindowFixture.h"

#include "shell/Accelerators.h"
#include "shell/LevelEdit.h"
#include "shell/SpinButton.h"
#include "view/SorvatDoc.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>
#include <QStatusBar>
#include <QToolBar>


namespace sorvat::test {
namespace {

class StartupTest : public WindowFixture {
protected:
    void WriteSettings(const Settings& settings) { WriteBytes(dir / "Sorvat.ini", settings.ToBytes()); }
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
    EXPECT_TRUE(session().SettingsApplied());  // the first paint applied them
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

TEST_F(StartupTest, ExitWritesTheSettingsWithTheLastWindowPosition) {
    Start();
    frame->move(200, 150);
    ProcessEvents();
    g_pSettings->displayMode = ModeAnalysis;
    frame->close();
    ProcessEvents();
    const std::string bytes = ReadBytes(dir / "Sorvat.ini");
    ASSERT_EQ(bytes.size(), SettingsSize);
    Settings written;
    written.OverlayBytes(bytes);
    EXPECT_EQ(written.windowLeft, 200);
    EXPECT_EQ(written.windowTop, 150);
    EXPECT_EQ(written.displayMode, ModeAnalysis);

    // A position off the screen falls back to 10 at the next start.
    written.windowLeft = -32000;
    WriteSettings(written);
    app.reset();
    Start();
    EXPECT_EQ(frame->pos(), QPoint(10, 150));
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
    EXPECT_EQ(board().level, 1);
    // The spin stops at 8; Up and Down in the edit step it.
    frame->m_pSpin->SetPos(8);
    frame->m_pSpin->Step(1);
    EXPECT_EQ(frame->m_pSpin->Pos(), 8);
    edit->setFocus();
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up})
        QTest::keyClick(frame->windowHandle(), key);
    EXPECT_EQ(g_pSettings->analysisLevel, 7);
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

// The menus item by item ("-" a separator), the recent files in place of
// their grey placeholder, and the message pane's prompts while the pointer is
// on a menu item or tool-bar button.
TEST_F(StartupTest, MenuTreePromptsAndFixedBands) {
    CRecentFileList().WriteList();  // none from earlier tests
    Start();
    const std::vector<QStringList> tree = {
        {"-", "8008 Excel形式で保存", "-", "e101 開く(&O)...\tCtrl+O", "8011 新しい問題(&G)...",
         "e103 上書き保存(&S)\tCtrl+S",
         "e104 名前を付けて保存(&A)...", "-", "e107 印刷(&P)...\tCtrl+P", "e109 印刷ﾌﾟﾚﾋﾞｭｰ(&V)",
         "e106 ﾌﾟﾘﾝﾀの設定(&R)...", "-", "e110 最近使ったﾌｧｲﾙ", "-", "e141 ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"},
        {"8004 Undo\tCtrl+Z", "8005 Redo\tCtrl+Y", "-", "e125 問題を貼り付け\tCtrl+V", "8012 問題をコピー", "-", "8006 QuickSave", "8007 QuickLoad", "-", "8003 リセット(Lock部分は残る)",
         "800f 完全リセット", "-", "800b 次の一手", "800c 間違いCellを消す", "-", "800d 解析結果を自力にコピー",
         "800e 全ロック", "-", "800a 自動確定"},
        {"e800 ﾂｰﾙ ﾊﾞｰ(&T)"},
        {"8010 操作方法等ヘルプ", "-", "e140 Sorvat のﾊﾞｰｼﾞｮﾝ情報(&A)..."},
    };
    auto items = [](QMenu* menu) {
        QStringList list;
        for (QAction* action : menu->actions())
            if (action->isVisible())
                list << (action->isSeparator() ? QStringLiteral("-")
                                               : QStringLiteral("%1 %2").arg(action->data().toInt(), 0, 16).arg(action->text()));
        return list;
    };
    const QList<QAction*> menus = frame->menuBar()->actions();
    ASSERT_EQ(menus.size(), 4);
    QStringList titles;
    for (int i = 0; i < 4; ++i) {
        titles << menus[i]->text();
        EXPECT_EQ(items(menus[i]->menu()), tree[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(titles, (QStringList{"ﾌｧｲﾙ(&F)", "編集(&E)", "表示(&V)", "ﾍﾙﾌﾟ(&H)"}));
    // What a reader says for them: no shortcut, mnemonic, "..." or English word.
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(frame->menuBar());
    auto spoken = [read](int menu, int item) { return read->child(menu)->child(0)->child(item)->text(QAccessible::Name); };
    EXPECT_EQ(read->child(0)->text(QAccessible::Name), QStringLiteral("ファイル"));
    EXPECT_EQ(spoken(0, 3), QStringLiteral("開く"));
    EXPECT_EQ(spoken(1, 0), QStringLiteral("元に戻す"));
    EXPECT_EQ(spoken(1, 3), QStringLiteral("問題を貼り付け"));
    EXPECT_EQ(spoken(1, 9), QStringLiteral("リセット 固定した数字は残す"));
    EXPECT_FALSE(frame->Action(ID_FILE_MRU_FILE1)->isEnabled());

    // Opened files take the placeholder's place.
    WritePuzzle("q.md2");
    ASSERT_TRUE(app->Document()->OpenDocumentFile((dir / "q.md2").string()));
    QMenu* file = menus[0]->menu();
    EXPECT_EQ(items(file).at(12), "e110 &1 q.md2");
    EXPECT_EQ(items(file).at(13), "-");

    // The open menu shows its leading separator above the first command.
    QMenuBar* bar = frame->menuBar();
    QTest::mouseClick(frame->windowHandle(), Qt::LeftButton, {}, bar->mapTo(frame, bar->actionGeometry(menus[0]).center()));
    ProcessEvents();
    ASSERT_EQ(QApplication::activePopupWidget(), file);
    EXPECT_GE(file->actionGeometry(frame->Action(ID_FILE_SAVE_EXCEL)).top(), 6);
    const std::pair<int, const char*> hovers[] = {
        {ID_FILE_OPEN, "既存のﾌｧｲﾙを開く"}, {ID_FILE_SAVE_EXCEL, ""}, {ID_FILE_PRINT_SETUP, "ﾌﾟﾘﾝﾀと用紙を選ぶ"}};
    for (const auto& [id, prompt] : hovers) {
        QTest::mouseMove(file->windowHandle(), file->actionGeometry(frame->Action(id)).center());
        ProcessEvents();
        EXPECT_EQ(frame->StatusText(), QString::fromUtf8(prompt)) << std::hex << id;
    }
    QTest::keyClick(file->windowHandle(), Qt::Key_Escape);
    QTest::keyClick(frame->windowHandle(), Qt::Key_Escape);
    ProcessEvents();
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(frame->StatusText(), QStringLiteral("ﾚﾃﾞｨ"));

    // The bands stay where they are: no context menu that could hide them.
    QToolBar* bands[] = {frame->ToolBar(), frame->m_wndReBar};
    for (QToolBar* band : bands) {
        EXPECT_FALSE(band->isMovable());
        EXPECT_FALSE(band->isFloatable());
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(2, 2), band->mapToGlobal(QPoint(2, 2)));
        QCoreApplication::sendEvent(band, &rightClick);
        ProcessEvents();
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(frame->ToolBar())->text(QAccessible::Name),
              QStringLiteral("ツール バー"));  // full-width, as a voice reads it
    QWidget* saveButton = frame->ToolBar()->widgetForAction(frame->ToolBar()->actions().at(1));
    QTest::mouseMove(frame->windowHandle(), saveButton->mapTo(frame, saveButton->rect().center()));
    ProcessEvents();
    EXPECT_EQ(frame->StatusText(), QStringLiteral("ﾀｲﾄﾙのﾌｧｲﾙに盤面を上書き保存"));
    QTest::mouseMove(frame->windowHandle(), QPoint(1, 1));
    ProcessEvents();
    EXPECT_EQ(frame->StatusText(), QStringLiteral("ﾚﾃﾞｨ"));
}

TEST(AcceleratorTable, FrameworkKeysAndNoOthers) {
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        int command;
    } table[] = {
        {Qt::Key_O, Qt::ControlModifier, ID_FILE_OPEN},          {Qt::Key_Backspace, Qt::AltModifier, ID_EDIT_UNDO},
        {Qt::Key_Insert, Qt::ShiftModifier, ID_EDIT_PASTE},      {Qt::Key_F6, Qt::ShiftModifier, ID_PREV_PANE},
        {Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier, 0}, {Qt::Key_A, Qt::NoModifier, 0},
        {Qt::Key_O, Qt::AltModifier, 0},                         {Qt::Key_C, Qt::ControlModifier | Qt::KeypadModifier, ID_EDIT_COPY},
    };
    for (const auto& entry : table)
        EXPECT_EQ(AcceleratorCommand(entry.key, entry.modifiers), entry.command) << entry.key;
}

TEST_F(StartupTest, MenuCommandsReachTheView) {
    Start();
    LoadGivens();
    session().EnterFix(2, 0, 3);
    frame->Action(ID_EDIT_UNDO_MOVE)->trigger();
    EXPECT_FALSE(board().Cell(2, 0).HasEntered());
    frame->DialogBar()->Button(ID_EDIT_REDO_MOVE)->click();
    EXPECT_TRUE(board().Cell(2, 0).HasEntered());
    // Ctrl+Z undoes and Ctrl+Y or Ctrl+Shift+Z redo, as <Undo and Redo>;
    // Alt+Backspace is the framework's undo, which nothing handles.
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier, ctrlShift = ctrl | Qt::ShiftModifier;
    const int keys[] = {Qt::Key_Z, Qt::Key_Y, Qt::Key_Z, Qt::Key_Z, Qt::Key_Backspace};
    const Qt::KeyboardModifiers modifiers[] = {ctrl, ctrl, ctrl, ctrlShift, Qt::AltModifier};
    for (std::size_t i = 0; i < std::size(keys); ++i) {
        Key(keys[i], modifiers[i]);
        EXPECT_EQ(board().Cell(2, 0).HasEntered(), i % 2 == 1 || i == 4) << i;
    }
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

} // namespace
} // namespace sorvat::test
