#include "PuzzleInput.h"

#include "files/PuzzleFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace sorvat::cli {

LoadedPuzzle LoadPuzzleFile(const std::string& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(status)) throw CliError(path + ": no such file");
    if (std::filesystem::is_directory(status)) throw CliError(path + ": is a directory, not a puzzle file");

    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) throw CliError(path + ": cannot open: " + std::strerror(errno));

    LoadedPuzzle puzzle;
    const char* memo = nullptr;
    PuzzleFile reader;
    const std::string name = std::filesystem::path(path).filename().string();
    puzzle.result = reader.Read(file.get(), name, puzzle.entries, &memo);
    if (std::ferror(file.get())) throw CliError(path + ": read error: " + std::strerror(errno));
    puzzle.memo = memo != nullptr ? memo : "";
    return puzzle;
}

} // namespace sorvat::cli
