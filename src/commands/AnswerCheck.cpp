// The answer check after the last cell is filled, and the advance to the
// next unfinished puzzle file of the same directory.
#include "view/SorvatView.h"

#include "game/AnswerVerdict.h"
#include "commands/CommandTexts.h"
#include "game/ProblemQueue.h"
#include "platform/MessageBox.h"
#include "settings/Settings.h"
#include "view/Globals.h"


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
    const QString warning = QString::fromUtf8(texts::WarningTitle);
    const std::string path = g_pSettings != nullptr ? std::string(g_pSettings->CurrentPath()) : std::string();
    const QueueStep step = AdvanceQueue(path);
    if (step.status == QueueStep::NoCurrentPath) {
        ShowMessageBox(this, texts::UiText(texts::NoCurrentPathText), info);
        return -1;
    }
    const QString shownPath = QString::fromStdString(path);
    if (step.fileMissing)
        ShowMessageBox(this, texts::UiText(texts::FileMissingText, shownPath), warning, MessageButtons::Ok,
                       MessageIcon::Warning);
    if (step.status == QueueStep::NoSlash) {
        ShowMessageBox(this, texts::UiText(texts::NoSlashText), info);
        return -3;
    }
    if (step.status == QueueStep::EmptyPart) {
        ShowMessageBox(this, texts::UiText(texts::EmptyPartText), info);
        return -4;
    }
    if (step.renameRefused)
        ShowMessageBox(this, texts::UiText(texts::RenameRefusedText, shownPath), warning, MessageButtons::Ok,
                       MessageIcon::Warning);

    const QString pattern = QString::fromStdString(step.directory + "/*");
    switch (step.status) {
    case QueueStep::ListingFailed:
        ShowMessageBox(this, texts::UiText(texts::SearchFailedText, pattern), QString::fromUtf8(texts::ErrorTitle),
                       MessageButtons::Ok, MessageIcon::Warning);
        return -100;
    case QueueStep::AllFinished:
        ShowMessageBox(this, texts::UiText(texts::AllFinishedText, pattern), texts::UiText(texts::AllFinishedTitle));
        return 0;
    default:
        LoadFile(step.next);
        return 0;
    }
}
