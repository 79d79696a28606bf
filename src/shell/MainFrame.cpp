#include "shell/MainFrame.h"

#include "platform/AccessibleEvents.h"
#include "platform/ProgramPath.h"
#include "shell/AboutDlg.h"
#include "shell/CommandIds.h"
#include "shell/CommandRouting.h"
#include "shell/LevelEdit.h"
#include "shell/SpinButton.h"
#include "shell/StatusDialogBar.h"
#include "shell/ToolBarIcons.h"
#include "view/Globals.h"
#include "view/SorvatDoc.h"
#include "view/SorvatView.h"

#include <QAccessible>
#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QPrinter>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

using namespace sorvat;

namespace {

constexpr int UnusableCoordinateLimit = 4000;
constexpr int FallbackCoordinate = 10;

int UsableCoordinate(int value) {
    return (value > UnusableCoordinateLimit || value < 0) ? FallbackCoordinate : value;
}

QStringList LocalFiles(const QMimeData* mime) {
    QStringList files;
    if (mime && mime->hasUrls()) {
        for (const QUrl& url : mime->urls()) {
            if (url.isLocalFile())
                files.append(url.toLocalFile());
        }
    }
    return files;
}

struct MenuItem {
    int id;  // 0: a separator
    const char* text;
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
    return SettingsFilePath(m_programDirectory);
}

void CMainFrame::PreCreateWindow() {
    resize(WindowWidth, WindowHeight);
    move(UsableCoordinate(m_settings.windowLeft), UsableCoordinate(m_settings.windowTop));
}

int CMainFrame::OnCreate(CSorvatView* view, CSorvatDoc* document, const QStringList& arguments) {
    if (!view)
        return -1;
    // The view's own creation runs first, while g_pMainFrame is still null.
    m_pView = view;
    m_pDocument = document;
    setCentralWidget(view);
    view->setMouseTracking(true);
    view->SetMemoHandoff(CSorvatView::CreateMemoWindow());
    if (view->OnCreate(arguments) != 0)
        return -1;
    if (document) {
        connect(document, &CSorvatDoc::titleChanged, this, &CMainFrame::ShowTitle);
        connect(document, &CSorvatDoc::recentFilesChanged, this,
                &CMainFrame::UpdateRecentFiles);
    }

    CreateMenus();
    CreateToolBar();
    CreateDialogBar();
    CreateStatusBar();
    m_wndLevelEdit = m_wndDlgBar->LevelEdit();
    m_pSpin = m_wndDlgBar->Spin();
    // The board holds the focus at start, and Tab goes on to the dialog bar.
    setTabOrder(view, m_wndDlgBar->FirstTabStop());
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
    auto addMenu = [this](const char* title, std::initializer_list<MenuItem> items) {
        QMenu* menu = menuBar()->addMenu(tr(title));
        for (const MenuItem& item : items) {
            if (item.id == 0) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(tr(item.text));
            action->setData(item.id);
            action->setObjectName(QStringLiteral("command%1").arg(item.id, 0, 16));
            const int id = item.id;
            connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
        }
        return menu;
    };
    m_pFileMenu = addMenu(QT_TR_NOOP("ﾌｧｲﾙ(&F)"),
                          {{0, nullptr},
                           {ID_FILE_SAVE_EXCEL, QT_TR_NOOP("Excel形式で保存")},
                           {0, nullptr},
                           {ID_FILE_OPEN, QT_TR_NOOP("開く(&O)...\tCtrl+O")},
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
    if (QAction* open = Action(ID_FILE_OPEN))
        open->setStatusTip(tr("既存のﾌｧｲﾙを開く"));
    if (QAction* exit = Action(ID_APP_EXIT))
        exit->setStatusTip(tr("ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示"));

    addMenu(QT_TR_NOOP("編集(&E)"), {{ID_EDIT_UNDO_MOVE, "Undo"},
                         {ID_EDIT_REDO_MOVE, "Redo"},
                         {0, nullptr},
                         {ID_EDIT_QUICKSAVE, "QuickSave"},
                         {ID_EDIT_QUICKLOAD, "QuickLoad"},
                         {0, nullptr},
                         {ID_EDIT_RESET, QT_TR_NOOP("リセット(Lock部分は残る)")},
                         {ID_EDIT_FULL_RESET, QT_TR_NOOP("完全リセット")},
                         {0, nullptr},
                         {ID_EDIT_NEXT_MOVE, QT_TR_NOOP("次の一手")},
                         {ID_EDIT_ERASE_WRONG, QT_TR_NOOP("間違いCellを消す")},
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
    m_wndToolBar = new QToolBar(QStringLiteral("ToolBar"), this);
    m_wndToolBar->setObjectName(QStringLiteral("toolBar"));
    m_wndToolBar->setIconSize(QSize(16, 15));
    m_wndToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    auto add = [this](int id, const QIcon& icon, const char* tip) {
        QAction* action = m_wndToolBar->addAction(icon, tr(tip));
        action->setData(id);
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
    m_wndReBar = new QToolBar(QStringLiteral("DialogBar"), this);
    m_wndReBar->setObjectName(QStringLiteral("dialogBarBand"));
    m_wndReBar->addWidget(m_wndDlgBar);
    addToolBarBreak(Qt::TopToolBarArea);
    addToolBar(Qt::TopToolBarArea, m_wndReBar);
}

void CMainFrame::CreateStatusBar() {
    m_wndStatusBar = statusBar();
    m_wndStatusBar->setObjectName(QStringLiteral("statusBar"));
    m_pMessagePane = new QLabel(tr("ﾚﾃﾞｨ"), m_wndStatusBar);
    m_pMessagePane->setObjectName(QStringLiteral("messagePane"));
    m_pMessagePane->setAccessibleDescription(tr("状態"));
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
    if (m_pView)
        RouteViewCommand(*m_pView, id);
}

void CMainFrame::SetStatusText(const QString& text) {
    if (!m_pMessagePane)
        return;
    m_pMessagePane->setText(text);
    m_pMessagePane->repaint();
    AnnounceStatusText(text);
}

// The pane's name is its text, and the label reports its change itself, so
// a screen reader can read the new message; Qt from 6.8 on also announces it.
void CMainFrame::AnnounceStatusText([[maybe_unused]] const QString& text) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(m_pMessagePane, text);
    SendAccessibleEvent(announcement);
#endif
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
    SaveSettings(m_settings, SettingsFile(), MaxLevel);
    if (m_pView)
        m_pView->OnDestroy();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_pDocument)
        m_pDocument->SaveModified();
    DestroyWindow();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!LocalFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QStringList files = LocalFiles(event->mimeData());
    if (files.isEmpty() || !g_pView)
        return;
    event->acceptProposedAction();
    g_pView->OnDropFiles(files);
}
