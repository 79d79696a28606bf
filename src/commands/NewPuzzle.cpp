// 新しい問題: puzzles made on demand, one loaded at once or a queue written
// into a directory.
#include "commands/ViewCommands.h"

#include "commands/CommandTexts.h"
#include "commands/NewPuzzleDlg.h"
#include "files/PuzzleLines.h"
#include "files/QueueFiles.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "settings/Settings.h"
#include "view/Globals.h"
#include "view/SorvatView.h"
#include "view/WorkWithProgress.h"

#include <QFile>

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
    std::vector<std::string> puzzles;  // the worker's until it has finished
    const auto make = [&](WorkProgress& progress) {
        PuzzleGenerator generator(settings);
        while (!progress.cancel && progress.done < count) {
            if (const auto puzzle = generator.Next(1)) {
                puzzles.push_back(solver::TextOfGrid(*puzzle));
                ++progress.done;
            }
        }
    };
    const bool finished =
        WorkWithProgress(parent, CNewPuzzleDlg::tr("新しい問題"), CNewPuzzleDlg::tr("問題を作っています..."), count, make);
    if (!finished) return {};
    return puzzles;
}

} // namespace

bool CViewCommands::PlayNewPuzzle(GeneratorSettings settings) {
    settings.seed = std::random_device{}();
    const std::vector<std::string> puzzles = GenerateWithProgress(m_view.window(), settings, 1);
    if (puzzles.empty()) return false;
    m_view.PlayWithoutFile(LocksFromPuzzle(puzzles.front()));
    m_madePuzzle = settings;
    return true;
}

bool CViewCommands::PlayingMadePuzzle() const {
    return m_madePuzzle && g_pSettings != nullptr && g_pSettings->CurrentPath().empty();
}

void CViewCommands::OnNewPuzzle() {
    QWidget* window = m_view.window();
    CNewPuzzleDlg dialog(window);
    if (dialog.exec() != QDialog::Accepted) return;
    GeneratorSettings settings = dialog.Settings();
    settings.seed = std::random_device{}();
    const int count = dialog.Count();

    QString directory;
    if (count > 1) {
        directory = AskDirectory(window, CNewPuzzleDlg::tr("問題を書き込むフォルダ"));
        if (directory.isEmpty()) return;
        const std::string error = PrepareQueueDirectory(QFile::encodeName(directory).toStdString());
        if (!error.empty()) {
            texts::ShowEnglishTitledBox(&m_view, QString::fromStdString(error), texts::ErrorTitle, MessageButtons::Ok,
                                        MessageIcon::Warning);
            return;
        }
    }

    if (count == 1) {
        PlayNewPuzzle(settings);
        return;
    }
    const std::vector<std::string> puzzles = GenerateWithProgress(window, settings, count);
    if (puzzles.empty()) return;

    const std::string path = QFile::encodeName(directory).toStdString();
    const WrittenQueue queue = WritePuzzleQueue(path, puzzles);
    if (queue.written < puzzles.size())
        texts::ShowEnglishTitledBox(&m_view,
                                    directory + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno)),
                                    texts::ErrorTitle, MessageButtons::Ok, MessageIcon::Warning);
    if (!queue.first.empty()) m_view.LoadFile(path + "/" + queue.first);
}
