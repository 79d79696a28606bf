#include "game/ProblemQueue.h"

#include <cerrno>
#include <filesystem>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

namespace sorvat {

bool IsPassedOverName(std::string_view name) {
    return name.starts_with('.') || name.starts_with(FinishedPrefix);
}

std::optional<std::size_t> FirstUnfinishedEntry(const std::vector<DirectoryEntry>& listing,
                                                std::string_view alsoSkip) {
    for (std::size_t i = 0; i < listing.size(); ++i) {
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

QueueStep AdvanceQueue(const std::string& currentPath) {
    QueueStep step;
    if (currentPath.size() < 2) return step;
    std::error_code ec;
    step.fileMissing = !std::filesystem::exists(std::filesystem::path(currentPath), ec);

    const std::size_t slash = currentPath.rfind('/');
    if (slash == std::string::npos) {
        step.status = QueueStep::NoSlash;
        return step;
    }
    step.directory = currentPath.substr(0, slash);
    const std::string name = currentPath.substr(slash + 1);
    if (step.directory.empty() || name.empty()) {
        step.status = QueueStep::EmptyPart;
        return step;
    }

    // A file that keeps its name (the marked name is taken, or the rename is
    // not allowed) is passed over, so the solved puzzle is not loaded again
    // as the next one.
    const MarkResult mark = MarkFinished(step.directory, name);
    step.renameRefused = mark == MarkResult::TargetExists || mark == MarkResult::Failed;
    if (mark == MarkResult::Renamed) step.renamedTo = step.directory + "/" + std::string(FinishedPrefix) + name;

    const auto listing = ListDirectory(step.directory);
    if (!listing) {
        step.status = QueueStep::ListingFailed;
        return step;
    }
    const auto next = FirstUnfinishedEntry(*listing, step.renameRefused ? name : std::string());
    if (!next) {
        step.status = QueueStep::AllFinished;
        return step;
    }
    step.status = QueueStep::NextFound;
    step.next = step.directory + "/" + (*listing)[*next].name;
    return step;
}

} // namespace sorvat
