// The board commands of the 編集 menu and the dialog bar.
#include "view/SorvatView.h"

#include "commands/CommandTexts.h"
#include "commands/LevelText.h"
#include "commands/MoveTextTranslation.h"
#include "game/AnswerBoard.h"
#include "game/BoardRules.h"
#include "game/MoveHint.h"
#include "platform/MessageBox.h"
#include "settings/Settings.h"
#include "text/Cp932.h"
#include "view/FixedFiles.h"
#include "view/Globals.h"

using namespace sorvat;

void CSorvatView::OnQuickSave() {
    SaveFile(QuickFile);
}

void CSorvatView::OnQuickLoad() {
    LoadFile(QuickFile);
}

void CSorvatView::ApplySettings() {
    if (g_pMainFrame == nullptr || g_pSettings == nullptr) return;
    const Settings& settings = *g_pSettings;
    m_board.repeatUntilStable = settings.repeatFlag;
    m_board.autoConfirm = settings.autoConfirmFlag;
    m_board.techniqueMask = 0;
    m_board.SetLevel(settings.analysisLevel);

    SyncModeControls();
    m_board.Analyze();
    BuildAnswerBoard(m_moves, m_solutionMoves, m_solutionBoard);
    m_bSettingsApplied = true;
}

void CSorvatView::SetBoardMode(int mode) {
    if (g_pMainFrame == nullptr || g_pSettings == nullptr) return;
    g_pSettings->displayMode = mode;
    SyncModeControls();
    OnLevelChanged();
    ApplySettings();
    InvalidateBoard();
}

void CSorvatView::OnToggleRepeat() {
    if (g_pMainFrame == nullptr || g_pSettings == nullptr) return;
    g_pSettings->repeatFlag = g_pSettings->repeatFlag == 0 ? 1 : 0;
    SyncModeControls();
    ApplySettings();
    InvalidateBoard();
}

void CSorvatView::OnLevelChanged() {
    if (g_pMainFrame == nullptr || g_pSettings == nullptr) return;
    const std::optional<int> level = LevelFromText(LevelEditText(), MaxLevel);
    if (!level || *level == g_pSettings->analysisLevel) return;
    g_pSettings->analysisLevel = *level;
    ApplySettings();
    InvalidateBoard();
}

void CSorvatView::OnNextMove() {
    const MoveHint hint = FindNextMove(m_board);
    ShowMessageBox(this, LocalizedMoveText(QString::fromStdString(Cp932ToUtf8(hint.text))),
                   QString::fromUtf8(texts::InfoTitle));
}

void CSorvatView::OnEraseWrongCells() {
    const QString caution = texts::UiText(texts::CautionTitle);
    const EraseOutcome outcome = EraseWrongFix(m_moves, m_board, m_solutionMoves, m_solutionBoard);
    const QString title = QString::fromUtf8(texts::AppTitle);
    switch (outcome.kind) {
    case EraseOutcome::TooFewLocks:
        ShowMessageBox(this, texts::UiText(texts::TooFewLocksText), caution, MessageButtons::Ok, MessageIcon::Warning);
        return;
    case EraseOutcome::Undetermined:
        ShowMessageBox(this, texts::UiText(texts::UndeterminedText), caution, MessageButtons::Ok, MessageIcon::Warning);
        return;
    case EraseOutcome::Inconsistent:
        ShowMessageBox(this, texts::UiText(texts::InconsistentText), caution, MessageButtons::Ok, MessageIcon::Warning);
        return;
    case EraseOutcome::Erased:
        m_board.Analyze();
        InvalidateBoard();  // a full paint: the hover drawing goes too
        repaint();          // the corrected board shows before the box
        ShowMessageBox(this, texts::UiText(texts::ErasedText, outcome.count), title);
        return;
    case EraseOutcome::NoneWrong:
        ShowMessageBox(this, texts::UiText(texts::NoWrongCellsText), title);
        return;
    }
}

void CSorvatView::OnCopyAnalysisToSelf() {
    CopyAnalysisToSelf(m_board, m_moves);
    m_board.Analyze();
    InvalidateBoard();
}

void CSorvatView::OnLockAll() {
    LockAll(m_board, m_moves);
    m_board.Analyze();
    RefreshAnswerBoard(m_moves, m_solutionMoves, m_solutionBoard);
    InvalidateBoard();
}

void CSorvatView::OnAutoConfirm() {
    if (g_pMainFrame == nullptr || g_pSettings == nullptr) return;
    g_pSettings->autoConfirmFlag = 1;
    ApplySettings();
    m_board.Analyze();
    InvalidateBoard();
    g_pSettings->autoConfirmFlag = 0;
    m_board.autoConfirm = 0;
}
