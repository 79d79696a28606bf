#include "CollectionCommands.h"
#include "Md2Queue.h"
#include "PuzzleInput.h"
#include "files/PuzzleFile.h"
#include "files/PuzzleLines.h"
#include "game/PuzzleGenerator.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <random>

namespace fs = std::filesystem;

namespace sorvat::cli {

namespace {

struct GenerateOptions {
    int level = -1;
    int count = 1;
    std::string seed;
    std::string symmetry = "none";
    bool minimal = false;
    std::string format = "line";
    std::string out;
};

// Attempts in a row without a new puzzle after which generation gives up
// (a level that the settings make too rare, or all of a small supply made).
constexpr int MaxAttempts = 200000;

GeneratorSettings SettingsOf(const GenerateOptions& o) {
    if (!IsGradeLevel(o.level))
        throw CliError("--level " + std::to_string(o.level) +
                       " is never a grade: grading gives 0, 1, 3, 4, 5, 6 or 8 (2, 7 and 9 solve what 1, 6 and 8 solve)");
    if (o.count <= 0) throw CliError("--count must be at least 1 (not " + std::to_string(o.count) + ")");
    GeneratorSettings settings;
    settings.level = o.level;
    settings.minimal = o.minimal;
    if (o.symmetry == "none")
        settings.symmetry = Symmetry::None;
    else if (o.symmetry == "rotational")
        settings.symmetry = Symmetry::Rotational;
    else if (o.symmetry == "diagonal")
        settings.symmetry = Symmetry::Diagonal;
    else
        throw CliError("--symmetry must be none, rotational or diagonal (not '" + o.symmetry + "')");
    if (o.format != "line" && o.format != "md2")
        throw CliError("--format must be line or md2 (not '" + o.format + "')");
    if ((o.format == "md2") != !o.out.empty())
        throw CliError(o.out.empty() ? "--format md2 needs --out DIR" : "--out DIR goes with --format md2");
    if (o.seed.empty()) {
        settings.seed = (std::uint64_t{std::random_device{}()} << 32) ^ std::random_device{}();
    } else {
        std::size_t used = 0;
        try {
            settings.seed = std::stoull(o.seed, &used);
        } catch (const std::exception&) {
            used = 0;
        }
        if (used != o.seed.size() || o.seed[0] == '-') throw CliError("--seed must be a number (not '" + o.seed + "')");
    }
    return settings;
}

void RunGenerate(const GenerateOptions& o, int& exitCode) {
    const GeneratorSettings settings = SettingsOf(o);
    std::uint64_t number = 0;
    if (!o.out.empty()) {
        PrepareQueueDirectory(o.out);
        number = LargestNumberIn(o.out, "");
    }
    const int digits = DigitsFor(number + static_cast<std::uint64_t>(o.count));

    const auto start = std::chrono::steady_clock::now();
    PuzzleGenerator generator(settings);
    std::string first, last;
    int made = 0;
    for (; made < o.count; ++made) {
        const auto puzzle = generator.Next(MaxAttempts);
        if (!puzzle) break;
        const std::string line = solver::TextOfGrid(*puzzle);
        if (o.out.empty()) {
            std::cout << line << '\n';
            continue;
        }
        last = WriteNext(o.out, number, digits, LocksFromPuzzle(line));
        if (first.empty()) first = last;
    }
    std::cout.flush();

    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    char summary[200];
    std::snprintf(summary, sizeof summary, "%d puzzle%s of level %d in %.2f s (%.1f per second, %llu attempts, seed %llu)",
                  made, made == 1 ? "" : "s", o.level, seconds, seconds > 0 ? made / seconds : 0.0,
                  static_cast<unsigned long long>(generator.Attempts()), static_cast<unsigned long long>(settings.seed));
    std::cerr << "sorvat-cli generate: " << summary;
    if (!first.empty()) std::cerr << "; " << o.out << ": " << first << (made > 1 ? " .. " + last : std::string());
    std::cerr << '\n';
    if (made < o.count) {
        std::cerr << "sorvat-cli: no further puzzle of level " << o.level << " with these settings after "
                  << MaxAttempts << " attempts\n";
        exitCode = 1;
    }
}

} // namespace

void AddGenerateCommand(CLI::App& app, int& exitCode) {
    auto o = std::make_shared<GenerateOptions>();
    auto* cmd = app.add_subcommand(
        "generate", "make new puzzles with exactly one solution, graded exactly at an analysis level");
    cmd->add_option("--level", o->level, "the grade of every puzzle: 0, 1, 3, 4, 5, 6 or 8")->required();
    cmd->add_option("--count", o->count, "how many puzzles, all different (default 1)");
    cmd->add_option("--seed", o->seed, "start of the random choices: the same seed gives the same puzzles");
    cmd->add_option("--symmetry", o->symmetry, "none (default), rotational (half a turn) or diagonal (mirror)");
    cmd->add_flag("--minimal", o->minimal, "no given can be removed without losing the single solution");
    cmd->add_option("--format", o->format, "line (default: one puzzle a line on standard output) or md2");
    cmd->add_option("--out", o->out, "with --format md2: the directory to number the md2 files into");
    cmd->callback([o, &exitCode] { RunGenerate(*o, exitCode); });
}

} // namespace sorvat::cli
