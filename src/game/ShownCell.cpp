#include "game/ShownCell.h"

#include "settings/Settings.h"

namespace sorvat {

ShownCell ShowCell(const SCell& cell, const SCell* answer, int displayMode) {
    ShownCell shown;
    const bool checking = displayMode == ModeHint || displayMode == ModeAnalysis;
    if (cell.HasEntered()) {
        shown.entered = cell.enteredDigit;
        shown.locked = cell.IsLocked();
        shown.wrong = !shown.locked && checking && answer && cell.enteredDigit != answer->solvedDigit;
        return shown;
    }
    for (int d = 0; d < 9; ++d) {
        switch (displayMode) {
        case ModeSelf:
        case ModeHint:
            if (cell.Has(d, PossibleBit)) shown.digits |= 1u << d;
            break;
        case ModeAnalysis:
            if (d == cell.solvedDigit || cell.Has(d, CandidateBit)) shown.digits |= 1u << d;
            break;
        default: break;
        }
    }
    if (displayMode == ModeAnalysis && !cell.HasSolved() && cell.candidateCount == 0) {
        shown.dead = true;
        shown.digits = 0;
    }
    return shown;
}

} // namespace sorvat
