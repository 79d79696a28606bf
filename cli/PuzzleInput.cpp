#include "PuzzleInput.h"

#include "files/PuzzleFile.h"
#include "files/PuzzleText.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace sorvat::cli {

namespace {

using FilePtr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

FilePtr OpenPuzzleFile(const std::string& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(status)) throw CliError(path + ": no such file");
    if (std::filesystem::is_directory(status)) throw CliError(path + ": is a directory, not a puzzle file");
    FilePtr file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) throw CliError(path + ": cannot open: " + std::strerror(errno));
    return file;
}

} // namespace

LoadedPuzzle LoadPuzzleFile(const std::string& path) {
    const FilePtr file = OpenPuzzleFile(path);
    LoadedPuzzle puzzle;
    const char* memo = nullptr;
    PuzzleFile reader;
    const std::string name = std::filesystem::path(path).filename().string();
    puzzle.result = reader.Read(file.get(), name, puzzle.entries, &memo);
    if (std::ferror(file.get())) throw CliError(path + ": read error: " + std::strerror(errno));
    puzzle.memo = memo != nullptr ? memo : "";
    return puzzle;
}

TextPuzzle LoadTextPuzzle(const std::string& path) {
    const FilePtr file = OpenPuzzleFile(path);
    const PuzzleTextResult text = ReadPuzzleText(file.get(), 1);
    if (std::ferror(file.get())) throw CliError(path + ": read error: " + std::strerror(errno));
    TextPuzzle puzzle;
    if (text.puzzles.empty())
        puzzle.refusal = text.refusal;
    else
        puzzle.locks = LocksFromPuzzle(text.puzzles.front());
    return puzzle;
}

} // namespace sorvat::cli
