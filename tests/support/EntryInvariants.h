#pragma once
// The invariants every EntryList keeps, as a check that says which one broke.
#include "model/EntryList.h"

#include <string>
#include <vector>

namespace sorvat::test {

// Empty when the list is sound: a free slot (count < capacity), a capacity of
// ten doubled some number of times, the undo point inside the list, every
// entry in range, no entry twice and at most one Fix or Lock per cell among
// the entries in effect.
inline std::string EntryListViolation(const EntryList& list) {
    const int count = list.Count(), position = list.Position(), capacity = list.Capacity();
    if (count < 0 || count >= capacity) return "count " + std::to_string(count) + " not below capacity " +
                                                 std::to_string(capacity);
    int c = capacity;
    while (c > 10 && c % 2 == 0) c /= 2;
    if (c != 10) return "capacity " + std::to_string(capacity) + " is not 10 doubled";
    if (position < 0 || position > count)
        return "position " + std::to_string(position) + " outside 0.." + std::to_string(count);
    bool entered[9][9] = {};
    bool seen[3][9][9][9] = {};
    for (int i = 0; i < count; ++i) {
        const Entry e = list.At(i);
        if (e.x < 0 || e.x > 8 || e.y < 0 || e.y > 8 || e.digit < 0 || e.digit > 8 || e.kind < Possible ||
            e.kind > Lock)
            return "entry " + std::to_string(i) + " out of range";
        if (i >= position) continue;
        if (seen[e.kind][e.y][e.x][e.digit]) return "entry " + std::to_string(i) + " in effect twice";
        seen[e.kind][e.y][e.x][e.digit] = true;
        if (e.kind == Fix || e.kind == Lock) {
            if (entered[e.y][e.x])
                return "two Fix or Lock entries in effect at X" + std::to_string(e.x + 1) + "Y" +
                       std::to_string(e.y + 1);
            entered[e.y][e.x] = true;
        }
    }
    return {};
}

// The entries before the undo point.
inline std::vector<Entry> EntriesInEffect(const EntryList& list) {
    std::vector<Entry> out;
    for (int i = 0; i < list.Position(); ++i) out.push_back(list.At(i));
    return out;
}

} // namespace sorvat::test
