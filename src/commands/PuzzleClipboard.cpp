// Puzzles through the clipboard and dropped text: an 81-character line or a
// grid of text in, the givens as a line out.
#include "commands/ViewCommands.h"

#include "files/PuzzleLines.h"
#include "files/PuzzleText.h"
#include "game/GameSession.h"
#include "view/FrameServices.h"
#include "view/Globals.h"
#include "view/PuzzleTextRefusal.h"
#include "view/SorvatView.h"

#include <QClipboard>
#include <QGuiApplication>

using namespace sorvat;

namespace {

void Announce(const QString& text) {
    if (g_pMainFrame != nullptr)
        g_pMainFrame->AnnounceStatusText(text, text.normalized(QString::NormalizationForm_KC));
}

} // namespace

void CViewCommands::OnPastePuzzle() {
    PlayPuzzleText(QGuiApplication::clipboard()->text());
}

void CViewCommands::PlayPuzzleText(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    const PuzzleTextResult read =
        ReadPuzzleText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (read.puzzles.empty()) {
        Announce(tr("テキストに問題がありません (%1)").arg(PuzzleTextRefusalText(read)));
        return;
    }
    m_madePuzzle.reset();  // solved, it offers no new one of a level
    m_view.PlayWithoutFile(LocksFromPuzzle(read.puzzles.front()));
    if (read.puzzles.size() == 1)
        Announce(tr("テキストの問題を始めました"));
    else
        Announce(tr("テキストの %1 問のうち 1 問目を始めました").arg(read.puzzles.size()));
}

void CViewCommands::OnCopyPuzzle() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(PuzzleOfLocks(m_session.Moves())));
    Announce(tr("問題をクリップボードにコピーしました"));
}
