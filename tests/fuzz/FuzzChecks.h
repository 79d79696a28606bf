#pragma once
// Checks shared by the fuzz targets. A failed check aborts, which libFuzzer
// reports as a crash together with the input that caused it.
#include "support/EntryInvariants.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace sorvat::fuzz {

inline void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

inline void CheckEntryList(const EntryList& list) {
    const std::string violation = test::EntryListViolation(list);
    if (!violation.empty()) {
        std::fprintf(stderr, "entry list: %s\n", violation.c_str());
        std::abort();
    }
}

} // namespace sorvat::fuzz
