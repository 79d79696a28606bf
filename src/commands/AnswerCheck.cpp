// The answer check after the last cell is filled, and the advance to the
// next unfinished puzzle file of the same directory.
#include "view/SorvatView.h"

#include "commands/AnswerVerdict.h"
#include "commands/CommandTexts.h"
#include "commands/ProblemQueue.h"
#include "platform/DirectoryListing.h"
#include "platform/MessageBox.h"
#include "settings/Settings.h"
#include "view/Globals.h"

#include <filesystem>

using namespace sorvat;

namespace {

struct VerdictBox {
    const char* text;
    const char* title;
    MessageButtons buttons;
    MessageIcon icon;
};

VerdictBox BoxOf(AnswerVerdict verdict) {
    switch (verdict) {
    case AnswerVerdict::Correct:
        return {texts::CorrectText, texts::CorrectTitle, MessageButtons::YesNo, MessageIcon::None};
    case AnswerVerdict::Wrong:
        return {texts::WrongText, texts::WrongTitle, MessageButtons::Ok, MessageIcon::Warning};
    case AnswerVerdict::UnsolvedConsistent:
        return {texts::UnsolvedConsistentText, texts::UnsolvedConsistentTitle, MessageButtons::YesNo,
                MessageIcon::None};
    case AnswerVerdict::UnsolvedContradiction:
        break;
    }
    return {texts::UnsolvedContradictionText, texts::UnsolvedContradictionTitle, MessageButtons::Ok,
            MessageIcon::Warning};
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::path(path), ec);
}

} // namespace

void CSorvatView::CheckAnswer() {
    const AnswerVerdict verdict = JudgeAnswer(m_moves, m_board);
    const VerdictBox box = BoxOf(verdict);
    const MessageResult answer = ShowMessageBox(this, texts::UiText(box.text), texts::UiText(box.title),
                                                box.buttons, box.icon);
    if (OffersNextProblem(verdict) && answer == MessageResult::Yes) LoadNextProblem();
}

int CSorvatView::LoadNextProblem() {
    const QString info = QString::fromUtf8(texts::InfoTitle);
    // The path as stored: "\\" is an ordinary character of a file name here.
    const std::string path = g_pSettings != nullptr ? std::string(g_pSettings->CurrentPath()) : std::string();
    if (path.size() < 2) {
        ShowMessageBox(this, texts::UiText(texts::NoCurrentPathText), info);
        return -1;
    }
    if (!FileExists(path))
        ShowMessageBox(this, texts::UiText(texts::FileMissingText, QString::fromStdString(path)),
                       QString::fromUtf8(texts::WarningTitle), MessageButtons::Ok, MessageIcon::Warning);

    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        ShowMessageBox(this, texts::UiText(texts::NoSlashText), info);
        return -3;
    }
    const std::string directory = path.substr(0, slash);
    const std::string name = path.substr(slash + 1);
    if (directory.empty() || name.empty()) {
        ShowMessageBox(this, texts::UiText(texts::EmptyPartText), info);
        return -4;
    }

    // A file that keeps its name (the marked name is taken, or the rename is
    // not allowed) is passed over, so the solved puzzle is not loaded again
    // as the next one.
    std::string keptName;
    const MarkResult mark = MarkFinished(directory, name);
    if (mark == MarkResult::TargetExists || mark == MarkResult::Failed) {
        keptName = name;
        ShowMessageBox(this, texts::UiText(texts::RenameRefusedText, QString::fromStdString(path)),
                       QString::fromUtf8(texts::WarningTitle), MessageButtons::Ok, MessageIcon::Warning);
    }

    const std::string pattern = directory + "/*";
    const auto listing = ListDirectory(directory);
    if (!listing) {
        ShowMessageBox(this, texts::UiText(texts::SearchFailedText, QString::fromStdString(pattern)),
                       QString::fromUtf8(texts::ErrorTitle), MessageButtons::Ok, MessageIcon::Warning);
        return -100;
    }
    const auto next = FirstUnfinishedEntry(*listing, keptName);
    if (!next) {
        ShowMessageBox(this, texts::UiText(texts::AllFinishedText, QString::fromStdString(pattern)),
                       texts::UiText(texts::AllFinishedTitle));
        return 0;
    }
    LoadFile(directory + "/" + (*listing)[*next].name);
    return 0;
}
