#include "BatchConsole.h"
#include "CollectionCommands.h"
#include "OrderedBatch.h"
#include "PuzzleSolving.h"
#include "files/PuzzleLines.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <memory>

namespace sorvat::cli {

namespace {

struct SolveOptions {
    std::vector<std::string> inputs;
    std::string format = "line";
    int jobs = 0;
};

void PrintGrid(const CollectionPuzzle& puzzle, const PuzzleOutcome& outcome) {
    std::string out = puzzle.source + ": " + StatusOf(outcome) + "\n";
    for (int y = 0; y < 9; ++y) {
        if (y == 3 || y == 6) out += "------+-------+------\n";
        for (int x = 0; x < 9; ++x) {
            if (x == 3 || x == 6) out += "| ";
            out += outcome.answer[static_cast<std::size_t>(y * 9 + x)];
            out += x == 8 ? '\n' : ' ';
        }
    }
    out += '\n';
    std::cout << out;
}

void PrintJson(std::uint64_t index, const CollectionPuzzle& puzzle, const PuzzleOutcome& outcome) {
    nlohmann::json j;
    j["index"] = index;
    j["source"] = puzzle.source;
    j["puzzle"] = PuzzleOfLocks(puzzle.locks);
    j["answer"] = outcome.answer;
    j["solvedCount"] = outcome.solvedCount;
    j["deadCell"] = outcome.deadCell;
    j["conflict"] = outcome.conflict;
    j["status"] = StatusOf(outcome);
    j["seconds"] = outcome.seconds;
    std::cout << j.dump() << '\n';
}

std::string Milliseconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f ms", seconds * 1000);
    return text;
}

void RunSolve(const SolveOptions& o, int& exitCode) {
    BatchConsole console("solve", InputBytes(o.inputs));
    std::uint64_t solved = 0, unsolved = 0, contradictory = 0;
    double totalSeconds = 0, maxSeconds = 0;
    std::string slowest;
    std::uint64_t done = 0;
    const int jobs = JobCount(o.jobs);

    const PuzzleWork work = [](const CollectionPuzzle& p, PuzzleOutcome& out) { AnswerLocks(p.locks, out); };
    const PuzzleEmit emit = [&](std::uint64_t index, const CollectionPuzzle& p, const PuzzleOutcome& out) {
        const bool contradiction = out.deadCell || out.conflict;
        if (contradiction)
            ++contradictory;
        else if (IsSolvedOutcome(out))
            ++solved;
        else
            ++unsolved;
        totalSeconds += out.seconds;
        if (out.seconds > maxSeconds) {
            maxSeconds = out.seconds;
            slowest = p.source;
        }
        if (o.format == "json")
            PrintJson(index, p, out);
        else if (o.format == "grid")
            PrintGrid(p, out);
        else
            std::cout << out.answer << (contradiction ? " contradiction\n" : "\n");
        console.Finished(++done);
    };
    const std::int64_t problems = RunOrderedBatch(
        o.inputs, jobs, static_cast<std::size_t>(std::max(64, 16 * jobs)), work, emit,
        [&](const std::string& m) { console.Problem(m); },
        [&](std::uint64_t bytes) { console.SetBytesRead(bytes); });
    std::cout.flush();

    const double wall = console.Elapsed();
    std::string summary = Counted(done, "puzzle") + ": " + std::to_string(solved) + " solved, " +
                          std::to_string(unsolved) + " unsolved, " + std::to_string(contradictory) +
                          " contradictory";
    summary += SkippedNote(problems);
    console.Summary(summary);
    if (done > 0) {
        char timing[160];
        std::snprintf(timing, sizeof timing, "%.3f s with %d job%s; per puzzle mean %s, max %s (", wall, jobs,
                      jobs == 1 ? "" : "s", Milliseconds(totalSeconds / static_cast<double>(done)).c_str(),
                      Milliseconds(maxSeconds).c_str());
        console.Summary(timing + slowest + ")");
    }
    exitCode = (problems > 0 || done == 0) ? 1 : 0;
}

} // namespace

void AddSolveCommand(CLI::App& app, int& exitCode) {
    auto o = std::make_shared<SolveOptions>();
    auto* cmd = app.add_subcommand(
        "solve", "print the answer board of every puzzle (files, directories, - for standard input)");
    AddCollectionInputs(cmd, o->inputs, o->jobs);
    cmd->add_option("--format", o->format, "line (default), grid or json")
        ->check(CLI::IsMember({"line", "grid", "json"}));
    cmd->callback([o, &exitCode] { RunSolve(*o, exitCode); });
}

} // namespace sorvat::cli
