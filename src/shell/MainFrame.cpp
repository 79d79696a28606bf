#include "shell/MainFrame.h"

#include "platform/AccessibleEvents.h"
#include "platform/ProgramPath.h"
#include "platform/UserDirectories.h"
#include "shell/AboutDlg.h"
#include "shell/CommandIds.h"
#include "shell/CommandRouting.h"
#include "shell/DialogBarAccessible.h"
#include "shell/LevelEdit.h"
#include "shell/SpinButton.h"
#include "shell/StatusDialogBar.h"
#include "shell/ToolBarIcons.h"
#include "view/Globals.h"
#include "view/SorvatDoc.h"
#include "view/SorvatView.h"
#include "commands/MemoWindow.h"
#include "commands/ViewCommands.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QMenuBar>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QPrinter>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolTip>

#include <algorithm>
#include <cstdlib>
#include <unistd.h>

using namespace sorvat;

namespace {

constexpr int UnusableCoordinateLimit = 4000;
constexpr int FallbackCoordinate = 10;

int UsableCoordinate(int value) {
    return (value > UnusableCoordinateLimit || value < 0) ? FallbackCoordinate : value;
}

// The whole text of a label as its tooltip while the label is too small for
// it: the message pane keeps its place in the status bar, and a line of a
// long next-move explanation is cut off at its edge.
class WholeTextTip : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* label = qobject_cast<QLabel*>(watched);
        if (event->type() != QEvent::ToolTip || label == nullptr)
            return QObject::eventFilter(watched, event);
        const QSize needed = label->sizeHint();  // the longest line, every line
        if (needed.width() > label->width() || needed.height() > label->height())
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), label->text(), label);
        else
            QToolTip::hideText();
        return true;
    }
};

struct MenuItem {
    int id;  // 0: a separator
    const char* text;
    // For a text a voice would read as English letters or signs: what a
    // screen reader says instead (SpokenMenuText).
    const char* spoken = nullptr;
};

// Menu separators as bands with the line in their middle, as tall as the
// platform's menus draw them; a thin one at the top of a menu would lie
// under the menu's frame, and the ﾌｧｲﾙ menu begins with one.
class MenuStyle : public QProxyStyle {
public:
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (type == CT_MenuItem && item && item->menuItemType == QStyleOptionMenuItem::Separator)
            result.setHeight(std::max(result.height(), SeparatorHeight));
        return result;
    }

private:
    static constexpr int SeparatorHeight = 9;
};

// The short prompt the message pane shows while a menu item or tool-bar
// button of a framework command (or of 新しい問題 and the puzzle's paste and
// copy) is under the pointer. The program's other commands have none.
struct Prompt {
    int id;
    const char* text;
};

const Prompt Prompts[] = {
    {ID_FILE_NEW, QT_TRANSLATE_NOOP("CMainFrame", "新しい問題を始める")},
    {ID_FILE_OPEN, QT_TRANSLATE_NOOP("CMainFrame", "既存のﾌｧｲﾙを開く")},
    {ID_FILE_NEW_PUZZLE, QT_TRANSLATE_NOOP("CMainFrame", "解析レベルを選んで新しい問題を作る")},
    {ID_EDIT_PASTE, QT_TRANSLATE_NOOP("CMainFrame", "クリップボードのテキストの問題を始める")},
    {ID_EDIT_COPY_PUZZLE, QT_TRANSLATE_NOOP("CMainFrame", "固定した数字を81文字の1行でクリップボードにコピー")},
    {ID_FILE_SAVE, QT_TRANSLATE_NOOP("CMainFrame", "ﾀｲﾄﾙのﾌｧｲﾙに盤面を上書き保存")},
    {ID_FILE_SAVE_AS, QT_TRANSLATE_NOOP("CMainFrame", "盤面を名前を付けて保存")},
    {ID_FILE_PRINT, QT_TRANSLATE_NOOP("CMainFrame", "盤面を印刷")},
    {ID_FILE_PRINT_PREVIEW, QT_TRANSLATE_NOOP("CMainFrame", "印刷される盤面を画面で確認")},
    {ID_FILE_PRINT_SETUP, QT_TRANSLATE_NOOP("CMainFrame", "ﾌﾟﾘﾝﾀと用紙を選ぶ")},
    {ID_FILE_MRU_FILE1, QT_TRANSLATE_NOOP("CMainFrame", "このﾌｧｲﾙを開く")},
    {ID_APP_EXIT, QT_TRANSLATE_NOOP("CMainFrame", "ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示")},
    {ID_APP_ABOUT, QT_TRANSLATE_NOOP("CMainFrame", "ﾌﾟﾛｸﾞﾗﾑの情報とﾊﾞｰｼﾞｮﾝを表示")},
    {ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("CMainFrame", "ﾂｰﾙ ﾊﾞｰの表示/非表示を切り替え")},
};

} // namespace

CMainFrame::CMainFrame(const std::filesystem::path& programDirectory) {
    setObjectName(QStringLiteral("mainFrame"));
    m_settings.SetDefaults();
    m_programDirectory = programDirectory.empty() ? ProgramDirectoryPath() : programDirectory;
    ProgramDirectory = m_programDirectory.string();
    std::error_code error;
    StartDirectory = std::filesystem::current_path(error).string();
    LoadSettings(m_settings, SettingsFile(), MaxLevel);
    g_pSettings = &m_settings;
}

CMainFrame::~CMainFrame() {
    if (g_pMainFrame == this)
        g_pMainFrame = nullptr;
    if (g_pSettings == &m_settings)
        g_pSettings = nullptr;
}

std::filesystem::path CMainFrame::SettingsFile() const {
    // The launcher of an installed program names the user's own folder.
    if (const char* folder = std::getenv("SORVAT_SETTINGS_DIR"); folder != nullptr && folder[0] == '/')
        return std::filesystem::path(folder) / SettingsFileName;
    if (::access(m_programDirectory.c_str(), W_OK) == 0)
        return SettingsFilePath(m_programDirectory);
    return UserConfigDirectory() / SettingsFileName;
}

void CMainFrame::PreCreateWindow() {
    resize(WindowWidth, WindowHeight);
    move(UsableCoordinate(m_settings.windowLeft), UsableCoordinate(m_settings.windowTop));
}

int CMainFrame::OnCreate(CSorvatView* view, CSorvatDoc* document,
                         const std::vector<std::string>& arguments) {
    if (!view)
        return -1;
    // The view's own creation runs first, while g_pMainFrame is still null.
    m_pView = view;
    m_pDocument = document;
    m_pCommands = new CViewCommands(*view);  // goes with the view
    setCentralWidget(view);
    view->setMouseTracking(true);
    view->SetMemoHandoff(std::make_unique<sorvat::MemoWindow>());
    if (view->OnCreate(arguments) != 0)
        return -1;
    connect(view, &CSorvatView::puzzleTextDropped, m_pCommands, &CViewCommands::PlayPuzzleText);
    if (document) {
        connect(document, &CSorvatDoc::titleChanged, this, &CMainFrame::ShowTitle);
        connect(document, &CSorvatDoc::recentFilesChanged, this,
                &CMainFrame::UpdateRecentFiles);
    }

    InstallDialogBarAccessibility();  // before the bars exist
    CreateMenus();
    CreateToolBar();
    CreateDialogBar();
    CreateStatusBar();
    m_wndLevelEdit = m_wndDlgBar->LevelEdit();
    m_pSpin = m_wndDlgBar->Spin();
    // The board holds the focus at start, and Tab goes on to the dialog bar,
    // which gives it back after a click and on Escape.
    setTabOrder(view, m_wndDlgBar->FirstTabStop());
    m_wndDlgBar->SetFocusHome(view);
    view->setFocus(Qt::OtherFocusReason);

    g_pMainFrame = this;

    const QString level = QString::number(m_settings.analysisLevel);
    CLevelEdit::UpdateMaxLevel();
    m_wndLevelEdit->setText(level);
    m_pSpin->SetRange(0, MaxLevel);
    m_pSpin->SetPos(m_settings.analysisLevel);

    if (g_pView) {
        connect(g_pView, &CSorvatView::modeControlsSync, m_wndDlgBar,
                &CStatusDialogBar::SetModeChecks, Qt::UniqueConnection);
        g_pView->SyncModeControls();
    }
    setAcceptDrops(true);
    if (document)
        UpdateRecentFiles(document->RecentFiles().Files());
    ShowTitle(document ? document->GetTitle() : QString());
    return 0;
}

void CMainFrame::CreateMenus() {
    m_menuStyle = new MenuStyle;
    m_menuStyle->setParent(this);
    auto addMenu = [this](const char* title, std::initializer_list<MenuItem> items) {
        QMenu* menu = menuBar()->addMenu(tr(title));
        for (const MenuItem& item : items) {
            if (item.id == 0) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(tr(item.text));
            action->setData(item.id);
            action->setStatusTip(PromptOf(item.id));
            action->setObjectName(QStringLiteral("command%1").arg(item.id, 0, 16));
            if (item.spoken != nullptr)
                action->setProperty(SpokenNameProperty, tr(item.spoken));
            const int id = item.id;
            connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
        }
        // The ﾌｧｲﾙ menu begins with a separator, which stays.
        menu->setSeparatorsCollapsible(false);
        menu->setStyle(m_menuStyle);
        connect(menu, &QMenu::aboutToShow, this, [this] { SetStatusText(QString()); });
        connect(menu, &QMenu::aboutToHide, this, [this] {
            // After the menu's last hover prompt, unless another menu opened
            // or the chosen command left a message of its own.
            QTimer::singleShot(0, this, [this, prompt = StatusText()] {
                if (StatusText() == prompt)
                    ShowPrompt(QString());
            });
        });
        return menu;
    };
    m_pFileMenu = addMenu(QT_TR_NOOP("ﾌｧｲﾙ(&F)"),
                          {{0, nullptr},
                           {ID_FILE_SAVE_EXCEL, QT_TR_NOOP("Excel形式で保存"), QT_TR_NOOP("エクセル形式で保存")},
                           {0, nullptr},
                           {ID_FILE_OPEN, QT_TR_NOOP("開く(&O)...\tCtrl+O")},
                           {ID_FILE_NEW_PUZZLE, QT_TR_NOOP("新しい問題(&G)...")},
                           {ID_FILE_SAVE, QT_TR_NOOP("上書き保存(&S)\tCtrl+S")},
                           {ID_FILE_SAVE_AS, QT_TR_NOOP("名前を付けて保存(&A)...")},
                           {0, nullptr},
                           {ID_FILE_PRINT, QT_TR_NOOP("印刷(&P)...\tCtrl+P")},
                           {ID_FILE_PRINT_PREVIEW, QT_TR_NOOP("印刷ﾌﾟﾚﾋﾞｭｰ(&V)")},
                           {ID_FILE_PRINT_SETUP, QT_TR_NOOP("ﾌﾟﾘﾝﾀの設定(&R)...")},
                           {0, nullptr},
                           {ID_FILE_MRU_FILE1, QT_TR_NOOP("最近使ったﾌｧｲﾙ")},
                           {0, nullptr},
                           {ID_APP_EXIT, QT_TR_NOOP("ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)")}});
    m_pRecentPlaceholder = Action(ID_FILE_MRU_FILE1);
    m_pRecentPlaceholder->setEnabled(false);

    addMenu(QT_TR_NOOP("編集(&E)"), {{ID_EDIT_UNDO_MOVE, QT_TR_NOOP("Undo\tCtrl+Z"), QT_TR_NOOP("元に戻す")},
                         {ID_EDIT_REDO_MOVE, QT_TR_NOOP("Redo\tCtrl+Y"), QT_TR_NOOP("やり直し")},
                         {0, nullptr},
                         {ID_EDIT_PASTE, QT_TR_NOOP("問題を貼り付け\tCtrl+V")},
                         {ID_EDIT_COPY_PUZZLE, QT_TR_NOOP("問題をコピー")},
                         {0, nullptr},
                         {ID_EDIT_QUICKSAVE, "QuickSave", QT_TR_NOOP("クイック保存")},
                         {ID_EDIT_QUICKLOAD, "QuickLoad", QT_TR_NOOP("クイック読み込み")},
                         {0, nullptr},
                         {ID_EDIT_RESET, QT_TR_NOOP("リセット(Lock部分は残る)"), QT_TR_NOOP("リセット 固定した数字は残す")},
                         {ID_EDIT_FULL_RESET, QT_TR_NOOP("完全リセット")},
                         {0, nullptr},
                         {ID_EDIT_NEXT_MOVE, QT_TR_NOOP("次の一手")},
                         {ID_EDIT_ERASE_WRONG, QT_TR_NOOP("間違いCellを消す"), QT_TR_NOOP("間違ったマスを消す")},
                         {0, nullptr},
                         {ID_EDIT_COPY_ANALYSIS, QT_TR_NOOP("解析結果を自力にコピー")},
                         {ID_EDIT_LOCK_ALL, QT_TR_NOOP("全ロック")},
                         {0, nullptr},
                         {ID_EDIT_AUTO_CONFIRM, QT_TR_NOOP("自動確定")}});
    addMenu(QT_TR_NOOP("表示(&V)"), {{ID_VIEW_TOOLBAR, QT_TR_NOOP("ﾂｰﾙ ﾊﾞｰ(&T)")}});
    if (QAction* toolbar = Action(ID_VIEW_TOOLBAR)) {
        toolbar->setCheckable(true);
        toolbar->setChecked(true);
    }
    addMenu(QT_TR_NOOP("ﾍﾙﾌﾟ(&H)"), {{ID_HELP_USAGE, QT_TR_NOOP("操作方法等ヘルプ")},
                          {0, nullptr},
                          {ID_APP_ABOUT, QT_TR_NOOP("Sorvat のﾊﾞｰｼﾞｮﾝ情報(&A)...")}});
}

void CMainFrame::CreateToolBar() {
    m_wndToolBar = new QToolBar(tr("ﾂｰﾙ ﾊﾞｰ"), this);
    m_wndToolBar->setObjectName(QStringLiteral("toolBar"));
    FixBand(m_wndToolBar);
    m_wndToolBar->setIconSize(QSize(16, 15));
    m_wndToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    auto add = [this](int id, const QIcon& icon, const char* tip) {
        auto* action = new QAction(icon, tr(tip), m_wndToolBar);
        action->setData(id);
        action->setStatusTip(PromptOf(id));
        m_wndToolBar->addAction(action);
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    };
    add(ID_FILE_OPEN, OpenIcon(), QT_TR_NOOP("開く"));
    add(ID_FILE_SAVE, SaveIcon(), QT_TR_NOOP("上書き保存"));
    m_wndToolBar->addSeparator();
    add(ID_FILE_PRINT, PrintIcon(), QT_TR_NOOP("印刷"));
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);
    connect(m_wndToolBar, &QToolBar::visibilityChanged, this, [this](bool visible) {
        if (QAction* toggle = Action(ID_VIEW_TOOLBAR))
            toggle->setChecked(visible);
    });
}

void CMainFrame::CreateDialogBar() {
    // The dialog bar is the second band below the tool bar.
    m_wndDlgBar = new CStatusDialogBar(this);
    m_wndDlgBar->SetCommandHandler([this](int id) { OnCommand(id); });
    m_wndReBar = new QToolBar(tr("ﾀﾞｲｱﾛｸﾞ ﾊﾞｰ"), this);
    m_wndReBar->setObjectName(QStringLiteral("dialogBarBand"));
    FixBand(m_wndReBar);
    m_wndReBar->addWidget(m_wndDlgBar);
    addToolBarBreak(Qt::TopToolBarArea);
    addToolBar(Qt::TopToolBarArea, m_wndReBar);
}

void CMainFrame::CreateStatusBar() {
    m_wndStatusBar = statusBar();
    m_wndStatusBar->setObjectName(QStringLiteral("statusBar"));
    m_pMessagePane = new QLabel(m_wndStatusBar);
    m_pMessagePane->setObjectName(QStringLiteral("messagePane"));
    SetStatusText(tr("ﾚﾃﾞｨ"));
    m_pMessagePane->installEventFilter(new WholeTextTip(m_pMessagePane));
    m_wndStatusBar->addWidget(m_pMessagePane, 1);
    // The lock indicators: the platform does not tell the lock states, so
    // they are shown greyed.
    for (const char* text : {QT_TR_NOOP("ｶﾅ"), "CAP", "NUM", "SCRL"}) {
        auto* indicator = new QLabel(tr(text), m_wndStatusBar);
        indicator->setEnabled(false);
        indicator->setFrameShape(QFrame::Panel);
        indicator->setFrameShadow(QFrame::Sunken);
        indicator->setAlignment(Qt::AlignCenter);
        m_wndStatusBar->addPermanentWidget(indicator);
    }
}

void CMainFrame::FixBand(QToolBar* band) {
    band->setMovable(false);
    band->setFloatable(false);
    band->setAccessibleName(band->windowTitle().normalized(QString::NormalizationForm_KC));  // full-width kana
}

QMenu* CMainFrame::createPopupMenu() {
    return nullptr;  // the bands are fixed: nothing to hide or move
}

QString CMainFrame::PromptOf(int id) {
    if (id > ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + 16)
        id = ID_FILE_MRU_FILE1;
    for (const Prompt& prompt : Prompts) {
        if (prompt.id == id)
            return tr(prompt.text);
    }
    return {};
}

void CMainFrame::ShowPrompt(const QString& prompt) {
    // Without a prompt the pane is blank while a menu is open and shows the
    // idle text otherwise (the pointer left a tool-bar button, a menu closed).
    if (!prompt.isEmpty())
        SetStatusText(prompt);
    else
        SetStatusText(QApplication::activePopupWidget() ? QString() : tr("ﾚﾃﾞｨ"));
}

bool CMainFrame::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        ShowPrompt(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

QAction* CMainFrame::Action(int id) const {
    for (QAction* action : menuBar()->findChildren<QAction*>()) {
        if (action->data().toInt() == id && !action->isSeparator())
            return action;
    }
    return nullptr;
}

void CMainFrame::UpdateRecentFiles(const QStringList& files) {
    if (!m_pFileMenu || !m_pRecentPlaceholder)
        return;
    for (QAction* action : m_recentActions) {
        m_pFileMenu->removeAction(action);
        action->deleteLater();
    }
    m_recentActions.clear();
    m_pRecentPlaceholder->setVisible(files.isEmpty());
    for (int i = 0; i < files.size(); ++i) {
        auto* action = new QAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(files[i]).fileName()), m_pFileMenu);
        action->setData(ID_FILE_MRU_FILE1 + i);
        action->setToolTip(files[i]);
        action->setStatusTip(PromptOf(ID_FILE_MRU_FILE1 + i));
        const int id = ID_FILE_MRU_FILE1 + i;
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
        m_pFileMenu->insertAction(m_pRecentPlaceholder, action);
        m_recentActions.append(action);
    }
}

void CMainFrame::ShowTitle(const QString& documentTitle) {
    setWindowTitle(documentTitle.isEmpty() ? QStringLiteral("Sorvat")
                                           : documentTitle + QStringLiteral(" - Sorvat"));
}

void CMainFrame::ShowAbout() {
    CAboutDlg about(this);
    about.exec();
}

QString CMainFrame::LevelEditText() const {
    return m_wndLevelEdit != nullptr ? m_wndLevelEdit->text() : QString();
}

void CMainFrame::BoardPainted(const sorvat::CellBoard& board, const sorvat::CellBoard& answer) {
    if (m_wndDlgBar != nullptr) m_wndDlgBar->UpdateStatus(board, answer);
}

QPrinter& CMainFrame::Printer() {
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void CMainFrame::ShowPrintSetup() {
    // The print dialog chooses the printer and its page for later prints; a
    // page setup dialog would refuse the PDF printer of a system without
    // printers. Its button only confirms the choice here.
    QPrintDialog dialog(&Printer(), this);
    dialog.setWindowTitle(tr("ﾌﾟﾘﾝﾀの設定"));
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(tr("OK"));
    dialog.exec();
}

void CMainFrame::OnCommand(int id) {
    switch (id) {
    case ID_APP_EXIT: close(); return;
    case ID_VIEW_TOOLBAR:
        if (m_wndToolBar)
            m_wndToolBar->setVisible(!m_wndToolBar->isVisible());
        return;
    case ID_APP_ABOUT: ShowAbout(); return;
    case ID_FILE_PRINT_SETUP: ShowPrintSetup(); return;
    case ID_FILE_NEW:
        if (m_pDocument)
            m_pDocument->OnFileNew();
        return;
    case ID_FILE_OPEN:
        if (m_pDocument)
            m_pDocument->OnFileOpen();
        return;
    case ID_FILE_SAVE:
        if (m_pDocument)
            m_pDocument->OnFileSave();
        return;
    case ID_FILE_SAVE_AS:
        if (m_pDocument)
            m_pDocument->OnFileSaveAs();
        return;
    default: break;
    }
    if (id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + 16) {
        if (m_pDocument)
            m_pDocument->OpenRecentFile(id - ID_FILE_MRU_FILE1);
        return;
    }
    if (m_pCommands)
        RouteViewCommand(*m_pCommands, id);
}

void CMainFrame::SetStatusText(const QString& text) {
    ShowStatusText(text, text.normalized(QString::NormalizationForm_KC));
}

// The pane is a notification in the status bar (DialogBarAccessible.cpp)
// named with the spoken message; a screen reader says a notification when
// it is shown, without its role.
void CMainFrame::AnnounceStatusText(const QString& text, const QString& spoken) {
    ShowStatusText(text, spoken);
    if (!m_pMessagePane)
        return;
    QAccessibleEvent shown(m_pMessagePane, QAccessible::ObjectShow);
    SendAccessibleEvent(shown);
}

void CMainFrame::ShowStatusText(const QString& text, const QString& spoken) {
    if (!m_pMessagePane)
        return;
    m_pMessagePane->setText(text);
    m_pMessagePane->setAccessibleName(spoken);
    m_pMessagePane->repaint();
}

QString CMainFrame::StatusText() const {
    return m_pMessagePane ? m_pMessagePane->text() : QString();
}

void CMainFrame::StoreWindowPosition() {
    const QPoint corner = frameGeometry().topLeft();
    m_settings.windowLeft = corner.x();
    m_settings.windowTop = corner.y();
}

void CMainFrame::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    StoreWindowPosition();
}

void CMainFrame::DestroyWindow() {
    if (m_bDestroyed)
        return;
    m_bDestroyed = true;
    std::error_code error;
    std::filesystem::create_directories(SettingsFile().parent_path(), error);
    SaveSettings(m_settings, SettingsFile(), MaxLevel);
    if (m_pView)
        m_pView->OnDestroy();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    DestroyWindow();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (CSorvatView::IsPuzzleDrop(event->mimeData()))
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    if (!g_pView || !CSorvatView::IsPuzzleDrop(event->mimeData()))
        return;
    event->acceptProposedAction();
    g_pView->OnDrop(event->mimeData());
}
