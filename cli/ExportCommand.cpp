#include "ExportCommand.h"

#include "PuzzleInput.h"
#include "export/SpreadsheetExport.h"
#include "model/CellBoard.h"

#include <ctime>
#include <filesystem>
#include <iostream>
#include <memory>

namespace sorvat::cli {

namespace {

struct ExportOptions {
    std::string file;
    std::string templateName = TemplateFileName;
    std::string out;
    int level = 0;
    bool repeat = false;
};

std::string DefaultOutputPath() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return ExportFileName(std::filesystem::current_path().string(), local);
}

void RunExport(const ExportOptions& o) {
    LoadedPuzzle puzzle = LoadPuzzleFile(o.file);
    auto board = std::make_unique<CellBoard>();
    board->entries = &puzzle.entries;
    board->repeatUntilStable = o.repeat ? 1 : 0;
    board->SetLevel(o.level);
    board->Analyze();

    ExportRequest request;
    request.templateName = o.templateName;
    request.outputPath = o.out.empty() ? DefaultOutputPath() : o.out;
    request.output = [](const std::string& text) { std::cerr << text; };
    const ExportResult result = ExportSpreadsheet(*board, request);
    switch (result.outcome) {
    case ExportOutcome::Saved:
        std::cout << result.outputPath << '\n';
        return;
    case ExportOutcome::NotSaved:
        throw CliError(result.outputPath + ": cannot be written");
    case ExportOutcome::OfficeUnavailable:
        throw CliError("LibreOffice Calc cannot be started (is libreoffice-calc-nogui installed?)");
    case ExportOutcome::Failed:
        throw CliError("export failed: " + result.error);
    }
}

} // namespace

void AddExportCommand(CLI::App& app) {
    auto options = std::make_shared<ExportOptions>();
    CLI::App* cmd = app.add_subcommand("export", "write the board into a spreadsheet workbook (.xls)");
    cmd->add_option("FILE", options->file, "md1 or md2 puzzle file")->required();
    cmd->add_option("--template", options->templateName, "template workbook")->capture_default_str();
    cmd->add_option("--out", options->out, "output workbook (default: SorvatQ.YYMMDD.HHMMSS.xls here)");
    cmd->add_option("--level", options->level, "analysis level 0-9 for the candidates")->check(CLI::Range(0, 9));
    cmd->add_flag("--repeat", options->repeat, "repeat the analysis passes until nothing changes (再起)");
    cmd->callback([options] { RunExport(*options); });
}

} // namespace sorvat::cli
