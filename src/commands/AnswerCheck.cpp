// The answer check after the last cell is filled, and the advance to the
// next unfinished puzzle file of the same directory.
#include "commands/ViewCommands.h"

#include "commands/CommandTexts.h"
#include "game/GameSession.h"
#include "game/ProblemQueue.h"
#include "platform/MessageBox.h"
#include "settings/Settings.h"
#include "view/Globals.h"
#include "view/SorvatDoc.h"
#include "view/SorvatView.h"

using namespace sorvat;

namespace {

struct VerdictBox {
    const char* text;
    const char* title;
    MessageButtons buttons;
    MessageIcon icon;
    const char* spoken;
};

VerdictBox BoxOf(AnswerVerdict verdict) {
    switch (verdict) {
    case AnswerVerdict::Correct:
        return {texts::CorrectText, texts::CorrectTitle, MessageButtons::YesNo, MessageIcon::None,
                texts::CorrectSpoken};
    case AnswerVerdict::Wrong:
        return {texts::WrongText, texts::WrongTitle, MessageButtons::Ok, MessageIcon::Warning, texts::WrongSpoken};
    case AnswerVerdict::UnsolvedConsistent:
        return {texts::UnsolvedConsistentText, texts::UnsolvedConsistentTitle, MessageButtons::YesNo,
                MessageIcon::None, texts::UnsolvedConsistentSpoken};
    case AnswerVerdict::UnsolvedContradiction:
        break;
    }
    return {texts::UnsolvedContradictionText, texts::UnsolvedContradictionTitle, MessageButtons::Ok,
            MessageIcon::Warning, texts::UnsolvedContradictionSpoken};
}

} // namespace

void CViewCommands::CheckAnswer() {
    const AnswerVerdict verdict = m_session.Verdict();
    if (verdict == AnswerVerdict::Correct && PlayingMadePuzzle()) {
        // No file to mark: the next puzzle is a new one of the same level.
        if (ShowMessageBox(&m_view, texts::UiText(texts::CorrectMadeText), texts::UiText(texts::CorrectTitle),
                           MessageButtons::YesNo) == MessageResult::Yes)
            PlayNewPuzzle(*m_madePuzzle);
        return;
    }
    const VerdictBox box = BoxOf(verdict);
    MessageBoxRequest request;
    request.owner = &m_view;
    request.text = texts::UiText(box.text);
    request.title = texts::UiText(box.title);
    request.buttons = box.buttons;
    request.icon = box.icon;
    request.spokenText = texts::UiText(box.spoken);
    const MessageResult answer = ShowMessageBox(request);
    if (OffersNextProblem(verdict) && answer == MessageResult::Yes) LoadNextProblem();
}

QueueStep::Status CViewCommands::LoadNextProblem() {
    const std::string path = g_pSettings != nullptr ? std::string(g_pSettings->CurrentPath()) : std::string();
    const QueueStep step = AdvanceQueue(path);
    if (step.status == QueueStep::NoCurrentPath) {
        texts::ShowEnglishTitledBox(&m_view, texts::UiText(texts::NoCurrentPathText), texts::InfoTitle);
        return step.status;
    }
    const QString shownPath = QString::fromStdString(path);
    if (step.fileMissing)
        texts::ShowEnglishTitledBox(&m_view, texts::UiText(texts::FileMissingText, shownPath), texts::WarningTitle,
                                    MessageButtons::Ok, MessageIcon::Warning);
    if (step.status == QueueStep::NoSlash) {
        texts::ShowEnglishTitledBox(&m_view, texts::UiText(texts::NoSlashText), texts::InfoTitle);
        return step.status;
    }
    if (step.status == QueueStep::EmptyPart) {
        texts::ShowEnglishTitledBox(&m_view, texts::UiText(texts::EmptyPartText), texts::InfoTitle);
        return step.status;
    }
    if (!step.renamedTo.empty()) {
        // The solved puzzle is the marked file now: a save must not put it
        // back into the queue under its old name.
        g_pSettings->SetCurrentPath(step.renamedTo);
        if (m_view.GetDocument() != nullptr) m_view.GetDocument()->SetTitle();
    }
    if (step.renameRefused)
        texts::ShowEnglishTitledBox(&m_view, texts::UiText(texts::RenameRefusedText, shownPath), texts::WarningTitle,
                                    MessageButtons::Ok, MessageIcon::Warning);

    const QString pattern = QString::fromStdString(step.directory + "/*");
    switch (step.status) {
    case QueueStep::ListingFailed:
        texts::ShowEnglishTitledBox(&m_view, texts::UiText(texts::SearchFailedText, pattern), texts::ErrorTitle,
                                    MessageButtons::Ok, MessageIcon::Warning);
        break;
    case QueueStep::AllFinished:
        ShowMessageBox(&m_view, texts::UiText(texts::AllFinishedText, pattern), texts::UiText(texts::AllFinishedTitle));
        break;
    default:
        m_view.LoadFile(step.next);
        break;
    }
    return step.status;
}
