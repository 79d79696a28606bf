#include "solver/Grid.h"

namespace sorvat::solver {

Grid GridFromText(std::string_view text) {
    Grid grid{};
    for (std::size_t i = 0; i < 81 && i < text.size(); ++i)
        if (text[i] >= '1' && text[i] <= '9') grid[i] = static_cast<std::uint8_t>(text[i] - '0');
    return grid;
}

std::string TextOfGrid(const Grid& grid) {
    std::string text(81, '.');
    for (std::size_t i = 0; i < 81; ++i)
        if (grid[i] >= 1 && grid[i] <= 9) text[i] = static_cast<char>('0' + grid[i]);
    return text;
}

int GivenCount(const Grid& grid) {
    int n = 0;
    for (const std::uint8_t d : grid) n += d != 0;
    return n;
}

} // namespace sorvat::solver
