#pragma once
#include "model/CellBoard.h"

#include <string>

namespace sorvat::cli {

// A readable picture of a board: entered digits ("L5" Lock, "F5" Fix),
// solved digits ("=5") and the remaining candidates of open cells.
std::string BoardPicture(const CellBoard& board);

} // namespace sorvat::cli
