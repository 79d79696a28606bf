#pragma once
// Digests of the analysis results: a hash of the analysed board's cells, of
// the entry list after the analysis and of next-move texts, over a set of
// positions and settings per puzzle. Two engines give equal digests exactly
// when their results are equal cell by cell, so a faster engine is checked
// against the digests recorded from the one before it.
#include "model/EntryList.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sorvat::test {

struct DigestPuzzle {
    std::string givens;    // 81 characters
    std::string solution;  // 81 digits, or empty
};

// Lines of 81 puzzle characters, optionally ":" and the solution; lines
// starting with '#' and short lines are passed over.
std::vector<DigestPuzzle> ReadDigestPuzzles(const std::string& path, int limit);

// The givens as Locks; with a solution also Fix entries in a scrambled
// order (6 and 20 of them), a few Possible marks, and one wrong Fix entry.
std::vector<EntryList> DigestPositions(const DigestPuzzle& puzzle);

// One digest over levels 0-9 with and without repeat and auto-confirm, a few
// limited settings, and next moves at two settings.
std::uint64_t DigestOfPosition(const EntryList& position);

} // namespace sorvat::test
