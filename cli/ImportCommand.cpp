#include "CollectionCommands.h"
#include "Collections.h"
#include "PuzzleInput.h"
#include "files/PuzzleFile.h"
#include "files/ReplacingFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <unistd.h>

namespace fs = std::filesystem;

namespace sorvat::cli {

namespace {

struct ImportOptions {
    std::string collection;
    std::string directory;
    std::string prefix;
};

// Names that sort in collection order need as many digits as the largest
// number; standard input cannot be counted first, so it gets room for
// ten million puzzles.
constexpr int MinimumDigits = 5;
constexpr int StandardInputDigits = 7;

int DigitsFor(std::uint64_t count) {
    int digits = 1;
    for (std::uint64_t n = count; n >= 10; n /= 10) ++digits;
    return std::max(MinimumDigits, digits);
}

std::string NumberedName(const std::string& prefix, std::uint64_t number, int digits) {
    std::string n = std::to_string(number);
    if (static_cast<int>(n.size()) < digits) n.insert(0, static_cast<std::size_t>(digits) - n.size(), '0');
    return prefix + n + ".md2";
}

enum class WriteResult { Written, Exists };

// Never replaces a file that is already there, and a failed write never
// leaves a half puzzle under the final name.
WriteResult WriteNew(const fs::path& target, const std::string& bytes) {
    if (ReplaceFileContents(target, bytes, ReplacingFile::Mode::CreateOnly)) return WriteResult::Written;
    if (errno == EEXIST) return WriteResult::Exists;
    throw CliError(target.string() + ": cannot write: " + std::strerror(errno));
}

void RunImport(const ImportOptions& o, int& exitCode) {
    if (o.prefix.find('/') != std::string::npos) throw CliError("--prefix must not contain '/'");
    std::error_code ec;
    fs::create_directories(o.directory, ec);
    if (ec || !fs::is_directory(o.directory)) throw CliError(o.directory + ": cannot create directory");

    const std::vector<std::string> inputs{o.collection};
    int digits = StandardInputDigits;
    if (o.collection != "-") {
        std::uint64_t count = 0;
        CollectionReader counter([&](CollectionPuzzle&&) { return ++count, true; }, nullptr);
        counter.Read(inputs);
        digits = DigitsFor(count);
    }

    std::uint64_t number = 0, written = 0, existing = 0;
    std::string first, last;
    CollectionReader reader(
        [&](CollectionPuzzle&& puzzle) {
            const std::string name = NumberedName(o.prefix, ++number, digits);
            if (static_cast<int>(std::to_string(number).size()) > digits)
                throw CliError(o.collection + ": more puzzles than names of " + std::to_string(digits) +
                               " digits; import it from a file instead of standard input");
            const fs::path target = fs::path(o.directory) / name;
            // A queue renames a solved file to "x.NAME"; that puzzle is there too.
            const fs::path solved = fs::path(o.directory) / ("x." + name);
            const bool wasSolved = fs::exists(solved, ec);
            if (wasSolved || WriteNew(target, PuzzleFile::Format(name, puzzle.locks)) == WriteResult::Exists) {
                std::cerr << "sorvat-cli: " << (wasSolved ? solved : target).string()
                          << ": already exists, not overwritten (" << puzzle.source << " skipped)\n";
                ++existing;
                return true;
            }
            if (first.empty()) first = name;
            last = name;
            ++written;
            return true;
        },
        [](const std::string& m) { std::cerr << "sorvat-cli: " << m << '\n'; });
    reader.Read(inputs);

    std::cout << "imported " << written << " puzzle" << (written == 1 ? "" : "s") << " into " << o.directory;
    if (written > 0) std::cout << " (" << first << (written > 1 ? " .. " + last : std::string()) << ")";
    if (existing > 0) std::cout << "; " << existing << " already there, left as they were";
    std::cout << '\n';
    exitCode = (reader.Problems() > 0 || existing > 0 || number == 0) ? 1 : 0;
}

} // namespace

void AddImportCommand(CLI::App& app, int& exitCode) {
    auto o = std::make_shared<ImportOptions>();
    auto* cmd = app.add_subcommand(
        "import", "write every puzzle of a collection as its own md2 file, numbered in collection order");
    cmd->add_option("COLLECTION", o->collection, "puzzle file, directory or - for standard input")->required();
    cmd->add_option("DIR", o->directory, "directory to write the md2 files into (created when missing)")
        ->required();
    cmd->add_option("--prefix", o->prefix, "text in front of the numbers of the file names");
    cmd->callback([o, &exitCode] { RunImport(*o, exitCode); });
}

} // namespace sorvat::cli
