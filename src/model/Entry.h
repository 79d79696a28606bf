#pragma once
#include <cstdint>

namespace sorvat {

// Higher kinds win over lower ones at the same cell (see EntryList::Add).
enum EntryKind : std::int32_t { Possible = 0, Fix = 1, Lock = 2 };

struct Entry {
    std::int32_t x = 0;      // column 0..8
    std::int32_t y = 0;      // row 0..8
    std::int8_t digit = 9;   // digit index 0..8 (only the low byte is kept)
    std::int32_t kind = Possible;

    Entry() = default;
    Entry(int x_, int y_, int digit_, int kind_)
        : x(x_), y(y_), digit(static_cast<std::int8_t>(digit_)), kind(kind_) {}
};

inline bool operator==(const Entry& a, const Entry& b) {
    return a.x == b.x && a.y == b.y && a.digit == b.digit && a.kind == b.kind;
}

} // namespace sorvat
