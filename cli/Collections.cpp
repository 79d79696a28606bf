#include "Collections.h"

#include "PuzzleInput.h"
#include "files/PuzzleFile.h"
#include "files/PuzzleText.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <utility>

namespace fs = std::filesystem;

namespace sorvat::cli {

namespace {

using FilePtr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

bool HasExtension(const std::string& name) {
    const auto dot = name.rfind('.');
    return dot != std::string::npos && dot > 0 && dot + 1 < name.size();
}

} // namespace

bool LooksLikePuzzleText(const std::string& path) {
    FilePtr file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) return false;
    std::array<char, 16384> head;
    const std::size_t n = std::fread(head.data(), 1, head.size(), file.get());
    bool found = false;
    PuzzleTextReader reader([&](const PuzzleTextPart& part) {
        found = part.kind == LineKind::Puzzle;
        return false;  // the first part decides
    });
    if (reader.Feed(std::string_view(head.data(), n)) && n < head.size()) reader.Finish();
    return found;
}

InputKind KindOfFile(const std::string& path) {
    const std::string name = fs::path(path).filename().string();
    if (PuzzleFile::IsMd2Name(name)) return InputKind::Md2;
    if (PuzzleFile::IsMd1Name(name)) return InputKind::Md1;
    if (HasExtension(name)) return InputKind::Text;
    return LooksLikePuzzleText(path) ? InputKind::Text : InputKind::Md1;
}

std::vector<std::string> PuzzleFilesOf(const std::string& directory) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code typeError;
        if (name.empty() || name[0] == '.' || !it->is_regular_file(typeError)) continue;
        names.push_back(name);
    }
    if (ec) throw CliError(directory + ": cannot list: " + ec.message());
    std::sort(names.begin(), names.end());
    std::vector<std::string> files;
    for (const std::string& name : names) {
        const std::string path = (fs::path(directory) / name).string();
        if (PuzzleFile::IsPuzzleFileName(name) || LooksLikePuzzleText(path)) files.push_back(path);
    }
    return files;
}

std::uint64_t InputBytes(const std::vector<std::string>& inputs) {
    std::uint64_t total = 0;
    for (const std::string& input : inputs) {
        if (input == "-") return 0;
        std::error_code ec;
        if (fs::is_directory(input, ec)) {
            try {
                for (const std::string& file : PuzzleFilesOf(input)) total += fs::file_size(file, ec);
            } catch (const CliError&) {
            }
        } else {
            const auto size = fs::file_size(input, ec);
            if (!ec) total += size;
        }
    }
    return total;
}

CollectionReader::CollectionReader(PuzzleHandler onPuzzle_, ProblemHandler onProblem_)
    : onPuzzle(std::move(onPuzzle_)), onProblem(std::move(onProblem_)) {}

void CollectionReader::Problem(const std::string& message) {
    ++problems;
    if (onProblem) onProblem(message);
}

bool CollectionReader::Read(const std::vector<std::string>& inputs) {
    for (const std::string& input : inputs)
        if (!ReadInput(input)) return false;
    return true;
}

bool CollectionReader::ReadInput(const std::string& input) {
    if (input == "-") return ReadText(stdin, "-");
    std::error_code ec;
    const auto status = fs::status(input, ec);
    if (ec || !fs::exists(status)) {
        Problem(input + ": no such file or directory");
        return true;
    }
    if (fs::is_directory(status)) return ReadDirectory(input);
    if (KindOfFile(input) != InputKind::Text) return ReadPuzzleFile(input);
    FilePtr file(std::fopen(input.c_str(), "rb"), &std::fclose);
    if (!file) {
        Problem(input + ": cannot open: " + std::strerror(errno));
        return true;
    }
    return ReadText(file.get(), input);
}

bool CollectionReader::ReadDirectory(const std::string& path) {
    std::vector<std::string> files;
    try {
        files = PuzzleFilesOf(path);
    } catch (const CliError& e) {
        Problem(e.what());
        return true;
    }
    if (files.empty()) Problem(path + ": no puzzle files in this directory");
    for (const std::string& file : files) {
        const bool keepGoing = KindOfFile(file) == InputKind::Text ? ReadInput(file) : ReadPuzzleFile(file);
        if (!keepGoing) return false;
    }
    return true;
}

bool CollectionReader::ReadPuzzleFile(const std::string& path) {
    LoadedPuzzle loaded;
    try {
        loaded = LoadPuzzleFile(path);
    } catch (const CliError& e) {
        Problem(e.what());
        return true;
    }
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (!ec) bytesRead.fetch_add(size, std::memory_order_relaxed);
    if (loaded.result == 2) {
        Problem(path + ": empty file");
        return true;
    }
    CollectionPuzzle puzzle;
    puzzle.source = path;
    puzzle.locks.CopyLocksFrom(loaded.entries);
    if (puzzle.locks.Position() == 0) {
        Problem(path + ": no given digits (Lock entries)");
        return true;
    }
    return onPuzzle(std::move(puzzle));
}

bool CollectionReader::ReadText(std::FILE* file, const std::string& name) {
    PuzzleTextReader reader([&](const PuzzleTextPart& e) {
        const std::string where = name + ":" + std::to_string(e.lineNumber);
        if (e.kind == LineKind::Bad) {
            Problem(where + (e.grid ? ": not a puzzle grid, skipped: " : ": not a puzzle line, skipped: ") +
                    std::string(e.problem));
            return true;
        }
        CollectionPuzzle puzzle;
        puzzle.source = where;
        puzzle.locks = LocksFromPuzzle(e.puzzle);
        return onPuzzle(std::move(puzzle));
    });
    std::array<char, 65536> buffer;
    for (;;) {
        const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), file);
        bytesRead.fetch_add(n, std::memory_order_relaxed);
        if (n > 0 && !reader.Feed(std::string_view(buffer.data(), n))) return false;
        if (n < buffer.size()) break;
    }
    if (std::ferror(file)) {
        Problem(name + ": read error: " + std::strerror(errno));
        return true;
    }
    if (!reader.Finish()) return false;
    if (reader.Puzzles() == 0 && reader.BadParts() == 0) Problem(name + ": no puzzles");
    return true;
}

} // namespace sorvat::cli
