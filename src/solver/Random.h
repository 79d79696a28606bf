#pragma once
#include <cstdint>

namespace sorvat::solver {

// A small fixed pseudo-random generator (xoshiro256** seeded through
// splitmix64), so that a seed gives the same sequence with every compiler
// and library: the standard distributions do not promise that.
class Random {
public:
    explicit Random(std::uint64_t seed) {
        for (auto& word : state) {
            seed += 0x9e3779b97f4a7c15ULL;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
            z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
            word = z ^ (z >> 31);
        }
    }

    std::uint64_t Next() {
        const std::uint64_t result = Rotate(state[1] * 5, 7) * 9;
        const std::uint64_t t = state[1] << 17;
        state[2] ^= state[0];
        state[3] ^= state[1];
        state[1] ^= state[2];
        state[0] ^= state[3];
        state[2] ^= t;
        state[3] = Rotate(state[3], 45);
        return result;
    }

    // Uniform in 0..n-1 (n > 0): multiply-and-shift, with the few values
    // that would favour some results drawn again.
    std::uint32_t Below(std::uint32_t n) {
        for (;;) {
            const std::uint64_t product = (Next() >> 32) * n;
            const auto low = static_cast<std::uint32_t>(product);
            if (low >= (0u - n) % n) return static_cast<std::uint32_t>(product >> 32);
        }
    }

    // Shuffles the first n elements (Fisher-Yates).
    template <typename T>
    void Shuffle(T* items, int n) {
        for (int i = n - 1; i > 0; --i) {
            const int j = static_cast<int>(Below(static_cast<std::uint32_t>(i + 1)));
            T t = items[i];
            items[i] = items[j];
            items[j] = t;
        }
    }

private:
    static std::uint64_t Rotate(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t state[4];
};

} // namespace sorvat::solver
