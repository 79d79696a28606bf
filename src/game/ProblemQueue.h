#pragma once
#include "game/DirectoryListing.h"

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
// directories (".", "..", subdirectories and links to them), names passed over
// by IsPassedOverName and the name `alsoSkip` (when not empty).
std::optional<std::size_t> FirstUnfinishedEntry(const std::vector<DirectoryEntry>& listing,
                                                std::string_view alsoSkip = {});

enum class MarkResult { Renamed, Missing, TargetExists, Failed };

// Renames directory/name to directory/x.name without ever replacing an
// existing file of the new name.
MarkResult MarkFinished(const std::string& directory, const std::string& name);

// One step of the queue after a solved puzzle: the current file is marked
// finished and the next one is looked up. The statuses are in the order the
// steps are taken; the flags tell what happened on the way.
struct QueueStep {
    enum Status { NoCurrentPath, NoSlash, EmptyPart, ListingFailed, AllFinished, NextFound };
    Status status = NoCurrentPath;
    bool fileMissing = false;    // the current file was not there
    bool renameRefused = false;  // the current file keeps its name
    std::string renamedTo;       // the current file's new path, when it was marked
    std::string directory;       // the directory of the current file
    std::string next;            // path of the next problem (NextFound)
};

QueueStep AdvanceQueue(const std::string& currentPath);

} // namespace sorvat
