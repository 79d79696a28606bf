#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace sorvat::solver {

// A 9x9 grid row by row from the top-left cell: 1..9 a digit, 0 an open cell.
using Grid = std::array<std::uint8_t, 81>;

// An 81-character line: '1'..'9' a digit, anything else an open cell.
Grid GridFromText(std::string_view text);

// The 81-character line of a grid, '.' for an open cell.
std::string TextOfGrid(const Grid& grid);

// Number of digits (non-open cells).
int GivenCount(const Grid& grid);

} // namespace sorvat::solver
