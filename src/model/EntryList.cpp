#include "model/EntryList.h"

#include <algorithm>

namespace sorvat {

namespace {
constexpr int InitialCapacity = 10;

bool InRange(int v) { return v >= 0 && v <= 8; }
} // namespace

EntryList::EntryList() : items(new Entry[InitialCapacity]) {}

EntryList::EntryList(const EntryList& other) : EntryList() { AssignFrom(other); }

EntryList& EntryList::operator=(const EntryList& other) {
    if (this != &other) AssignFrom(other);
    return *this;
}

void EntryList::Clear() {
    items.reset(new Entry[InitialCapacity]);
    count = 0;
    capacity = InitialCapacity;
    position = 0;
}

Entry EntryList::At(int i) const {
    if (i >= 0 && i < count) return items[i];
    return Entry(0, 0, 9, Possible);
}

void EntryList::Add(const Entry& entry) {
    count = position;  // the redo tail goes, even when the entry is rejected
    if (!InRange(entry.x) || !InRange(entry.y) || !InRange(entry.digit)) return;

    // One scan finds both the same entry and the entry placing a digit in the cell.
    const bool places = entry.kind == Fix || entry.kind == Lock;
    int same = -1, found = -1;
    for (int i = 0; i < count && same < 0; ++i) {
        const Entry& e = items[i];
        if (e.x != entry.x || e.y != entry.y) continue;
        if (e.kind == entry.kind && e.digit == entry.digit) same = i;
        if (found < 0 && places && (e.kind == Fix || e.kind == Lock)) found = i;
    }
    if (same >= 0) {
        RemoveAt(same);
        return;
    }
    if (places) {
        if (found >= 0) {
            if (items[found].kind > entry.kind) return;  // a Fix never replaces a Lock
            RemoveAt(found);
        }
    }
    AddAtFreeCell(entry);
}

void EntryList::AddAtFreeCell(const Entry& entry) {
    count = position;
    if (!InRange(entry.x) || !InRange(entry.y) || !InRange(entry.digit)) return;
    if (count + 1 >= capacity) {
        std::unique_ptr<Entry[]> grown(new Entry[capacity * 2]);
        std::copy(items.get(), items.get() + count, grown.get());
        items = std::move(grown);
        capacity *= 2;
    }
    items[count] = entry;
    ++count;
    ++position;
}

int EntryList::Undo() {
    if (position <= 0) return 1;
    --position;
    return 0;
}

int EntryList::Redo() {
    if (position >= count) return 1;
    ++position;
    return 0;
}

int EntryList::FindSame(const Entry& entry) const {
    for (int i = 0; i < count; ++i) {
        const Entry& e = items[i];
        if (e.x == entry.x && e.y == entry.y && e.kind == entry.kind && e.digit == entry.digit)
            return i;
    }
    return -1;
}

int EntryList::FindEnteredAt(int x, int y) const {
    for (int i = 0; i < count; ++i) {
        const Entry& e = items[i];
        if ((e.kind == Fix || e.kind == Lock) && e.x == x && e.y == y) return i;
    }
    return -1;
}

int EntryList::RemoveAt(int i) {
    if (i >= count || count <= 0 || i < 0) return -1;
    std::copy(items.get() + i + 1, items.get() + count, items.get() + i);
    if (i < position) --position;
    --count;
    return count;
}

void EntryList::AssignFrom(const EntryList& other) {
    if (this == &other) return;
    std::unique_ptr<Entry[]> copy(new Entry[other.capacity]);
    std::copy(other.items.get(), other.items.get() + other.capacity, copy.get());
    items = std::move(copy);
    count = other.count;
    capacity = other.capacity;
    position = other.position;
}

void EntryList::CopyLocksFrom(const EntryList& other) {
    if (this == &other) {
        KeepLocks();
        return;
    }
    Clear();
    for (int i = 0; i < other.position; ++i) {
        if (other.items[i].kind == Lock) Add(other.items[i]);
    }
}

void EntryList::KeepLocks() {
    EntryList locks;
    locks.CopyLocksFrom(*this);
    AssignFrom(locks);
}

} // namespace sorvat
