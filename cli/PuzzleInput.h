#pragma once
#include "model/EntryList.h"

#include <stdexcept>
#include <string>

namespace sorvat::cli {

// A failure the user must see as one line on stderr.
struct CliError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct LoadedPuzzle {
    EntryList entries;
    int result = 0;    // 0 loaded, 2 empty file
    std::string memo;  // code page 932 bytes
};

// Reads a puzzle file (md1 or md2 by its name) without changing it.
LoadedPuzzle LoadPuzzleFile(const std::string& path);

struct TextPuzzle {
    EntryList locks;      // the first puzzle's givens
    std::string refusal;  // why there is none (files/PuzzleText.h)
};

// Reads the first puzzle line or grid of a text file.
TextPuzzle LoadTextPuzzle(const std::string& path);

} // namespace sorvat::cli
