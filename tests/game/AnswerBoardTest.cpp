#include "game/AnswerBoard.h"

#include <gtest/gtest.h>

#include <utility>

namespace sorvat {
namespace {

constexpr const char* Solution = "926471538875263941134985276589346712647152389312798465263517894458639127791824653";

TEST(AnswerBoard, ConflictsAreFoundInRowsColumnsAndBoxes) {
    std::string blank(81, '.');
    EXPECT_FALSE(HasConflict(blank));
    EXPECT_FALSE(HasConflict(Solution));
    for (const auto& [a, b] : {std::pair{0, 8}, std::pair{0, 72}, std::pair{0, 20}}) {
        std::string twice = blank;
        twice[static_cast<std::size_t>(a)] = twice[static_cast<std::size_t>(b)] = '4';
        EXPECT_TRUE(HasConflict(twice)) << a << " " << b;
    }
    std::string apart = blank;
    apart[0] = apart[30] = '4';  // different row, column and box
    EXPECT_FALSE(HasConflict(apart));
}

} // namespace
} // namespace sorvat
