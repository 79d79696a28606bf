#include "platform/ProgramPath.h"

#include <system_error>

namespace sorvat {

std::filesystem::path ProgramFilePath() {
    std::error_code error;
    std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : path;
}

std::filesystem::path ProgramDirectoryPath() {
    return ProgramFilePath().parent_path();
}

} // namespace sorvat
