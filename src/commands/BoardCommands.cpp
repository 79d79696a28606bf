// The board commands of the 編集 menu and the dialog bar.
#include "commands/ViewCommands.h"

#include "commands/CommandTexts.h"
#include "commands/LevelText.h"
#include "commands/MoveTextTranslation.h"
#include "game/GameSession.h"
#include "platform/MessageBox.h"
#include "settings/Settings.h"
#include "text/Cp932.h"
#include "view/FixedFiles.h"
#include "view/Globals.h"
#include "view/SorvatView.h"

using namespace sorvat;

CViewCommands::CViewCommands(CSorvatView& view) : QObject(&view), m_view(view), m_session(view.Session()) {
    connect(&view, &CSorvatView::answerCheckDue, this, &CViewCommands::CheckAnswer);
}

void CViewCommands::OnFullReset() { m_session.FullReset(); }

void CViewCommands::OnReset() { m_session.Reset(); }

void CViewCommands::OnUndo() { m_session.Undo(); }

void CViewCommands::OnRedo() { m_session.Redo(); }

void CViewCommands::OnQuickSave() { m_view.SaveFile(FixedFilePath(QuickFile)); }

void CViewCommands::OnQuickLoad() { m_view.LoadFile(FixedFilePath(QuickFile)); }

void CViewCommands::SetBoardMode(int mode) {
    if (g_pMainFrame == nullptr || g_pSettings == nullptr) return;
    g_pSettings->displayMode = mode;
    m_view.SyncModeControls();
    OnLevelChanged();
    m_view.ApplySettings();
}

void CViewCommands::OnToggleRepeat() {
    if (g_pMainFrame == nullptr || g_pSettings == nullptr) return;
    g_pSettings->repeatFlag = g_pSettings->repeatFlag == 0 ? 1 : 0;
    m_view.ApplySettings();
}

void CViewCommands::OnLevelChanged() {
    if (g_pMainFrame == nullptr || g_pSettings == nullptr) return;
    const std::optional<int> level = LevelFromText(LevelEditText(), MaxLevel);
    if (!level || *level == g_pSettings->analysisLevel) return;
    g_pSettings->analysisLevel = *level;
    m_view.ApplySettings();
}

void CViewCommands::OnNextMove() {
    const MoveHint hint = m_session.NextMove();
    const QString text = QString::fromStdString(Cp932ToUtf8(hint.text));
    texts::ShowEnglishTitledBox(&m_view, LocalizedMoveText(text), texts::InfoTitle, MessageButtons::Ok,
                                MessageIcon::None, SpokenMoveText(text));
}

void CViewCommands::OnEraseWrongCells() {
    const QString caution = texts::UiText(texts::CautionTitle);
    const EraseOutcome outcome = m_session.EraseWrongFix();
    const QString title = QString::fromUtf8(texts::AppTitle);
    switch (outcome.kind) {
    case EraseOutcome::TooFewLocks:
        ShowMessageBox(&m_view, texts::UiText(texts::TooFewLocksText), caution, MessageButtons::Ok, MessageIcon::Warning);
        return;
    case EraseOutcome::Undetermined:
        ShowMessageBox(&m_view, texts::UiText(texts::UndeterminedText), caution, MessageButtons::Ok, MessageIcon::Warning);
        return;
    case EraseOutcome::Inconsistent:
        ShowMessageBox(&m_view, texts::UiText(texts::InconsistentText), caution, MessageButtons::Ok, MessageIcon::Warning);
        return;
    case EraseOutcome::Erased:
        m_view.repaint();  // the corrected board shows before the box
        ShowMessageBox(&m_view, texts::UiText(texts::ErasedText, outcome.count), title);
        return;
    case EraseOutcome::NoneWrong:
        ShowMessageBox(&m_view, texts::UiText(texts::NoWrongCellsText), title);
        return;
    }
}

void CViewCommands::OnCopyAnalysisToSelf() { m_session.CopyAnalysisToSelf(); }

void CViewCommands::OnLockAll() { m_session.LockAll(); }

void CViewCommands::OnAutoConfirm() {
    if (g_pMainFrame == nullptr || g_pSettings == nullptr) return;
    if (!m_session.SettingsApplied()) m_view.ApplySettings();
    m_session.AutoConfirmOnce();
    g_pSettings->autoConfirmFlag = 0;
}
