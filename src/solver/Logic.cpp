// A propagation of human techniques on a candidate mask per cell.
#include "solver/Logic.h"

#include <array>
#include <bit>
#include <cstdint>

namespace sorvat::solver {

namespace {

// Groups 0..8 rows, 9..17 columns, 18..26 boxes; cells in reading order.
constexpr std::array<std::array<std::uint8_t, 9>, 27> Groups = [] {
    std::array<std::array<std::uint8_t, 9>, 27> g{};
    for (int i = 0; i < 9; ++i)
        for (int j = 0; j < 9; ++j) {
            g[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(i * 9 + j);
            g[static_cast<std::size_t>(9 + i)][static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(j * 9 + i);
            g[static_cast<std::size_t>(18 + i)][static_cast<std::size_t>(j)] =
                static_cast<std::uint8_t>((i / 3 * 3 + j / 3) * 9 + i % 3 * 3 + j % 3);
        }
    return g;
}();

constexpr std::array<std::array<std::uint8_t, 20>, 81> Peers = [] {
    std::array<std::array<std::uint8_t, 20>, 81> p{};
    for (int c = 0; c < 81; ++c) {
        int n = 0;
        for (int o = 0; o < 81; ++o) {
            const bool peer = o != c && (o / 9 == c / 9 || o % 9 == c % 9 || (o / 27 == c / 27 && o % 9 / 3 == c % 9 / 3));
            if (peer) p[static_cast<std::size_t>(c)][static_cast<std::size_t>(n++)] = static_cast<std::uint8_t>(o);
        }
    }
    return p;
}();

class Propagation {
public:
    explicit Propagation(unsigned techniques_) : techniques(techniques_) { candidates.fill(0x1ff); }

    bool Load(const Grid& puzzle) {
        for (int c = 0; c < 81; ++c) {
            const int digit = puzzle[static_cast<std::size_t>(c)];
            if (digit < 1 || digit > 9) continue;
            if (!(candidates[static_cast<std::size_t>(c)] & (1u << (digit - 1)))) return false;
            Place(c, digit - 1);
        }
        return true;
    }

    // Singles first; the other techniques only when the singles stall.
    bool Run() {
        for (;;) {
            if (open == 0) return true;
            bool progress = false;
            if ((techniques & NakedSingles) && !NakedSinglePass(progress)) return false;
            if (techniques & HiddenSingles) HiddenSinglePass(progress);
            if (progress) continue;
            if (techniques & Pointing) progress |= PointingPass();
            if (techniques & Claiming) progress |= ClaimingPass();
            if (!progress && (techniques & HiddenPairs)) progress |= SubsetPass(false);
            if (!progress && (techniques & PairedTriples)) progress |= SubsetPass(true);
            if (!progress) return false;
        }
    }

private:
    std::uint16_t& At(int c) { return candidates[static_cast<std::size_t>(c)]; }

    void Place(int c, int d) {
        At(c) = 0;
        --open;
        const auto bit = static_cast<std::uint16_t>(1u << d);
        for (const std::uint8_t p : Peers[static_cast<std::size_t>(c)]) At(p) &= static_cast<std::uint16_t>(~bit);
        placed[static_cast<std::size_t>(c)] = true;
    }

    bool Open(int c) const { return !placed[static_cast<std::size_t>(c)]; }

    bool NakedSinglePass(bool& progress) {
        for (int c = 0; c < 81; ++c) {
            if (!Open(c)) continue;
            const unsigned m = At(c);
            if (m == 0) return false;
            if ((m & (m - 1)) == 0) {
                Place(c, std::countr_zero(m));
                progress = true;
            }
        }
        return true;
    }

    void HiddenSinglePass(bool& progress) {
        for (const auto& group : Groups) {
            unsigned once = 0, twice = 0;
            for (const std::uint8_t c : group) {
                const unsigned m = At(c);
                twice |= once & m;
                once |= m;
            }
            // A digit placed earlier in this loop has left its peers.
            for (unsigned lone = once & ~twice; lone; lone &= lone - 1) {
                const unsigned bit = 1u << std::countr_zero(lone);
                for (const std::uint8_t c : group)
                    if (At(c) & bit) {
                        Place(c, std::countr_zero(lone));
                        progress = true;
                        break;
                    }
            }
        }
    }

    bool Eliminate(int c, unsigned digits) {
        if (!(At(c) & digits)) return false;
        At(c) &= static_cast<std::uint16_t>(~digits);
        return true;
    }

    // Per box: the digits of each of its rows and columns; a digit in only one
    // of them leaves that line outside the box.
    bool PointingPass() {
        bool changed = false;
        for (int box = 0; box < 9; ++box) {
            const int top = box / 3 * 3, left = box % 3 * 3;
            unsigned rows[3] = {}, cols[3] = {};
            for (int r = 0; r < 3; ++r)
                for (int k = 0; k < 3; ++k) {
                    const unsigned m = At((top + r) * 9 + left + k);
                    rows[r] |= m;
                    cols[k] |= m;
                }
            for (int i = 0; i < 3; ++i) {
                const unsigned onlyRow = rows[i] & ~rows[(i + 1) % 3] & ~rows[(i + 2) % 3];
                const unsigned onlyCol = cols[i] & ~cols[(i + 1) % 3] & ~cols[(i + 2) % 3];
                for (int j = 0; j < 9; ++j) {
                    if (j / 3 == box % 3 || !onlyRow) continue;
                    changed |= Eliminate((top + i) * 9 + j, onlyRow);
                }
                for (int j = 0; j < 9; ++j) {
                    if (j / 3 == box / 3 || !onlyCol) continue;
                    changed |= Eliminate(j * 9 + left + i, onlyCol);
                }
            }
        }
        return changed;
    }

    // Per line: the digits of its three box segments; a digit in only one
    // segment leaves the rest of that box.
    bool ClaimingPass() {
        bool changed = false;
        for (int line = 0; line < 18; ++line) {
            const bool row = line < 9;
            const int n = line % 9;
            unsigned segments[3] = {};
            for (int j = 0; j < 9; ++j) segments[j / 3] |= At(row ? n * 9 + j : j * 9 + n);
            for (int k = 0; k < 3; ++k) {
                const unsigned only = segments[k] & ~segments[(k + 1) % 3] & ~segments[(k + 2) % 3];
                if (!only) continue;
                // Box k of the line's band (rows) or stack (columns).
                for (int a = 0; a < 3; ++a)
                    for (int b = 0; b < 3; ++b) {
                        const int across = n / 3 * 3 + a;  // the line's band or stack
                        if (across == n) continue;
                        const int along = k * 3 + b;
                        changed |= Eliminate(row ? across * 9 + along : along * 9 + across, only);
                    }
            }
        }
        return changed;
    }

    // Hidden pairs, or paired triples: digits with exactly two places in a
    // group whose places make up as many cells as there are digits.
    bool SubsetPass(bool triples) {
        bool changed = false;
        for (const auto& group : Groups) {
            unsigned once = 0, twice = 0, thrice = 0;
            for (const std::uint8_t c : group) {
                const unsigned m = At(c);
                thrice |= twice & m;
                twice |= once & m;
                once |= m;
            }
            const unsigned pairs = twice & ~thrice;
            if (std::popcount(pairs) < (triples ? 3 : 2)) continue;
            unsigned places[9] = {};
            for (int i = 0; i < 9; ++i)
                for (unsigned m = At(group[static_cast<std::size_t>(i)]) & pairs; m; m &= m - 1)
                    places[std::countr_zero(m)] |= 1u << i;
            for (int a = 0; a < 9; ++a) {
                if (!(pairs & (1u << a))) continue;
                for (int b = a + 1; b < 9; ++b) {
                    if (!(pairs & (1u << b))) continue;
                    if (!triples) {
                        if (places[a] == places[b]) changed |= Restrict(group, places[a], 1u << a | 1u << b);
                        continue;
                    }
                    for (int c = b + 1; c < 9; ++c) {
                        if (!(pairs & (1u << c))) continue;
                        const unsigned cells = places[a] | places[b] | places[c];
                        if (std::popcount(cells) == 3) changed |= Restrict(group, cells, 1u << a | 1u << b | 1u << c);
                    }
                }
            }
        }
        return changed;
    }

    bool Restrict(const std::array<std::uint8_t, 9>& group, unsigned cells, unsigned digits) {
        bool changed = false;
        for (int i = 0; i < 9; ++i)
            if (cells & (1u << i)) changed |= Eliminate(group[static_cast<std::size_t>(i)], ~digits & 0x1ff);
        return changed;
    }

    unsigned techniques;
    std::array<std::uint16_t, 81> candidates;
    std::array<bool, 81> placed{};
    int open = 81;
};

} // namespace

bool SolvesWith(const Grid& puzzle, unsigned techniques) {
    Propagation propagation(techniques);
    return propagation.Load(puzzle) && propagation.Run();
}

} // namespace sorvat::solver
