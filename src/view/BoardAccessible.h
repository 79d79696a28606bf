#pragma once
#include <QString>

namespace sorvat {
class GameSession;

// Makes the view a table of 9 x 9 cells to the accessibility interfaces
// (once per program; the view's constructor calls it).
void InstallBoardAccessibility();

// The board's accessible name in the interface language.
QString BoardAccessibleName();

// A cell in words as a voice reads it, without signs it would read out:
// "X3 Y5 確定 6", "X3 Y5 固定 2", "X3 Y5 空き 候補 1 4 7" (in English
// "X3 Y5, 6, fixed", "X3 Y5, 2, locked", "X3 Y5, empty, candidates 1 4 7"),
// the candidates as `displayMode` shows them, and a wrong Fix digit in the
// checking modes.
QString CellAccessibleName(const GameSession& session, int displayMode, int x, int y);

} // namespace sorvat
