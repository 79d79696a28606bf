#pragma once
#include <cstdint>
#include <filesystem>
#include <string>

namespace sorvat::cli {

// A directory of numbered md2 files, "00001.md2", "00002.md2", ..., that the
// player works through as a queue (a solved file is renamed "x.NAME").

// Names sort in number order when they all have as many digits as the
// largest number: at least five.
constexpr int MinimumDigits = 5;
int DigitsFor(std::uint64_t largestNumber);

std::string NumberedName(const std::string& prefix, std::uint64_t number, int digits);

// The largest number of a "PREFIX<digits>.md2" file in the directory,
// solved ("x.") or not; 0 when there is none.
std::uint64_t LargestNumberIn(const std::filesystem::path& directory, const std::string& prefix);

// Creates the directory when missing; throws CliError when files cannot be
// created in it.
void PrepareQueueDirectory(const std::string& directory);

enum class WriteResult { Written, Exists };

// Writes a new file; a file already there (or a solved "x." one of the same
// name) is never replaced: Exists. Written to a hidden file beside the
// target first, so a failed write never leaves half a puzzle under the name.
WriteResult WriteNew(const std::filesystem::path& target, const std::string& bytes);

} // namespace sorvat::cli
