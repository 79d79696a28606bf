#pragma once

class CViewCommands;

namespace sorvat {

// Runs the view command of a command or dialog-bar control id. Returns
// false for an id the view's commands do not handle.
bool RouteViewCommand(CViewCommands& commands, int id);

} // namespace sorvat
