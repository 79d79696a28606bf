#include "files/QueueFiles.h"

#include <gtest/gtest.h>

namespace sorvat {
namespace {

// Names sort in number order: five digits up to 99999, six from 100000 on
// (then 99999 gets six too).
TEST(QueueFiles, NamesHaveTheDigitsOfTheLargestNumber) {
    EXPECT_EQ(DigitsFor(0), 5);
    EXPECT_EQ(DigitsFor(99999), 5);
    EXPECT_EQ(DigitsFor(100000), 6);
    EXPECT_EQ(DigitsFor(1000000), 7);
    EXPECT_EQ(NumberedName("p", 99999, DigitsFor(100000)), "p099999.md2");
}

} // namespace
} // namespace sorvat
