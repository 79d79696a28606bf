#pragma once
// Tables of the band solver. A band is three rows of the grid; a digit's
// candidates in a band are a 27-bit plane, bit r * 9 + c for row r (0..2)
// of the band and column c. A 9-bit row splits into three boxes of 3 bits.
#include <array>
#include <cstdint>

namespace sorvat::solver::tables {

constexpr std::uint32_t AllColumns = 0x1ff;
constexpr std::uint32_t AllCells = 0x7ffffff;

// A 9-bit column set repeated in the band's three rows.
constexpr std::uint32_t Repeat(std::uint32_t columns) { return columns * 0x40201u; }

// The columns of a plane that hold a candidate.
constexpr std::uint32_t ColumnsOf(std::uint32_t plane) { return (plane | plane >> 9 | plane >> 18) & AllColumns; }

// Bit k set when box k (0..2) of a 9-bit row holds a candidate.
constexpr std::array<std::uint8_t, 512> RowBoxes = [] {
    std::array<std::uint8_t, 512> t{};
    for (unsigned v = 0; v < 512; ++v)
        t[v] = static_cast<std::uint8_t>((v & 7 ? 1 : 0) | (v & 070 ? 2 : 0) | (v & 0700 ? 4 : 0));
    return t;
}();

// A band's digit sits once in each row and once in each box: indexed by
// the 9-bit pattern of (row, box) pairs that hold candidates (bit r * 3 + k),
// the cells of the pairs that some one-to-one assignment of rows to boxes
// uses; 0 when no assignment exists. This is pointing and claiming inside
// the band at once.
constexpr std::array<std::uint32_t, 512> Arrangements = [] {
    std::array<std::uint32_t, 512> t{};
    constexpr int order[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    for (unsigned p = 0; p < 512; ++p) {
        unsigned used = 0;
        for (const auto& boxOf : order) {
            unsigned pairs = 0;
            for (int r = 0; r < 3; ++r) pairs |= 1u << (r * 3 + boxOf[r]);
            if ((pairs & p) == pairs) used |= pairs;
        }
        std::uint32_t cells = 0;
        for (int bit = 0; bit < 9; ++bit)
            if (used & (1u << bit)) cells |= 7u << ((bit / 3) * 9 + (bit % 3) * 3);
        t[p] = cells;
    }
    return t;
}();

// The columns that are the only column of their box holding a candidate,
// for a 9-bit column set: the digit of that box stays in that column.
constexpr std::array<std::uint16_t, 512> LoneBoxColumns = [] {
    std::array<std::uint16_t, 512> t{};
    for (unsigned v = 0; v < 512; ++v) {
        unsigned out = 0;
        for (int k = 0; k < 3; ++k) {
            const unsigned box = (v >> (3 * k)) & 7;
            if (box == 1 || box == 2 || box == 4) out |= box << (3 * k);
        }
        t[v] = static_cast<std::uint16_t>(out);
    }
    return t;
}();

// For a 9-bit column set, the other two columns of each column's box.
constexpr std::array<std::uint16_t, 512> BoxNeighbours = [] {
    std::array<std::uint16_t, 512> t{};
    for (unsigned v = 0; v < 512; ++v) {
        unsigned out = 0;
        for (int c = 0; c < 9; ++c)
            if (v & (1u << c)) out |= (7u << (c / 3 * 3)) & ~(1u << c);
        t[v] = static_cast<std::uint16_t>(out);
    }
    return t;
}();

// A 9-bit row with exactly one candidate, itself; 0 otherwise.
constexpr std::array<std::uint16_t, 512> LoneCell = [] {
    std::array<std::uint16_t, 512> t{};
    for (unsigned v = 1; v < 512; v <<= 1) t[v] = static_cast<std::uint16_t>(v);
    return t;
}();

// For a cell (0..26) of a band: the plane with the cell's row, box and column
// inside the band cleared, the cell itself kept.
constexpr std::array<std::uint32_t, 27> PeersCleared = [] {
    std::array<std::uint32_t, 27> t{};
    for (int p = 0; p < 27; ++p) {
        const int r = p / 9, c = p % 9;
        std::uint32_t peers = 0x1ffu << (r * 9) | Repeat(1u << c);
        for (int rr = 0; rr < 3; ++rr) peers |= 7u << (rr * 9 + c / 3 * 3);
        t[p] = (AllCells & ~peers) | 1u << p;
    }
    return t;
}();

} // namespace sorvat::solver::tables
