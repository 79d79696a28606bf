#pragma once
#include <CLI/CLI.hpp>

namespace sorvat::cli {

// `export FILE [--template T] [--out PATH]`: writes the puzzle's board into
// a spreadsheet workbook made from the template, as the window's
// "Excel形式で保存" does.
void AddExportCommand(CLI::App& app);

} // namespace sorvat::cli
