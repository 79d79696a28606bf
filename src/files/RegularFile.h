#pragma once
#include <cstdio>
#include <filesystem>

namespace sorvat {

// Opens a file for binary reading only when it is a regular file (symbolic
// links followed). A directory, FIFO, socket or device gives null with errno
// set (EISDIR for a directory, ENXIO otherwise), and never blocks: opening a
// FIFO without a writer would otherwise wait forever.
std::FILE* OpenRegularFileForReading(const std::filesystem::path& path);

} // namespace sorvat
