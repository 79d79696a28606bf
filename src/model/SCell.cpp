#include "model/SCell.h"

namespace sorvat {

namespace {
bool IsDigit(int d) { return d >= 0 && d <= 8; }
} // namespace

void SCell::Reset() {
    for (auto& f : flags) f = CandidateBit;
    possibleCount = 0;
    enteredDigit = NoDigit;
    candidateCount = 9;
    solvedDigit = NoDigit;
}

void SCell::SetPossible(int d, int op) {
    if (!IsDigit(d)) return;
    ApplyFlagOp(flags[d], PossibleBit, op);
    int n = 0;
    for (auto f : flags) n += (f & PossibleBit) ? 1 : 0;
    possibleCount = n;
}

void SCell::SetEntered(int d, int op) {
    if (!IsDigit(d)) return;
    for (int i = 0; i < 9; ++i)
        if (i != d) flags[i] &= ~EnteredBit;
    ApplyFlagOp(flags[d], EnteredBit, op);
    enteredDigit = (flags[d] & EnteredBit) ? d : NoDigit;
}

void SCell::SetLockMark(int d, int op) {
    if (!IsDigit(d)) return;
    ApplyFlagOp(flags[d], LockBit, op);
}

void SCell::SetSolved(int d, int op) {
    if (!IsDigit(d)) return;
    for (int i = 0; i < 9; ++i)
        if (i != d) flags[i] &= ~SolvedBit;
    ApplyFlagOp(flags[d], SolvedBit, op);
    if (flags[d] & SolvedBit) {
        solvedDigit = d;
        SetAllCandidates(Clear);
    } else {
        solvedDigit = NoDigit;
    }
}

void SCell::SetAllCandidates(int op) {
    for (auto& f : flags) ApplyFlagOp(f, CandidateBit, op);
    if (op == Set) {
        candidateCount = 9;
    } else if (op == Clear) {
        candidateCount = 0;
    } else {
        int n = 0;
        for (auto f : flags) n += (f & CandidateBit) ? 1 : 0;
        candidateCount = n;
    }
}

void SCell::CopyFrom(const SCell& other) { *this = other; }

bool SCell::Equals(const SCell& other) const {
    if (enteredDigit != other.enteredDigit || possibleCount != other.possibleCount ||
        solvedDigit != other.solvedDigit || candidateCount != other.candidateCount)
        return false;
    for (int i = 0; i < 9; ++i)
        if (flags[i] != other.flags[i]) return false;
    return true;
}

int SCell::LowestCandidate() const {
    for (int d = 0; d < 9; ++d)
        if (flags[d] & CandidateBit) return d;
    return NoDigit;
}

} // namespace sorvat
