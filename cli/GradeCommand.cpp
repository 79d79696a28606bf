#include "BatchConsole.h"
#include "CollectionCommands.h"
#include "OrderedBatch.h"
#include "PuzzleSolving.h"
#include "files/PuzzleLines.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cstdio>
#include <iostream>
#include <memory>

namespace sorvat::cli {

namespace {

struct GradeOptions {
    std::vector<std::string> inputs;
    std::string format = "line";
    int jobs = 0;
    bool histogramOnly = false;
};

constexpr int HistogramWidth = 40;

// Rows 0..9 for the levels, row 10 for unsolved puzzles.
std::string Histogram(const std::array<std::uint64_t, 11>& counts, std::uint64_t total) {
    const std::uint64_t largest = *std::max_element(counts.begin(), counts.end());
    std::string out = "level     puzzles   share\n";
    for (int row = 0; row < 11; ++row) {
        // Levels 7 and 9 never rate a puzzle: they run the techniques of 6 and 8.
        if ((row == 7 || row == 9) && counts[static_cast<std::size_t>(row)] == 0) continue;
        const std::uint64_t n = counts[static_cast<std::size_t>(row)];
        const double share = total > 0 ? 100.0 * static_cast<double>(n) / static_cast<double>(total) : 0;
        const auto bar = largest > 0 ? static_cast<std::size_t>(n * HistogramWidth / largest) : 0;
        char line[96];
        std::snprintf(line, sizeof line, "%-8s %9llu  %5.1f%%", row == 10 ? "unsolved" : std::to_string(row).c_str(),
                      static_cast<unsigned long long>(n), share);
        out += line + (bar > 0 ? "  " + std::string(bar, '#') : std::string()) + "\n";
    }
    return out;
}

void RunGrade(const GradeOptions& o, int& exitCode) {
    BatchConsole console("grade", InputBytes(o.inputs));
    std::array<std::uint64_t, 11> counts{};
    std::uint64_t done = 0;
    const int jobs = JobCount(o.jobs);

    const PuzzleWork work = [](const CollectionPuzzle& p, PuzzleOutcome& out) { GradeLocks(p.locks, out); };
    const PuzzleEmit emit = [&](std::uint64_t index, const CollectionPuzzle& p, const PuzzleOutcome& out) {
        ++counts[static_cast<std::size_t>(out.grade >= 0 ? out.grade : 10)];
        if (!o.histogramOnly) {
            if (o.format == "json") {
                nlohmann::json j;
                j["index"] = index;
                j["source"] = p.source;
                j["puzzle"] = PuzzleOfLocks(p.locks);
                j["level"] = out.grade >= 0 ? nlohmann::json(out.grade) : nlohmann::json(nullptr);
                j["status"] = out.grade >= 0 ? "solved" : "unsolved";
                j["seconds"] = out.seconds;
                std::cout << j.dump() << '\n';
            } else {
                std::cout << PuzzleOfLocks(p.locks) << ' '
                          << (out.grade >= 0 ? std::to_string(out.grade) : std::string("unsolved")) << '\n';
            }
        }
        console.Finished(++done);
    };
    const std::int64_t problems = RunOrderedBatch(
        o.inputs, jobs, static_cast<std::size_t>(std::max(64, 16 * jobs)), work, emit,
        [&](const std::string& m) { console.Problem(m); },
        [&](std::uint64_t bytes) { console.SetBytesRead(bytes); });

    const std::string histogram = done > 0 ? Histogram(counts, done) : std::string();
    std::string summary = Counted(done, "puzzle") + ", " + std::to_string(done - counts[10]) + " solved";
    summary += SkippedNote(problems);
    if (o.histogramOnly) {
        std::cout << histogram;
        std::cout.flush();
        console.Summary(summary);
    } else {
        std::cout.flush();
        console.Summary(done > 0 ? summary + "\n" + histogram : summary);
    }
    exitCode = (problems > 0 || done == 0) ? 1 : 0;
}

} // namespace

void AddGradeCommand(CLI::App& app, int& exitCode) {
    auto o = std::make_shared<GradeOptions>();
    auto* cmd = app.add_subcommand(
        "grade", "rate every puzzle by the lowest analysis level that solves it, with a histogram");
    AddCollectionInputs(cmd, o->inputs, o->jobs);
    cmd->add_option("--format", o->format, "line (default) or json")->check(CLI::IsMember({"line", "json"}));
    cmd->add_flag("--histogram", o->histogramOnly, "print only the histogram, on standard output");
    cmd->callback([o, &exitCode] { RunGrade(*o, exitCode); });
}

} // namespace sorvat::cli
