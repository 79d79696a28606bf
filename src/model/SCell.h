#pragma once
#include <cstdint>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace sorvat {

constexpr int NoDigit = 9999;

enum FlagOp : int { Toggle = 0, Set = 1, Clear = 2 };

enum CellBit : std::int32_t {
    EnteredBit = 0x01,
    PossibleBit = 0x02,
    SolvedBit = 0x04,
    CandidateBit = 0x08,
    LockBit = 0x10,
    ColumnPointDone = 0x80000,
    RowPointDone = 0x100000,
};

// Applies a FlagOp to `bit` of `word`.
inline void ApplyFlagOp(std::int32_t& word, std::int32_t bit, int op) {
    switch (op) {
    case Toggle: word ^= bit; break;
    case Set: word |= bit; break;
    case Clear: word &= ~bit; break;
    default: break;
    }
}

// One cell: a flag word per digit plus the fields derived from them.
struct SCell {
    std::int32_t flags[9];
    std::int32_t possibleCount;
    std::int32_t enteredDigit;
    std::int32_t candidateCount;
    std::int32_t solvedDigit;

    SCell() { Reset(); }

    void Reset();
    void SetPossible(int d, int op);
    void SetEntered(int d, int op);
    void SetLockMark(int d, int op);
    // candidateCount always equals the number of candidate bits, so a change
    // of one bit moves it by one.
    void SetCandidate(int d, int op) {
        if (d < 0 || d > 8) return;
        const std::int32_t before = flags[d];
        ApplyFlagOp(flags[d], CandidateBit, op);
        candidateCount += ((flags[d] & CandidateBit) - (before & CandidateBit)) / CandidateBit;
    }
    void SetSolved(int d, int op);
    void SetAllCandidates(int op);
    void CopyFrom(const SCell& other);
    bool Equals(const SCell& other) const;

    bool Has(int d, std::int32_t bit) const { return (flags[d] & bit) != 0; }
    bool HasEntered() const { return enteredDigit < 9; }
    bool HasSolved() const { return solvedDigit < 9; }
    bool IsLocked() const { return HasEntered() && Has(enteredDigit, LockBit); }
    int LowestCandidate() const;
    // Bit d set when digit d is a candidate.
    unsigned CandidateMask() const {
#if defined(__SSE2__)
        // CandidateBit is bit 3: shifted to the sign bit, four words at a time.
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&flags[0]));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&flags[4]));
        const auto signs = [](__m128i v) { return _mm_movemask_ps(_mm_castsi128_ps(_mm_slli_epi32(v, 28))); };
        return static_cast<unsigned>(signs(low) | (signs(high) << 4)) |
               (static_cast<unsigned>((flags[8] >> 3) & 1) << 8);
#else
        unsigned m = 0;
        for (int d = 0; d < 9; ++d) m |= static_cast<unsigned>((flags[d] >> 3) & 1) << d;
        return m;
#endif
    }
};

static_assert(sizeof(SCell) == 13 * sizeof(std::int32_t), "cells are compared and copied as plain memory");

} // namespace sorvat
