#pragma once
#include "view/Globals.h"

#include <string>
#include <string_view>

// The two files that hold a working state without becoming the current
// puzzle. They lie in the current directory, or in FixedFilesDirectory when
// one is set (a start from the desktop menu).
inline constexpr const char* QuickFile = "_Sorvat.Quick.md1";
inline constexpr const char* ContinueFile = "_Sorvat.Continue.md1";

// Where the fixed file `name` is read and written.
inline std::string FixedFilePath(const char* name) {
    return FixedFilesDirectory.empty() ? std::string(name) : FixedFilesDirectory + "/" + name;
}

// A path names a fixed file when either name occurs anywhere in it
// (so a copy such as "x._Sorvat.Quick.md1" counts too).
inline bool IsFixedFile(std::string_view path) {
    return path.find(ContinueFile) != std::string_view::npos
        || path.find(QuickFile) != std::string_view::npos;
}
