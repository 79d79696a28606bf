#pragma once
#include <CLI/CLI.hpp>

#include <string>
#include <vector>

namespace sorvat::cli {

// The inputs and --jobs that every command over collections takes.
inline void AddCollectionInputs(CLI::App* cmd, std::vector<std::string>& inputs, int& jobs) {
    cmd->add_option("INPUT", inputs, "puzzle files (md1, md2, one puzzle per line), directories or -")->required();
    cmd->add_option("--jobs,-j", jobs, "worker threads (default: one per core)")->check(CLI::Range(0, 256));
}

// Commands over whole collections (files, directories, standard input).
void AddSolveCommand(CLI::App& app, int& exitCode);
void AddGradeCommand(CLI::App& app, int& exitCode);
void AddCheckCommand(CLI::App& app, int& exitCode);
void AddGenerateCommand(CLI::App& app, int& exitCode);
void AddImportCommand(CLI::App& app, int& exitCode);

} // namespace sorvat::cli
