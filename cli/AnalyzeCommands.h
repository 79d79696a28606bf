#pragma once
#include <CLI/CLI.hpp>

namespace sorvat::cli {

// analyze, next and convert: one puzzle file at a time.
void AddAnalyzeCommands(CLI::App& app, int& exitCode);

} // namespace sorvat::cli
