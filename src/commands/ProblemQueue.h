#pragma once
#include "platform/DirectoryListing.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A directory of puzzle files as a work queue: finished files carry the name
// prefix "x.", the next problem is the first listed file without it.
namespace sorvat {

inline constexpr std::string_view FinishedPrefix = "x.";

// True for a name that is never taken as the next problem: one beginning with
// "." or with the finished prefix (lower-case x only).
bool IsPassedOverName(std::string_view name);

// Index of the first entry that qualifies as the next problem, passing over
// the first listed entry (the directory itself), directories, names passed
// over by IsPassedOverName and the name `alsoSkip` (when not empty).
std::optional<std::size_t> FirstUnfinishedEntry(const std::vector<DirectoryEntry>& listing,
                                                std::string_view alsoSkip = {});

enum class MarkResult { Renamed, Missing, TargetExists, Failed };

// Renames directory/name to directory/x.name without ever replacing an
// existing file of the new name.
MarkResult MarkFinished(const std::string& directory, const std::string& name);

} // namespace sorvat
