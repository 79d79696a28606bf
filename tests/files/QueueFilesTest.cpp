#include "files/QueueFiles.h"

#include <gtest/gtest.h>

namespace sorvat {
namespace {

// Names of a queue sort in number order: five digits up to 99999, one more
// from 100000 on, and a queue that reaches 100000 names 99999 with six too.
TEST(QueueFiles, NamesHaveTheDigitsOfTheLargestNumber) {
    EXPECT_EQ(DigitsFor(0), 5);
    EXPECT_EQ(DigitsFor(99999), 5);
    EXPECT_EQ(DigitsFor(100000), 6);
    EXPECT_EQ(DigitsFor(999999), 6);
    EXPECT_EQ(DigitsFor(1000000), 7);

    EXPECT_EQ(NumberedName("", 1, DigitsFor(99999)), "00001.md2");
    const int digits = DigitsFor(100000);
    EXPECT_EQ(NumberedName("p", 99999, digits), "p099999.md2");
}

} // namespace
} // namespace sorvat
