#pragma once
#include "model/Entry.h"
#include <cstdint>
#include <memory>

namespace sorvat {

// The ordered entries of a puzzle; also the undo history. Entries from
// position() to count() - 1 are the redo tail.
class EntryList {
public:
    EntryList();
    EntryList(const EntryList& other);
    EntryList& operator=(const EntryList& other);
    ~EntryList() = default;

    void Clear();
    int Count() const { return count; }
    int Position() const { return position; }
    int Capacity() const { return capacity; }
    Entry At(int i) const;
    void Add(const Entry& entry);
    // Add for an entry whose cell no entry in effect names: nothing to find
    // or replace, so the list is not searched.
    void AddAtFreeCell(const Entry& entry);
    int Undo();
    int Redo();
    int FindSame(const Entry& entry) const;
    int FindEnteredAt(int x, int y) const;
    int RemoveAt(int i);
    void AssignFrom(const EntryList& other);
    void CopyLocksFrom(const EntryList& other);
    void KeepLocks();

private:
    std::unique_ptr<Entry[]> items;
    std::int32_t count = 0;
    std::int32_t capacity = 10;
    std::int32_t position = 0;
};

} // namespace sorvat
