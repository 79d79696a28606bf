// Opening puzzles as players find them in text files (.txt, .sdk, .ss):
// the first one played, or all of them written as a queue of md2 files.
#include "view/SorvatView.h"

#include "files/PuzzleFile.h"
#include "files/PuzzleLines.h"
#include "files/PuzzleText.h"
#include "files/QueueFiles.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "view/PuzzleTextRefusal.h"
#include "view/SorvatDoc.h"
#include "view/WorkWithProgress.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>

namespace {

QString ShownPath(const std::string& path) {
    return QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(path)));
}

void Warn(QWidget* owner, const QString& text) {
    sorvat::ShowMessageBox(owner, text, QStringLiteral("Sorvat"), sorvat::MessageButtons::Ok,
                           sorvat::MessageIcon::Warning);
}

// Files saved by this program under a name of their own hold md1 entries.
bool HoldsMd1Entries(std::FILE* file, const std::string& path) {
    std::rewind(file);
    sorvat::EntryList entries;
    sorvat::PuzzleFile().Read(file, path, entries);
    std::rewind(file);
    return entries.Position() > 0;
}

} // namespace

bool CSorvatView::LoadPuzzleText(std::FILE* file, const std::string& fullPath) {
    const sorvat::PuzzleTextResult text = sorvat::ReadPuzzleText(file);
    if (text.puzzles.empty()) {
        if (HoldsMd1Entries(file, fullPath)) {
            LoadPuzzleFile(file, fullPath);
            return true;
        }
        Warn(this, tr("%1\r\nこのファイルには問題がありません。\r\n(%2)")
                       .arg(ShownPath(fullPath), sorvat::PuzzleTextRefusalText(text)));
        return false;
    }
    if (text.puzzles.size() > 1) {
        const QString count = QString::number(text.puzzles.size()) + (text.cut ? QStringLiteral("+") : QString());
        const sorvat::MessageResult answer = sorvat::ShowMessageBox(
            this,
            tr("%1 には %2 問あります。\r\n\r\nはい: すべてを番号付きの md2 ファイルとしてフォルダに書き出し、"
               "1 問目から解く\r\nいいえ: 1 問目だけを解く")
                .arg(ShownPath(fullPath), count),
            QStringLiteral("Sorvat"), sorvat::MessageButtons::YesNoCancel, sorvat::MessageIcon::Question);
        if (answer == sorvat::MessageResult::Cancel)
            return false;
        if (answer == sorvat::MessageResult::Yes)
            return WriteQueueAndPlay(text.puzzles);
    }
    RecordCurrentPath(fullPath);
    if (m_pDocument != nullptr)
        m_pDocument->SetTitle();
    m_session.Start(sorvat::LocksFromPuzzle(text.puzzles.front()));
    m_pMemoHandoff->CloseWindow();
    return true;
}

bool CSorvatView::WriteQueueAndPlay(const std::vector<std::string>& puzzles) {
    const QString directory = sorvat::AskDirectory(window(), tr("問題を書き込むフォルダ"));
    if (directory.isEmpty())
        return false;
    const std::string path = QFile::encodeName(directory).toStdString();
    const std::string error = sorvat::PrepareQueueDirectory(path);
    if (!error.empty()) {
        Warn(this, QString::fromStdString(error));
        return false;
    }
    // A collection may hold tens of thousands of puzzles: written on a worker
    // thread, the window shows how far it is and can stop it.
    sorvat::WrittenQueue queue;
    int writeError = 0;
    const bool finished = sorvat::WorkWithProgress(
        window(), QStringLiteral("Sorvat"), tr("問題をファイルに書き込んでいます..."), static_cast<int>(puzzles.size()),
        [&](sorvat::WorkProgress& progress) {
            queue = sorvat::WritePuzzleQueue(path, puzzles, [&](std::size_t written) {
                progress.done = static_cast<int>(written);
                return !progress.cancel;
            });
            writeError = errno;
        });
    if (finished && queue.written < puzzles.size())
        Warn(this, tr("%1\r\n%2 問のうち %3 問を書き込みました。\r\n%4")
                       .arg(QDir::toNativeSeparators(directory))
                       .arg(puzzles.size())
                       .arg(queue.written)
                       .arg(QString::fromLocal8Bit(std::strerror(writeError))));
    if (queue.first.empty())
        return false;
    LoadFile(path + "/" + queue.first);
    return true;
}
