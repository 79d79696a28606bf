#pragma once
#include <CLI/CLI.hpp>

namespace sorvat::cli {

// Commands over whole collections (files, directories, standard input).
void AddSolveCommand(CLI::App& app, int& exitCode);
void AddGradeCommand(CLI::App& app, int& exitCode);
void AddCheckCommand(CLI::App& app, int& exitCode);
void AddGenerateCommand(CLI::App& app, int& exitCode);
void AddImportCommand(CLI::App& app, int& exitCode);

} // namespace sorvat::cli
