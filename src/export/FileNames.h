#pragma once
#include <string>

namespace sorvat {

// Equal length, and at each position the same character or an ASCII letter
// and its other case; every other character must match exactly.
bool SameNameNoCase(const std::string& a, const std::string& b);

// The part after the last "/" (the whole name when there is none).
std::string LastNamePart(const std::string& path);

} // namespace sorvat
