// A complete solver on digit planes: for each digit and band (three rows) a
// 27-bit mask of the cells where the digit may still go. Propagation works on
// the three planes of one digit at a time with table lookups (see
// BandTables.h); when it stalls, the search branches on a cell with the
// fewest candidates. Branches that the processor cannot predict cost more
// than the few instructions that avoid them (TakeCells).
#include "solver/Solver.h"

#include "solver/BandTables.h"

#include <bit>

namespace sorvat::solver {
namespace {

using namespace tables;

constexpr int NextBand[3] = {1, 2, 0};
constexpr int LastBand[3] = {2, 0, 1};

struct State {
    // Digit d, band b at d * 4 + b (slot 3 of each digit is unused): the cells
    // where the digit may still go; a placed digit keeps its cell.
    std::uint32_t planes[36];
    std::uint32_t open[3];  // cells without a placed digit, per band
    std::uint32_t pending;  // bit d: a plane of digit d changed since the digit's last update

    void Init() {
        for (auto& p : planes) p = AllCells;
        for (auto& o : open) o = AllCells;
        pending = 0;
    }

    void Narrow(int plane, std::uint32_t keep) {
        const std::uint32_t narrowed = planes[plane] & keep;
        if (narrowed != planes[plane]) {
            planes[plane] = narrowed;
            pending |= 1u << (plane >> 2);
        }
    }

    // Removes `cells` of band b from every digit but d (without a branch per digit).
    void TakeCells(int d, int b, std::uint32_t cells) {
        open[b] &= ~cells;
        const std::uint32_t own = planes[d * 4 + b];
        std::uint32_t touched = 0;
        for (int digit = 0; digit < 9; ++digit) {
            std::uint32_t& x = planes[digit * 4 + b];
            touched |= static_cast<std::uint32_t>((x & cells) != 0) << digit;
            x &= ~cells;
        }
        planes[d * 4 + b] = own;
        pending |= touched & ~(1u << d);
    }

    // Puts digit d (0..8) on cell p (0..26) of band b. False when the digit
    // cannot go there.
    bool Place(int d, int b, int p) {
        const std::uint32_t bit = 1u << p;
        if (!(planes[d * 4 + b] & bit)) return false;
        TakeCells(d, b, bit);
        planes[d * 4 + b] &= PeersCleared[static_cast<std::size_t>(p)];
        const std::uint32_t column = ~Repeat(1u << (p % 9));
        planes[d * 4 + NextBand[b]] &= column;
        planes[d * 4 + LastBand[b]] &= column;
        pending |= 1u << d;
        return true;
    }

    // Everything the three planes of a digit tell together, repeated until
    // they stop changing: a column with the digit in one band only has it in
    // its box there (claiming); a box of a band with the digit in one column
    // takes that column from the other bands (pointing); each band's rows
    // and boxes must be paired one to one (pointing and claiming inside the
    // band). Then the cells where the digit is alone in its row are its.
    bool Update(int d) {
        std::uint32_t* p = &planes[d * 4];
        std::uint32_t a = p[0], b = p[1], c = p[2];
        for (;;) {
            const std::uint32_t ca = ColumnsOf(a), cb = ColumnsOf(b), cc = ColumnsOf(c);
            if ((ca | cb | cc) != AllColumns) return false;  // a column without the digit
            const std::uint32_t la = LoneBoxColumns[ca], lb = LoneBoxColumns[cb], lc = LoneBoxColumns[cc];
            const std::uint32_t a0 = a, b0 = b, c0 = c;
            a &= ~Repeat(BoxNeighbours[ca & ~(cb | cc)] | lb | lc);
            b &= ~Repeat(BoxNeighbours[cb & ~(ca | cc)] | la | lc);
            c &= ~Repeat(BoxNeighbours[cc & ~(ca | cb)] | la | lb);
            a &= Arrangements[RowBoxes[a & 0x1ff] | RowBoxes[(a >> 9) & 0x1ff] << 3 | RowBoxes[a >> 18] << 6];
            b &= Arrangements[RowBoxes[b & 0x1ff] | RowBoxes[(b >> 9) & 0x1ff] << 3 | RowBoxes[b >> 18] << 6];
            c &= Arrangements[RowBoxes[c & 0x1ff] | RowBoxes[(c >> 9) & 0x1ff] << 3 | RowBoxes[c >> 18] << 6];
            if (a == 0 || b == 0 || c == 0) return false;
            if (a == a0 && b == b0 && c == c0) break;
        }
        p[0] = a;
        p[1] = b;
        p[2] = c;
        const std::uint32_t planesOf[3] = {a, b, c};
        for (int band = 0; band < 3; ++band) {
            const std::uint32_t x = planesOf[band];
            const std::uint32_t alone =
                (LoneCell[x & 0x1ff] | LoneCell[(x >> 9) & 0x1ff] << 9 | LoneCell[x >> 18] << 18) & open[band];
            if (alone) TakeCells(d, band, alone);
        }
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
                const int d = std::countr_zero(pending);
                pending &= pending - 1;
                if (!Update(d)) return false;
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
