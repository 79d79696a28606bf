// Resets, undo and redo of the working entries.
#include "view/SorvatView.h"

#include "game/AnswerBoard.h"

#include "model/Entry.h"

void CSorvatView::ClearWorkBoard() {
    m_board.ResetCells();
}

void CSorvatView::OnFullReset() {
    ClearWorkBoard();
    m_moves.Clear();
    if (m_bSettingsApplied)
        InvalidateBoard();
}

void CSorvatView::OnReset() {
    m_moves.KeepLocks();
    m_board.Analyze();
    RefreshAnswerBoard(m_moves, m_solutionMoves, m_solutionBoard);
    if (m_bSettingsApplied)
        InvalidateBoard();
}

void CSorvatView::OnUndo() {
    const int position = m_moves.Position();
    if (position == 0 || m_moves.At(position - 1).kind == sorvat::Lock)
        return;
    m_moves.Undo();
    ReplayMoves();
}

void CSorvatView::OnRedo() {
    if (m_moves.Position() >= m_moves.Count())
        return;
    m_moves.Redo();
    ReplayMoves();
}

void CSorvatView::ReplayMoves() {
    ClearWorkBoard();
    const int position = m_moves.Position();
    for (int i = 0; i < position; ++i) {
        const sorvat::Entry entry = m_moves.At(i);
        if (entry.kind == sorvat::Possible)
            m_board.SetPossibleAt(entry.x, entry.y, entry.digit, sorvat::Toggle);
        else if (entry.kind == sorvat::Fix)
            m_board.Place(entry.x, entry.y, entry.digit);
    }
    m_board.Analyze();
    InvalidateBoard();
}
