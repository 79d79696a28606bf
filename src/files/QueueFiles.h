#pragma once
#include "model/EntryList.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// A directory of numbered md2 files, "00001.md2", "00002.md2", ..., that the
// player works through as a queue (a solved file is renamed "x.NAME").
namespace sorvat {

// Names sort in number order when they all have as many digits as the
// largest number: at least five.
constexpr int MinimumQueueDigits = 5;
int DigitsFor(std::uint64_t largestNumber);

std::string NumberedName(const std::string& prefix, std::uint64_t number, int digits);

// The largest number of a "PREFIX<digits>.md2" file in the directory,
// solved ("x.") or not; 0 when there is none.
std::uint64_t LargestNumberIn(const std::filesystem::path& directory, const std::string& prefix);

// Creates the directory when missing and checks that files can be created
// in it. Empty when it can be used, otherwise why not.
std::string PrepareQueueDirectory(const std::filesystem::path& directory);

enum class QueueWrite { Written, Exists, Failed };

// Writes a new puzzle file; a file already there (or a solved "x." one of
// the same name) is never replaced: Exists. Failed sets errno. A failed
// write never leaves half a puzzle under the name.
QueueWrite WriteNewQueueFile(const std::filesystem::path& target, const std::string& bytes);

// Writes `locks` as the numbered file after `number` (a number taken
// meanwhile goes to the next one) and advances `number` to it. Returns the
// file's name; empty (errno set) when it cannot be written.
std::string WriteNextQueueFile(const std::filesystem::path& directory, std::uint64_t& number, int digits,
                               const EntryList& locks);

struct WrittenQueue {
    std::string first;        // the name of the first file; empty when none was written
    std::size_t written = 0;  // how many files were written
};

// Writes `puzzles` (81 characters each, '1'..'9' or '.') in their order as
// numbered files after the largest number already in the directory; a write
// that fails ends it (errno set), so fewer are written than asked, and so does
// `goOn` (told how many are written after each file) returning false.
WrittenQueue WritePuzzleQueue(const std::filesystem::path& directory, const std::vector<std::string>& puzzles,
                              const std::function<bool(std::size_t written)>& goOn = {});

} // namespace sorvat
