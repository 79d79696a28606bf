#include "AnalyzeCommands.h"
#include "CollectionCommands.h"
#include "ExportCommand.h"
#include "PuzzleInput.h"
#include "SorvatVersion.h"

#include <CLI/CLI.hpp>
#include <iostream>

int main(int argc, char** argv) {
    CLI::App app{"sorvat-cli: analyse, solve and convert 9x9 number-placement puzzles"};
    app.set_version_flag("--version", "sorvat-cli " SORVAT_VERSION);
    app.require_subcommand(1);
    int exitCode = 0;
    sorvat::cli::AddAnalyzeCommands(app, exitCode);
    sorvat::cli::AddSolveCommand(app, exitCode);
    sorvat::cli::AddGradeCommand(app, exitCode);
    sorvat::cli::AddCheckCommand(app, exitCode);
    sorvat::cli::AddImportCommand(app, exitCode);
    sorvat::cli::AddGenerateCommand(app, exitCode);
    sorvat::cli::AddExportCommand(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e);
    } catch (const sorvat::cli::CliError& e) {
        std::cerr << "sorvat-cli: " << e.what() << '\n';
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "sorvat-cli: " << e.what() << '\n';
        return 1;
    }
    return exitCode;
}
