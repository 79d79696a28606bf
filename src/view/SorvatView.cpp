#include "view/SorvatView.h"

#include "settings/Settings.h"
#include "view/BoardAccessible.h"
#include "view/FixedFiles.h"
#include "view/Globals.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>

namespace {

QStringList LocalFilesOf(const QMimeData* mime) {
    QStringList files;
    if (mime == nullptr || !mime->hasUrls())
        return files;
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    }
    return files;
}

} // namespace

CSorvatView::CSorvatView(QWidget* parent)
    : QWidget(parent),
      m_pMemoHandoff(std::make_unique<sorvat::MemoHandoff>()) {
    m_board.entries = &m_moves;
    m_solutionBoard.entries = &m_solutionMoves;
    sorvat::InstallBoardAccessibility();
    setAccessibleName(sorvat::BoardAccessibleName());
    setFocusPolicy(Qt::StrongFocus);  // the keys play on the board while it has the focus
}

CSorvatView::~CSorvatView() {
    if (g_pView == this)
        g_pView = nullptr;
}

int CSorvatView::OnCreate() {
    return OnCreate(QCoreApplication::arguments());
}

int CSorvatView::OnCreate(const QStringList& arguments) {
    setAcceptDrops(true);
    ApplySettings();
    OnReset();
    if (arguments.size() < 2)
        LoadFile(ContinueFile);
    else
        LoadFile(QFile::encodeName(arguments.at(1)).toStdString());
    m_pMemoHandoff->Start();
    g_pView = this;
    return 0;
}

void CSorvatView::OnDestroy() {
    if (m_bDestroyed)
        return;
    m_bDestroyed = true;
    m_pMemoHandoff->Stop();
    m_pMemoHandoff->CloseWindow();
    SaveFile(ContinueFile);
    m_pMemoHandoff->WaitForStop();
}

void CSorvatView::OnDropFiles(const QStringList& paths) {
    if (paths.isEmpty())
        return;
    LoadFile(QFile::encodeName(paths.first()).toStdString());
}

void CSorvatView::dragEnterEvent(QDragEnterEvent* event) {
    if (!LocalFilesOf(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CSorvatView::dropEvent(QDropEvent* event) {
    const QStringList files = LocalFilesOf(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    OnDropFiles(files);
}

void CSorvatView::SetMemoHandoff(std::unique_ptr<sorvat::MemoHandoff> handoff) {
    m_pMemoHandoff = handoff ? std::move(handoff) : std::make_unique<sorvat::MemoHandoff>();
}

void CSorvatView::InvalidateBoard() {
    m_hoverOverlay = HoverOverlay{};  // a full repaint takes the hover drawing away
    update();
    NotifyAccessibleCells();
}

void CSorvatView::SyncModeControls() {
    if (g_pMainFrame == nullptr || g_pSettings == nullptr)
        return;
    emit modeControlsSync(g_pSettings->displayMode, g_pSettings->repeatFlag != 0);
}
