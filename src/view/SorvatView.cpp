#include "view/SorvatView.h"

#include "files/PuzzleFile.h"
#include "files/ReplacingFile.h"
#include "settings/Settings.h"
#include "view/BoardAccessible.h"
#include "view/FixedFiles.h"
#include "view/Globals.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <filesystem>

CSorvatView::CSorvatView(sorvat::GameSession& session, QWidget* parent)
    : QWidget(parent),
      m_session(session),
      m_pMemoHandoff(std::make_unique<sorvat::MemoHandoff>()) {
    m_sessionListener = m_session.Listen([this](const sorvat::SessionChange& change) { OnSessionChange(change); });
    sorvat::InstallBoardAccessibility();
    setAccessibleName(sorvat::BoardAccessibleName());
    setFocusPolicy(Qt::StrongFocus);  // the keys play on the board while it has the focus
}

CSorvatView::~CSorvatView() {
    m_session.Unlisten(m_sessionListener);
    if (g_pView == this)
        g_pView = nullptr;
}

namespace {

std::optional<std::chrono::milliseconds> g_continueSaveDelay = std::chrono::seconds(1);

} // namespace

void CSorvatView::SetContinueSaveDelay(std::optional<std::chrono::milliseconds> delay) {
    g_continueSaveDelay = delay;
}

int CSorvatView::OnCreate(const std::vector<std::string>& arguments) {
    setAcceptDrops(true);
    m_session.Reset();
    if (arguments.size() < 2) {
        LoadFile(FixedFilePath(ContinueFile));
        // The game in progress names its puzzle file only while it still is
        // that puzzle: the settings remember the file of the last window,
        // whichever directory it was started in.
        if (g_pSettings != nullptr && !m_session.IsPuzzleOfFile(std::string(g_pSettings->CurrentPath())))
            g_pSettings->SetCurrentPath("");
    } else if (sorvat::PuzzleFile::IsPuzzleFileName(arguments[1])) {
        // A puzzle text is read once, by the document's open that follows:
        // it may ask the player.
        LoadFile(arguments[1]);
    }
    std::error_code error;
    const std::filesystem::path continueFile = std::filesystem::absolute(FixedFilePath(ContinueFile), error);
    sorvat::RemoveAbandonedTemporaries(continueFile.parent_path());  // a killed program's unfinished saves
    if (g_continueSaveDelay)
        m_pContinueWriter = std::make_unique<sorvat::DeferredFileWriter>(continueFile, *g_continueSaveDelay);
    m_pMemoHandoff->Start();
    g_pView = this;
    return 0;
}

void CSorvatView::OnDestroy() {
    if (m_bDestroyed)
        return;
    m_bDestroyed = true;
    if (m_pContinueWriter) m_pContinueWriter->Stop();  // the write below has the newest entries
    m_pMemoHandoff->Stop();
    m_pMemoHandoff->CloseWindow();
    SaveFile(FixedFilePath(ContinueFile));
    m_pMemoHandoff->WaitForStop();
}

void CSorvatView::OnDropFiles(const std::vector<std::string>& paths) {
    if (paths.empty())
        return;
    LoadFile(paths.front());
}

std::vector<std::string> CSorvatView::DroppedFiles(const QMimeData* mime) {
    std::vector<std::string> files;
    if (mime == nullptr || !mime->hasUrls())
        return files;
    // The URL's percent-encoded path holds the name's bytes; its decoded
    // text would lose a name that is not UTF-8.
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile())
            files.push_back(
                QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString());
    }
    return files;
}

QString CSorvatView::DroppedText(const QMimeData* mime) {
    if (mime == nullptr || mime->hasUrls() || !mime->hasText())
        return {};
    return mime->text();
}

bool CSorvatView::IsPuzzleDrop(const QMimeData* mime) {
    return !DroppedFiles(mime).empty() || !DroppedText(mime).isEmpty();
}

void CSorvatView::OnDrop(const QMimeData* mime) {
    const std::vector<std::string> files = DroppedFiles(mime);
    if (!files.empty())
        OnDropFiles(files);
    else if (const QString text = DroppedText(mime); !text.isEmpty())
        emit puzzleTextDropped(text);
}

void CSorvatView::dragEnterEvent(QDragEnterEvent* event) {
    if (IsPuzzleDrop(event->mimeData()))
        event->acceptProposedAction();
}

void CSorvatView::dropEvent(QDropEvent* event) {
    if (!IsPuzzleDrop(event->mimeData()))
        return;
    event->acceptProposedAction();
    OnDrop(event->mimeData());
}

void CSorvatView::SetMemoHandoff(std::unique_ptr<sorvat::MemoHandoff> handoff) {
    m_pMemoHandoff = handoff ? std::move(handoff) : std::make_unique<sorvat::MemoHandoff>();
}

void CSorvatView::OnSessionChange(const sorvat::SessionChange& change) {
    if (m_pContinueWriter && change.EntriesChanged())
        m_pContinueWriter->Post(m_session.FileBytes(ContinueFile));
    InvalidateBoard();
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

void CSorvatView::ApplySettings() {
    if (g_pMainFrame == nullptr || g_pSettings == nullptr) return;
    SyncModeControls();
    m_session.ApplySettings(*g_pSettings);
}
