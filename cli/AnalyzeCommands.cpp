#include "AnalyzeCommands.h"

#include "BoardJson.h"
#include "BoardText.h"
#include "Collections.h"
#include "PuzzleInput.h"
#include "files/PuzzleFile.h"
#include "files/ReplacingFile.h"
#include "game/AnswerBoard.h"
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
    int result = 0;
    if (o.answer) {
        BuildAnswerBoard(puzzle.entries, answerList, *board);
        analysed = &answerList;
    } else {
        SetUp(*board, puzzle.entries, o);
        result = board->Analyze();
    }
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

// IN is md1 or md2 by its name, as in the window; another file gives its first
// puzzle line or grid, or else (md1 written under another name) its md1 entries.
void RunConvert(const std::string& in, const std::string& out) {
    TextPuzzle text;
    if (KindOfFile(in) == InputKind::Text) text = LoadTextPuzzle(in);
    const EntryList entries = text.locks.Count() > 0 ? text.locks : LoadPuzzleFile(in).entries;
    // Writing would turn a file read in the wrong format into an empty puzzle.
    if (entries.Count() == 0)
        throw CliError(in + (text.refusal.empty() ? ": no md1/md2 entries to convert, nothing written"
                                                  : ": no puzzle to convert, nothing written (" + text.refusal + ")"));
    const std::string name = std::filesystem::path(out).filename().string();
    const std::string bytes = PuzzleFile::Format(name, entries);
    if (!ReplaceFileContents(out, bytes)) throw CliError(out + ": cannot write: " + std::strerror(errno));
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
    c->add_option("IN", paths->first, "md1 or md2 file, or a text of puzzle lines or grids (its first puzzle)")
        ->required();
    c->add_option("OUT", paths->second, "puzzle file to write")->required();
    c->callback([paths, &exitCode] {
        RunConvert(paths->first, paths->second);
        exitCode = 0;
    });
}

} // namespace sorvat::cli
