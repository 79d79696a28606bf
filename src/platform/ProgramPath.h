#pragma once
#include <filesystem>

namespace sorvat {

// The running program's file (/proc/self/exe); empty when it cannot be read.
std::filesystem::path ProgramFilePath();
// The directory holding the program's file, without a trailing "/".
std::filesystem::path ProgramDirectoryPath();

} // namespace sorvat
