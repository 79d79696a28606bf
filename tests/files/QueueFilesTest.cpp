#include "files/QueueFiles.h"

#include "files/PuzzleLines.h"
#include "support/TempDirectory.h"

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

// A queue is written after the numbers already there, and stops when told to
// (the window's Cancel) with the files written so far kept.
TEST(QueueFiles, QueueFollowsTheDirectoryAndStopsWhenTold) {
    test::TempDirectory dir;
    const std::string puzzle = "1" + std::string(80, '.');
    std::uint64_t number = 6;
    ASSERT_EQ(WriteNextQueueFile(dir.Path(), number, 5, LocksFromPuzzle(puzzle)), "00007.md2");
    std::vector<std::size_t> told;
    const WrittenQueue queue = WritePuzzleQueue(dir.Path(), std::vector<std::string>(5, puzzle), [&](std::size_t n) {
        told.push_back(n);
        return n < 2;
    });
    EXPECT_EQ(queue.first, "00008.md2");
    EXPECT_EQ(queue.written, 2u);
    EXPECT_EQ(told, (std::vector<std::size_t>{1, 2}));
    EXPECT_EQ(LargestNumberIn(dir.Path(), ""), 9u);
}

} // namespace
} // namespace sorvat
