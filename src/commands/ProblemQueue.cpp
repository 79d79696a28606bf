#include "commands/ProblemQueue.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

namespace sorvat {

bool IsPassedOverName(std::string_view name) {
    return name.starts_with('.') || name.starts_with(FinishedPrefix);
}

std::optional<std::size_t> FirstUnfinishedEntry(const std::vector<DirectoryEntry>& listing,
                                                std::string_view alsoSkip) {
    for (std::size_t i = 1; i < listing.size(); ++i) {
        const DirectoryEntry& entry = listing[i];
        if (entry.isDirectory || IsPassedOverName(entry.name)) continue;
        if (!alsoSkip.empty() && entry.name == alsoSkip) continue;
        return i;
    }
    return std::nullopt;
}

MarkResult MarkFinished(const std::string& directory, const std::string& name) {
    const std::string from = directory + "/" + name;
    const std::string to = directory + "/" + std::string(FinishedPrefix) + name;
    struct stat info {};
    if (::lstat(from.c_str(), &info) != 0) return MarkResult::Missing;
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return MarkResult::Renamed;
    if (errno == EEXIST) return MarkResult::TargetExists;
    if (errno != EINVAL && errno != ENOSYS) return MarkResult::Failed;
    // A file system without the no-replace rename: check, then rename.
    if (::lstat(to.c_str(), &info) == 0) return MarkResult::TargetExists;
    return std::rename(from.c_str(), to.c_str()) == 0 ? MarkResult::Renamed : MarkResult::Failed;
}

} // namespace sorvat
