#pragma once
#include <filesystem>

namespace sorvat {

// The per-user folders of the program, as the desktop's base directories
// name them: $XDG_CONFIG_HOME/sorvat (by default ~/.config/sorvat) for what
// the user set, $XDG_STATE_HOME/sorvat (by default ~/.local/state/sorvat) for
// the game in progress. Not created here.
std::filesystem::path UserConfigDirectory();
std::filesystem::path UserStateDirectory();

} // namespace sorvat
