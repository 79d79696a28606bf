#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace sorvat {

struct DirectoryEntry {
    std::string name;
    bool isDirectory = false;
};

// The entries of `directory`: "." and ".." first, then every other entry by
// name in byte order. nullopt when the directory cannot be listed.
std::optional<std::vector<DirectoryEntry>> ListDirectory(const std::filesystem::path& directory);

} // namespace sorvat
