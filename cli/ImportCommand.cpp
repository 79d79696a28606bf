#include "CollectionCommands.h"
#include "Collections.h"
#include "Md2Queue.h"
#include "PuzzleInput.h"
#include "files/PuzzleFile.h"
#include "files/PuzzleLines.h"
#include "solver/Solver.h"

#include <filesystem>
#include <iostream>
#include <memory>

namespace fs = std::filesystem;

namespace sorvat::cli {

namespace {

struct ImportOptions {
    std::string collection;
    std::string directory;
    std::string prefix;
    bool uniqueOnly = false;
};

// Standard input cannot be counted first: its names get room for ten
// million puzzles.
constexpr int StandardInputDigits = 7;

void RunImport(const ImportOptions& o, int& exitCode) {
    if (o.prefix.find('/') != std::string::npos) throw CliError("--prefix must not contain '/'");
    PrepareQueueDirectory(o.directory);

    const std::vector<std::string> inputs{o.collection};
    int digits = StandardInputDigits;
    if (o.collection != "-") {
        std::uint64_t count = 0;
        CollectionReader counter([&](CollectionPuzzle&&) { return ++count, true; }, nullptr);
        counter.Read(inputs);
        digits = DigitsFor(count);
    }

    std::uint64_t read = 0, number = 0, written = 0, existing = 0, notUnique = 0;
    std::string first, last;
    CollectionReader reader(
        [&](CollectionPuzzle&& puzzle) {
            ++read;
            if (o.uniqueOnly) {
                const int solutions =
                    solver::CountSolutions(solver::GridFromText(PuzzleOfLocks(puzzle.locks)), 2).count;
                if (solutions != 1) {
                    std::cerr << "sorvat-cli: " << puzzle.source << ": "
                              << (solutions == 0 ? "no solution" : "more than one solution") << ", not imported\n";
                    ++notUnique;
                    return true;
                }
            }
            const std::string name = NumberedName(o.prefix, ++number, digits);
            if (static_cast<int>(std::to_string(number).size()) > digits)
                throw CliError(o.collection + ": more puzzles than names of " + std::to_string(digits) +
                               " digits; import it from a file instead of standard input");
            const fs::path target = fs::path(o.directory) / name;
            // A queue renames a solved file to "x.NAME"; that puzzle is there too.
            const fs::path solved = fs::path(o.directory) / ("x." + name);
            std::error_code ec;
            if (WriteNew(target, PuzzleFile::Format(name, puzzle.locks)) == WriteResult::Exists) {
                std::cerr << "sorvat-cli: " << (fs::exists(solved, ec) ? solved : target).string()
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
    if (notUnique > 0) std::cout << "; " << notUnique << " without exactly one solution left out";
    std::cout << '\n';
    exitCode = (reader.Problems() > 0 || existing > 0 || read == 0) ? 1 : 0;
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
    cmd->add_flag("--unique-only", o->uniqueOnly,
                  "leave out (and report) puzzles with no solution or more than one; the rest are numbered on");
    cmd->callback([o, &exitCode] { RunImport(*o, exitCode); });
}

} // namespace sorvat::cli
