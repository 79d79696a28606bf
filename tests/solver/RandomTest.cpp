#include "solver/Random.h"

#include <gtest/gtest.h>

#include <array>

namespace sorvat::solver {
namespace {

// Every value lands in every place equally often over 90,000 seeds: the
// chi-square statistic (64 degrees of freedom) of an unbiased shuffle exceeds
// 160 with a chance below 1e-9; a biased one lands far above.
TEST(Random, ShuffleIsUnbiased) {
    constexpr int Seeds = 90000;
    std::array<std::array<int, 9>, 9> counts{};
    for (int seed = 1; seed <= Seeds; ++seed) {
        std::array<std::size_t, 9> items{0, 1, 2, 3, 4, 5, 6, 7, 8};
        Random(static_cast<std::uint64_t>(seed)).Shuffle(items.data(), 9);
        for (std::size_t place = 0; place < 9; ++place) ++counts[place][items[place]];
    }
    constexpr double Expected = Seeds / 9.0;
    double chiSquare = 0;
    for (const auto& row : counts)
        for (const int count : row) chiSquare += (count - Expected) * (count - Expected) / Expected;
    EXPECT_LT(chiSquare, 160.0);
}

} // namespace
} // namespace sorvat::solver
