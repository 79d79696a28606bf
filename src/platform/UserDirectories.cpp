#include "platform/UserDirectories.h"

#include <cstdlib>

namespace sorvat {

namespace {

// An unset or relative variable counts as unset, as the base directories
// rule says.
std::filesystem::path BaseDirectory(const char* variable, const char* fallback) {
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] == '/') return value;
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home != nullptr ? home : "/") / fallback;
}

} // namespace

std::filesystem::path UserConfigDirectory() { return BaseDirectory("XDG_CONFIG_HOME", ".config") / "sorvat"; }

std::filesystem::path UserStateDirectory() { return BaseDirectory("XDG_STATE_HOME", ".local/state") / "sorvat"; }

} // namespace sorvat
