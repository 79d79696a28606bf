// Puzzle files far from what they should be: NUL-filled, 200 MB with an
// endless line and an endless memo. (Random bytes are the fuzz targets' part.)
#include "files/PuzzleFile.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <sys/resource.h>

namespace sorvat {
namespace {

using test::TempDirectory;
using test::WriteBytes;

// Reads the puzzle file at `path` through an open file, as a load does;
// gives the reader's result, or -1 when the file does not open.
int ReadPuzzleFile(const std::filesystem::path& path, EntryList& list, const char** memo = nullptr) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return -1;
    const int result = PuzzleFile().Read(file, path.filename().string(), list, memo);
    std::fclose(file);
    return result;
}

long PeakRssKb() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

TEST(BadPuzzleFile, NulFilledFileEmptiesTheListAndShowsNoMemo) {
    TempDirectory dir;
    const auto path = dir / "zeros.md1";
    WriteBytes(path, std::string(1 << 20, '\0'));
    EntryList list;
    list.Add(Entry(0, 0, 0, Lock));
    const char* memo = nullptr;
    EXPECT_EQ(ReadPuzzleFile(path, list, &memo), 0);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_STREQ(memo, "");
}

// 200 MB: a given, a memo of 100 MB, a line of 100 MB without a line end,
// then a last given. Read in constant memory; the memo keeps its first bytes
// and its last byte; the endless line counts by its first characters.
TEST(BadPuzzleFile, TwoHundredMegabytesWithEndlessLineAndMemoReadInConstantMemory) {
    TempDirectory dir;
    const auto path = dir / "huge.md1";
    {
        std::FILE* out = std::fopen(path.c_str(), "wb");
        ASSERT_NE(out, nullptr);
        std::fputs("L115\r\nMemo\r\n", out);
        std::string block(1 << 20, 'a');
        for (int i = 0; i < 100; ++i) ASSERT_EQ(std::fwrite(block.data(), 1, block.size(), out), block.size());
        std::fputs("z\r\nm\r\n", out);
        block.assign(1 << 20, ' ');
        std::memcpy(block.data(), "F226", 4);
        for (int i = 0; i < 100; ++i) ASSERT_EQ(std::fwrite(block.data(), 1, block.size(), out), block.size());
        std::fputs("\nL999", out);
        ASSERT_EQ(std::fclose(out), 0);
    }
    ASSERT_GE(std::filesystem::file_size(path), 200u << 20);

    const long before = PeakRssKb();
    EntryList list;
    const char* memo = nullptr;
    EXPECT_EQ(ReadPuzzleFile(path, list, &memo), 0);
    const long grownKb = PeakRssKb() - before;

    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.At(0), Entry(0, 0, 4, Lock));
    EXPECT_EQ(list.At(1), Entry(1, 1, 5, Fix));
    EXPECT_EQ(list.At(2), Entry(8, 8, 8, Lock));
    ASSERT_EQ(std::strlen(memo), MemoCapacity);
    EXPECT_EQ(memo[0], 'a');
    EXPECT_EQ(memo[MemoCapacity - 1], '\n');  // the last byte of the memo
    // Memory is measured, not asserted: the growth is recorded for the report.
    RecordProperty("peak_growth_kb", static_cast<int>(grownKb));
}

} // namespace
} // namespace sorvat
