#pragma once

class CSorvatView;

namespace sorvat {

// Runs the view's handler of a command or dialog-bar control id. Returns
// false for an id the view does not handle.
bool RouteViewCommand(CSorvatView& view, int id);

} // namespace sorvat
