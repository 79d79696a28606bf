// 新しい問題: puzzles made on demand, one loaded at once or a queue written
// into a directory.
#include "view/SorvatView.h"

#include "commands/CommandTexts.h"
#include "commands/NewPuzzleDlg.h"
#include "files/PuzzleLines.h"
#include "files/QueueFiles.h"
#include "game/AnswerBoard.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "settings/Settings.h"
#include "view/Globals.h"
#include "view/SorvatDoc.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <random>
#include <string>
#include <vector>

using namespace sorvat;

namespace {

// Makes `count` puzzles on a worker thread while a progress dialog shows how
// many are made; its Cancel ends the work at the next attempt. Empty when
// cancelled.
std::vector<std::string> GenerateWithProgress(QWidget* parent, const GeneratorSettings& settings, int count) {
    std::atomic<bool> cancel{false};
    std::atomic<int> made{0};
    std::vector<std::string> puzzles;  // the worker's until it has finished
    QThread* worker = QThread::create([&] {
        PuzzleGenerator generator(settings);
        while (!cancel && made < count) {
            if (const auto puzzle = generator.Next(1)) {
                puzzles.push_back(solver::TextOfGrid(*puzzle));
                ++made;
            }
        }
    });

    QProgressDialog progress(CNewPuzzleDlg::tr("問題を作っています..."), CNewPuzzleDlg::tr("キャンセル"), 0, count,
                             parent);
    progress.setWindowTitle(CNewPuzzleDlg::tr("新しい問題"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    QObject::connect(&progress, &QProgressDialog::canceled, [&] { cancel = true; });
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { progress.setValue(made); });
    QEventLoop loop;
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    tick.start(50);
    loop.exec();
    worker->wait();
    delete worker;
    if (cancel) return {};
    return puzzles;
}

} // namespace

void CSorvatView::OnNewPuzzle() {
    CNewPuzzleDlg dialog(window());
    if (dialog.exec() != QDialog::Accepted) return;
    GeneratorSettings settings = dialog.Settings();
    settings.seed = std::random_device{}();
    const int count = dialog.Count();

    QString directory;
    if (count > 1) {
        directory = AskDirectory(window(), CNewPuzzleDlg::tr("問題を書き込むフォルダ"));
        if (directory.isEmpty()) return;
        const std::string error = PrepareQueueDirectory(directory.toStdString());
        if (!error.empty()) {
            ShowMessageBox(this, QString::fromStdString(error), QString::fromUtf8(texts::ErrorTitle),
                           MessageButtons::Ok, MessageIcon::Warning);
            return;
        }
    }

    const std::vector<std::string> puzzles = GenerateWithProgress(window(), settings, count);
    if (puzzles.empty()) return;
    if (count == 1) {
        LoadGivens(LocksFromPuzzle(puzzles.front()));
        return;
    }

    const std::string path = directory.toStdString();
    std::uint64_t number = LargestNumberIn(path, "");
    const int digits = DigitsFor(number + puzzles.size());
    std::string first;
    for (const std::string& puzzle : puzzles) {
        const std::string name = WriteNextQueueFile(path, number, digits, LocksFromPuzzle(puzzle));
        if (name.empty()) {
            ShowMessageBox(this, directory + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno)),
                           QString::fromUtf8(texts::ErrorTitle), MessageButtons::Ok, MessageIcon::Warning);
            break;
        }
        if (first.empty()) first = name;
    }
    if (!first.empty()) LoadFile(path + "/" + first);
}

void CSorvatView::LoadGivens(const EntryList& givens) {
    // A puzzle without a file: a save asks for a name, and a solved puzzle
    // does not move the queue of the file played before.
    if (m_pDocument != nullptr) m_pDocument->OnFileNew();
    if (g_pSettings != nullptr) g_pSettings->SetCurrentPath("");
    m_moves = givens;
    m_board.Analyze();
    RefreshAnswerBoard(m_moves, m_solutionMoves, m_solutionBoard);
    InvalidateBoard();
    m_pMemoHandoff->CloseWindow();
}
