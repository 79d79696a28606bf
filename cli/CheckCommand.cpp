#include "BatchConsole.h"
#include "CollectionCommands.h"
#include "OrderedBatch.h"
#include "files/PuzzleLines.h"
#include "solver/Solver.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <iostream>
#include <memory>

namespace sorvat::cli {

namespace {

struct CheckOptions {
    std::vector<std::string> inputs;
    std::string format = "line";
    int jobs = 0;
};

constexpr const char* Verdicts[3] = {"none", "unique", "multiple"};

void CountSolutionsOf(const CollectionPuzzle& puzzle, PuzzleOutcome& out) {
    const solver::Solutions found = solver::CountSolutions(solver::GridFromText(PuzzleOfLocks(puzzle.locks)), 2);
    out.solutions = found.count;
    if (found.count >= 1) out.answer = solver::TextOfGrid(found.first);
    if (found.count >= 2) out.second = solver::TextOfGrid(found.second);
}

void RunCheck(const CheckOptions& o, int& exitCode) {
    BatchConsole console("check", InputBytes(o.inputs));
    std::uint64_t counts[3] = {};
    std::uint64_t done = 0;
    const int jobs = JobCount(o.jobs);
    std::string line;
    const PuzzleEmit emit = [&](std::uint64_t index, const CollectionPuzzle& p, const PuzzleOutcome& out) {
        ++counts[out.solutions];
        const std::string puzzle = PuzzleOfLocks(p.locks);
        if (o.format == "json") {
            nlohmann::json j;
            j["index"] = index;
            j["source"] = p.source;
            j["puzzle"] = puzzle;
            j["status"] = Verdicts[out.solutions];
            j["solutions"] = nlohmann::json::array();
            if (out.solutions >= 1) j["solutions"].push_back(out.answer);
            if (out.solutions >= 2) j["solutions"].push_back(out.second);
            j["seconds"] = out.seconds;
            std::cout << j.dump() << '\n';
        } else {
            line = puzzle;
            line += ' ';
            line += Verdicts[out.solutions];
            if (out.solutions >= 1) line += ' ' + out.answer;
            if (out.solutions >= 2) line += ' ' + out.second;
            line += '\n';
            std::cout << line;
        }
        console.Finished(++done);
    };
    const std::int64_t problems = RunOrderedBatch(
        o.inputs, jobs, static_cast<std::size_t>(std::max(64, 16 * jobs)), CountSolutionsOf, emit,
        [&](const std::string& m) { console.Problem(m); },
        [&](std::uint64_t bytes) { console.SetBytesRead(bytes); });
    std::cout.flush();

    std::string summary = Counted(done, "puzzle") + ": " + std::to_string(counts[1]) + " unique, " +
                          std::to_string(counts[2]) + " multiple, " + std::to_string(counts[0]) + " none";
    summary += SkippedNote(problems);
    char timing[96];
    std::snprintf(timing, sizeof timing, "; %.3f s with %d job%s", console.Elapsed(), jobs, jobs == 1 ? "" : "s");
    console.Summary(summary + timing);
    exitCode = (problems > 0 || done == 0) ? 1 : 0;
}

} // namespace

void AddCheckCommand(CLI::App& app, int& exitCode) {
    auto o = std::make_shared<CheckOptions>();
    auto* cmd = app.add_subcommand(
        "check", "tell for every puzzle whether it has one solution, several or none, with the solutions");
    AddCollectionInputs(cmd, o->inputs, o->jobs);
    cmd->add_option("--format", o->format, "line (default) or json")->check(CLI::IsMember({"line", "json"}));
    cmd->callback([o, &exitCode] { RunCheck(*o, exitCode); });
}

} // namespace sorvat::cli
