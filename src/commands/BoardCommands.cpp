// The board commands of the 編集 menu and the dialog bar.
#include "view/SorvatView.h"

#include "commands/CommandTexts.h"
#include "commands/LevelText.h"
#include "commands/MoveTextTranslation.h"
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

    m_solutionBoard.repeatUntilStable = 1;
    m_solutionBoard.autoConfirm = 1;
    m_solutionBoard.SetLevel(9);

    SyncModeControls();
    m_board.Analyze();
    m_solutionMoves.CopyLocksFrom(m_moves);
    m_solutionBoard.Analyze();
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
    char buffer[NextMoveBufferSize] = {};
    m_board.NextMove(buffer, NextMoveBufferSize);
    ShowMessageBox(this, LocalizedMoveText(QString::fromStdString(Cp932ToUtf8(buffer))),
                   QString::fromUtf8(texts::InfoTitle));
}

void CSorvatView::OnEraseWrongCells() {
    const QString caution = texts::UiText(texts::CautionTitle);
    m_solutionMoves.CopyLocksFrom(m_moves);
    if (m_solutionMoves.Position() < 14) {
        ShowMessageBox(this, texts::UiText(texts::TooFewLocksText), caution, MessageButtons::Ok,
                       MessageIcon::Warning);
        return;
    }
    m_solutionBoard.Analyze();
    if (m_solutionBoard.solvedCount != 81) {
        ShowMessageBox(this, texts::UiText(texts::UndeterminedText), caution, MessageButtons::Ok,
                       MessageIcon::Warning);
        return;
    }
    if (m_solutionBoard.HasDeadCell()) {
        ShowMessageBox(this, texts::UiText(texts::InconsistentText), caution, MessageButtons::Ok,
                       MessageIcon::Warning);
        return;
    }

    int count = 0;
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            const SCell& cell = m_board.Cell(x, y);
            const int entered = cell.enteredDigit;
            if (entered < 0 || entered > 8 || cell.Has(entered, LockBit)) continue;
            if (entered == m_solutionBoard.Cell(x, y).solvedDigit) continue;
            ++count;
            m_moves.Add(Entry(x, y, entered, Fix));  // the equal entry goes out
        }
    }
    const QString title = QString::fromUtf8(texts::AppTitle);
    if (count != 0) {
        m_board.Analyze();
        InvalidateBoard();  // a full paint: the hover drawing goes too
        repaint();          // the corrected board shows before the box
        ShowMessageBox(this, texts::UiText(texts::ErasedText, count), title);
    } else {
        ShowMessageBox(this, texts::UiText(texts::NoWrongCellsText), title);
    }
}

void CSorvatView::OnCopyAnalysisToSelf() {
    EntryList rebuilt;
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const SCell& cell = m_board.Cell(x, y);
            if (cell.HasEntered() && cell.Has(cell.enteredDigit, LockBit))
                rebuilt.Add(Entry(x, y, cell.enteredDigit, Lock));
        }
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const SCell& cell = m_board.Cell(x, y);
            if (cell.HasEntered() && !cell.Has(cell.enteredDigit, LockBit))
                rebuilt.Add(Entry(x, y, cell.enteredDigit, Fix));
        }
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const SCell& cell = m_board.Cell(x, y);
            if (cell.HasSolved()) {
                if (!cell.HasEntered()) rebuilt.Add(Entry(x, y, cell.solvedDigit, Possible));
                continue;
            }
            for (int d = 0; d < 9; ++d)
                if (cell.Has(d, CandidateBit)) rebuilt.Add(Entry(x, y, d, Possible));
        }
    m_moves.Clear();
    m_moves.AssignFrom(rebuilt);
    m_board.Analyze();
    InvalidateBoard();
}

void CSorvatView::OnLockAll() {
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const SCell& cell = m_board.Cell(x, y);
            if (cell.HasEntered() && !cell.Has(cell.enteredDigit, LockBit))
                m_moves.Add(Entry(x, y, cell.enteredDigit, Lock));
        }
    m_board.Analyze();
    m_solutionMoves.CopyLocksFrom(m_moves);
    m_solutionBoard.Analyze();
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
