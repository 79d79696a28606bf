#pragma once
#include <cstdint>
#include <optional>

namespace sorvat {

// The spreadsheet's standard 56-colour palette. Index 1..56 gives the colour
// as 0xRRGGBB; any other index has none (automatic font, no fill).
std::optional<std::uint32_t> PaletteColor(int colorIndex);

constexpr int PaletteSize = 56;

} // namespace sorvat
