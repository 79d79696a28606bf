#include "AnalyzeCommands.h"

#include "BoardJson.h"
#include "BoardText.h"
#include "PuzzleInput.h"
#include "files/PuzzleFile.h"
#include "text/Cp932.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>

namespace sorvat::cli {

namespace {

struct BoardOptions {
    std::string file;
    int level = 0;
    bool repeat = false;
    bool autoConfirm = false;
    bool answer = false;
    bool json = false;
};

void AddBoardOptions(CLI::App* cmd, BoardOptions& o, bool withAnswer) {
    cmd->add_option("FILE", o.file, "md1 or md2 puzzle file")->required();
    cmd->add_option("--level", o.level, "analysis level 0-9")->check(CLI::Range(0, 9));
    cmd->add_flag("--repeat", o.repeat, "repeat the passes until nothing changes (再起)");
    cmd->add_flag("--auto-confirm", o.autoConfirm, "write determined digits back as Fix entries");
    if (withAnswer) cmd->add_flag("--answer", o.answer, "analyse the answer board (Locks only, level 9)");
    cmd->add_flag("--json", o.json, "print one JSON object");
}

void SetUp(CellBoard& board, EntryList& list, const BoardOptions& o) {
    board.entries = &list;
    board.repeatUntilStable = o.repeat ? 1 : 0;
    board.autoConfirm = o.autoConfirm ? 1 : 0;
    board.techniqueMask = 0;
    board.SetLevel(o.level);
}

void RunAnalyze(const BoardOptions& o) {
    LoadedPuzzle puzzle = LoadPuzzleFile(o.file);
    auto board = std::make_unique<CellBoard>();
    EntryList answerList;
    EntryList* analysed = &puzzle.entries;
    if (o.answer) {
        answerList.CopyLocksFrom(puzzle.entries);
        analysed = &answerList;
        board->entries = analysed;
        board->SetLevel(9);
        board->repeatUntilStable = 1;
        board->autoConfirm = 1;
    } else {
        SetUp(*board, puzzle.entries, o);
    }
    const int result = board->Analyze();
    if (o.json) {
        Json out;
        out["result"] = puzzle.result;
        out["memo"] = Cp932ToUtf8(puzzle.memo);
        out["entries"] = EntriesJson(*analysed);
        out["board"] = BoardJson(*board, result);
        std::cout << out.dump() << '\n';
        return;
    }
    std::cout << BoardPicture(*board);
}

void RunNext(const BoardOptions& o) {
    LoadedPuzzle puzzle = LoadPuzzleFile(o.file);
    auto board = std::make_unique<CellBoard>();
    SetUp(*board, puzzle.entries, o);
    char buffer[NextMoveBufferSize] = {};
    const int length = board->NextMove(buffer, sizeof buffer);
    const std::string text = Cp932ToUtf8(std::string_view(buffer, static_cast<std::size_t>(length)));
    if (o.json) {
        Json out;
        out["text"] = text;
        out["length"] = length;
        out["entries"] = EntriesJson(puzzle.entries);
        out["board"] = BoardJson(*board, 0);
        std::cout << out.dump() << '\n';
        return;
    }
    std::cout << text << '\n';
}

void RunConvert(const std::string& in, const std::string& out) {
    LoadedPuzzle puzzle = LoadPuzzleFile(in);
    const std::string name = std::filesystem::path(out).filename().string();
    const std::string bytes = PuzzleFile::Format(name, puzzle.entries);
    // Written beside the target and renamed, so a failed write leaves no half file.
    const std::string temp = out + ".part";
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(temp.c_str(), "wb"), &std::fclose);
    if (!file) throw CliError(out + ": cannot write: " + std::strerror(errno));
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    const bool closed = std::fclose(file.release()) == 0;
    if (!written || !closed) {
        std::remove(temp.c_str());
        throw CliError(out + ": write failed");
    }
    std::error_code ec;
    std::filesystem::rename(temp, out, ec);
    if (ec) {
        std::remove(temp.c_str());
        throw CliError(out + ": cannot write: " + ec.message());
    }
}

} // namespace

void AddAnalyzeCommands(CLI::App& app, int& exitCode) {
    auto analyze = std::make_shared<BoardOptions>();
    auto* a = app.add_subcommand("analyze", "analyse a puzzle file and print the board");
    AddBoardOptions(a, *analyze, true);
    a->callback([analyze, &exitCode] {
        RunAnalyze(*analyze);
        exitCode = 0;
    });

    auto next = std::make_shared<BoardOptions>();
    auto* n = app.add_subcommand("next", "find and explain the next move");
    AddBoardOptions(n, *next, false);
    n->callback([next, &exitCode] {
        RunNext(*next);
        exitCode = 0;
    });

    auto paths = std::make_shared<std::pair<std::string, std::string>>();
    auto* c = app.add_subcommand("convert", "read a puzzle file and write it as md1 or md2 (by OUT's name)");
    c->add_option("IN", paths->first, "puzzle file to read")->required();
    c->add_option("OUT", paths->second, "puzzle file to write")->required();
    c->callback([paths, &exitCode] {
        RunConvert(paths->first, paths->second);
        exitCode = 0;
    });
}

} // namespace sorvat::cli
