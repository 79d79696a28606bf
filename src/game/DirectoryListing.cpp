#include "game/DirectoryListing.h"

#include <algorithm>
#include <system_error>

namespace sorvat {

std::optional<std::vector<DirectoryEntry>> ListDirectory(const std::filesystem::path& directory) {
    std::error_code error;
    std::filesystem::directory_iterator it(directory, error);
    if (error)
        return std::nullopt;

    std::vector<DirectoryEntry> entries;
    for (; it != std::filesystem::directory_iterator(); it.increment(error)) {
        if (error)
            return std::nullopt;
        std::error_code typeError;
        entries.push_back({it->path().filename().string(), it->is_directory(typeError)});
    }
    // std::string compares as unsigned bytes (char_traits<char>::compare).
    std::sort(entries.begin(), entries.end(),
              [](const DirectoryEntry& a, const DirectoryEntry& b) { return a.name < b.name; });
    entries.insert(entries.begin(), {{".", true}, {"..", true}});
    return entries;
}

} // namespace sorvat
