// A complete solver on digit planes: for each digit and band (three rows) a
// 27-bit mask of the cells where the digit may still go. Propagation works on
// one plane at a time with table lookups (see BandTables.h); when it stalls,
// the search branches on a cell with the fewest candidates.
#include "solver/Solver.h"

#include "solver/BandTables.h"

#include <array>
#include <bit>

namespace sorvat::solver {
namespace {

using namespace tables;

constexpr int NextBand[3] = {1, 2, 0};
constexpr int LastBand[3] = {2, 0, 1};
// The digit's planes in the two other bands.
constexpr std::array<std::uint8_t, 36> NextPlane = [] {
    std::array<std::uint8_t, 36> t{};
    for (int i = 0; i < 36; ++i) t[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i - i % 4 + NextBand[i % 4 % 3]);
    return t;
}();
constexpr std::array<std::uint8_t, 36> LastPlane = [] {
    std::array<std::uint8_t, 36> t{};
    for (int i = 0; i < 36; ++i) t[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i - i % 4 + LastBand[i % 4 % 3]);
    return t;
}();

struct State {
    // Digit d, band b at d * 4 + b (slot 3 of each digit is unused): the cells
    // where the digit may still go; a placed digit keeps its cell.
    std::uint32_t planes[36];
    std::uint16_t columns[36];  // ColumnsOf each plane when it was last updated
    std::uint32_t open[3];      // cells without a placed digit, per band
    std::uint64_t pending;      // bit d * 4 + b: the plane changed since its last update

    void Init() {
        for (auto& p : planes) p = AllCells;
        for (auto& c : columns) c = AllColumns;
        for (auto& o : open) o = AllCells;
        pending = 0;
    }

    void Narrow(int plane, std::uint32_t keep) {
        const std::uint32_t narrowed = planes[plane] & keep;
        if (narrowed != planes[plane]) {
            planes[plane] = narrowed;
            pending |= std::uint64_t{1} << plane;
        }
    }

    // Removes `cells` of band b from every digit but d.
    void TakeCells(int d, int b, std::uint32_t cells) {
        open[b] &= ~cells;
        for (int other = 0; other < 9; ++other)
            if (other != d) Narrow(other * 4 + b, ~cells);
    }

    // Puts digit d (0..8) on cell p (0..26) of band b. False when the digit
    // cannot go there.
    bool Place(int d, int b, int p) {
        const std::uint32_t bit = 1u << p;
        if (!(planes[d * 4 + b] & bit)) return false;
        TakeCells(d, b, bit);
        Narrow(d * 4 + b, PeersCleared[static_cast<std::size_t>(p)]);
        const std::uint32_t column = ~Repeat(1u << (p % 9));
        Narrow(d * 4 + NextBand[b], column);
        Narrow(d * 4 + LastBand[b], column);
        pending |= std::uint64_t{1} << (d * 4 + b);
        return true;
    }

    // Everything one plane tells: claiming from the columns, the row and box
    // arrangement of the band, the columns its boxes lock for the other bands,
    // and the cells where the digit is left alone in its row. The other bands'
    // columns are taken as they were at their last update: they can only have
    // shrunk since, and a band whose columns shrink updates its neighbours.
    bool Update(int plane) {
        const int b = plane & 3, next = NextPlane[plane], last = LastPlane[plane];
        const std::uint32_t elsewhere = columns[next] | columns[last];
        std::uint32_t x = planes[plane];
        for (;;) {
            const std::uint32_t present = ColumnsOf(x);
            if ((present | elsewhere) != AllColumns) return false;  // a column without the digit
            const std::uint32_t before = x;
            // A column that has the digit only in this band has it in its box here.
            x &= ~Repeat(BoxNeighbours[present & ~elsewhere]);
            x &= Arrangements[RowBoxes[x & 0x1ff] | RowBoxes[(x >> 9) & 0x1ff] << 3 | RowBoxes[x >> 18] << 6];
            if (x == 0) return false;
            if (x == before) break;
        }
        planes[plane] = x;
        const std::uint32_t present = ColumnsOf(x);
        if (present != columns[plane]) {
            columns[plane] = static_cast<std::uint16_t>(present);
            pending |= std::uint64_t{1} << next | std::uint64_t{1} << last;
            const std::uint32_t locked = ~Repeat(LoneBoxColumns[present]);
            Narrow(next, locked);
            Narrow(last, locked);
        }
        const std::uint32_t alone =
            (LoneCell[x & 0x1ff] | LoneCell[(x >> 9) & 0x1ff] << 9 | LoneCell[x >> 18] << 18) & open[b];
        if (alone) TakeCells(plane >> 2, b, alone);
        return true;
    }

    // Places the cells with one candidate left; false on a cell with none.
    bool NakedSingles(bool& placed) {
        for (int b = 0; b < 3; ++b) {
            std::uint32_t once = 0, twice = 0;
            for (int d = 0; d < 9; ++d) {
                const std::uint32_t x = planes[d * 4 + b];
                twice |= once & x;
                once |= x;
            }
            if (open[b] & ~once) return false;
            std::uint32_t singles = open[b] & ~twice;
            while (singles) {
                const int p = std::countr_zero(singles);
                singles &= singles - 1;
                // An earlier single of this sweep may have taken its last candidate.
                int d = 0;
                while (d < 9 && !(planes[d * 4 + b] & (1u << p))) ++d;
                if (d == 9 || !Place(d, b, p)) return false;
                placed = true;
            }
        }
        return true;
    }

    bool Propagate() {
        for (;;) {
            while (pending) {
                const int plane = std::countr_zero(pending);
                pending &= pending - 1;
                if (!Update(plane)) return false;
            }
            bool placed = false;
            if (!NakedSingles(placed)) return false;
            if (!placed) return true;
        }
    }

    bool Solved() const { return (open[0] | open[1] | open[2]) == 0; }

    Grid ToGrid() const {
        Grid grid{};
        for (int d = 0; d < 9; ++d)
            for (int b = 0; b < 3; ++b)
                for (std::uint32_t x = planes[d * 4 + b] & ~open[b]; x; x &= x - 1)
                    grid[static_cast<std::size_t>(b * 27 + std::countr_zero(x))] = static_cast<std::uint8_t>(d + 1);
        return grid;
    }

    bool Load(const Grid& puzzle) {
        Init();
        for (int i = 0; i < 81; ++i) {
            const int digit = puzzle[static_cast<std::size_t>(i)];
            if (digit >= 1 && digit <= 9 && !Place(digit - 1, i / 27, i % 27)) return false;
        }
        return true;
    }

    // An open cell with the fewest candidates (two if there is one): its band,
    // place and candidate digits as a 9-bit mask.
    void BranchCell(int& band, int& place, unsigned& digits) const {
        int fewest = 10;
        for (int b = 0; b < 3 && fewest > 2; ++b) {
            if (!open[b]) continue;
            std::uint32_t once = 0, twice = 0, thrice = 0;
            for (int d = 0; d < 9; ++d) {
                const std::uint32_t x = planes[d * 4 + b];
                thrice |= twice & x;
                twice |= once & x;
                once |= x;
            }
            const std::uint32_t pairs = open[b] & twice & ~thrice;
            if (pairs) {
                band = b;
                place = std::countr_zero(pairs);
                fewest = 2;
                break;
            }
            for (std::uint32_t cells = open[b]; cells; cells &= cells - 1) {
                const int p = std::countr_zero(cells);
                int n = 0;
                for (int d = 0; d < 9; ++d) n += (planes[d * 4 + b] >> p) & 1;
                if (n < fewest) {
                    fewest = n;
                    band = b;
                    place = p;
                }
            }
        }
        digits = 0;
        for (int d = 0; d < 9; ++d)
            if (planes[d * 4 + band] & (1u << place)) digits |= 1u << d;
    }
};

struct Search {
    int limit;
    Random* random;  // null: digits in ascending order
    Solutions found;

    // `state` has been propagated.
    void Run(State& state) {
        if (state.Solved()) {
            (found.count == 0 ? found.first : found.second) = state.ToGrid();
            ++found.count;
            return;
        }
        int band = 0, place = 0;
        unsigned digits = 0;
        state.BranchCell(band, place, digits);
        int order[9];
        int n = 0;
        for (unsigned m = digits; m; m &= m - 1) order[n++] = std::countr_zero(m);
        if (n == 0) return;
        if (random) random->Shuffle(order, n);
        for (int i = 0; i < n - 1 && found.count < limit; ++i) {
            State next = state;
            if (next.Place(order[i], band, place) && next.Propagate()) Run(next);
        }
        // The last digit can take this state over.
        if (found.count < limit && state.Place(order[n - 1], band, place) && state.Propagate()) Run(state);
    }
};

Solutions RunSearch(const Grid& puzzle, int limit, Random* random) {
    Search search{limit, random, {}};
    State state;
    if (limit > 0 && state.Load(puzzle) && state.Propagate()) search.Run(state);
    return search.found;
}

} // namespace

Solutions CountSolutions(const Grid& puzzle, int limit) { return RunSearch(puzzle, limit, nullptr); }

std::optional<Grid> SolveWithoutGuessing(const Grid& puzzle) {
    State state;
    if (!state.Load(puzzle) || !state.Propagate() || !state.Solved()) return std::nullopt;
    return state.ToGrid();
}

Grid RandomSolvedGrid(Random& random) { return RunSearch(Grid{}, 1, &random).first; }

} // namespace sorvat::solver
