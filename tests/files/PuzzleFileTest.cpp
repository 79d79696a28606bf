#include "files/PuzzleFile.h"
#include "text/Cp932.h"

#include <gtest/gtest.h>

#include <vector>

using namespace sorvat;

namespace {

std::vector<Entry> Read(const std::string& bytes, const std::string& name, std::string* memo = nullptr,
                        int* result = nullptr) {
    EntryList list;
    PuzzleFile file;
    const char* memoText = nullptr;
    const int r = file.ReadBytes(bytes, name, list, memo ? &memoText : nullptr);
    if (result) *result = r;
    if (memo) *memo = memoText;
    std::vector<Entry> out;
    for (int i = 0; i < list.Position(); ++i) out.push_back(list.At(i));
    return out;
}

std::vector<Entry> One(int x, int y, int d, int kind) { return {Entry(x, y, d, kind)}; }

} // namespace

TEST(PuzzleFile, Md2NamesEndInDotMd2) {
    for (const char* name : {"a.md2", "a.MD2", "a.mD2", "a.Md2", ".md2"}) EXPECT_TRUE(PuzzleFile::IsMd2Name(name)) << name;
    for (const char* name : {"a.md1", "a.txt", "a", "md2", "a.md2 ", "amd2", "a.md3"})
        EXPECT_FALSE(PuzzleFile::IsMd2Name(name)) << name;
}

TEST(PuzzleFile, Md1LinesAndTheirKinds) {
    EXPECT_EQ(Read("L115\n", "a.md1"), One(0, 0, 4, Lock));
    EXPECT_EQ(Read("l115\r\n", "a.md1"), One(0, 0, 4, Lock));
    EXPECT_EQ(Read("L1 1 5", "a.md1"), One(0, 0, 4, Lock));
    EXPECT_EQ(Read("L115 // given\n", "a.md1"), One(0, 0, 4, Lock));
    EXPECT_EQ(Read("115\n", "a.md1"), One(0, 0, 4, Possible));
    EXPECT_EQ(Read("F473\n", "a"), One(3, 6, 2, Fix));
    EXPECT_EQ(Read("S473\n", "a"), One(3, 6, 2, Possible));
    EXPECT_EQ(Read("L11599\n", "a.md1"), One(0, 0, 4, Lock));
    for (const char* bad : {"L11\n", "X115\n", "L015\n", "L1A5\n", "F1\n", "\tL\t1\n"})
        EXPECT_TRUE(Read(bad, "a.md1").empty()) << bad;
}

TEST(PuzzleFile, EntriesGoThroughTheListRules) {
    EXPECT_TRUE(Read("S473\nS473\n", "a.md1").empty());  // a mark added twice is taken back
    EXPECT_EQ(Read("L115\nF117\n", "a.md1"), One(0, 0, 4, Lock));
}

TEST(PuzzleFile, OnlyPrintableAsciiBytesSurvive) {
    // A comment in code page 932 without '/' loses its Japanese bytes.
    const std::string line = Utf8ToCp932("L1数字1") + "5\n";
    EXPECT_EQ(Read(line, "a.md1"), One(0, 0, 4, Lock));
    // A byte of a two-byte character can be a digit in ASCII: it is dropped
    // with the whole character only when it is 0x80 or above.
    EXPECT_EQ(Read(std::string("F\x82\x31") + "11\n", "a.md1"), One(0, 0, 0, Fix));
}

TEST(PuzzleFile, EmptyFileLeavesTheListAlone) {
    EntryList list;
    list.Add(Entry(1, 1, 1, Fix));
    PuzzleFile file;
    EXPECT_EQ(file.ReadBytes("", "a.md1", list), 2);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(file.ReadBytes("// only a comment\n", "a.md1", list), 0);
    EXPECT_EQ(list.Count(), 0);
}

TEST(PuzzleFile, Md2RowsAndCells) {
    std::string rows = "12\n";
    for (int i = 0; i < 7; ++i) rows += "--- --- ---\n";
    rows += "0-0.x-a-9\n";
    const auto got = Read(rows, "p.md2");
    EXPECT_EQ(got, (std::vector<Entry>{Entry(0, 0, 0, Lock), Entry(1, 0, 1, Lock), Entry(8, 8, 8, Lock)}));

    EXPECT_EQ(Read("// c\n\n 5 3 - - 7\n", "p.md2"),
              (std::vector<Entry>{Entry(0, 0, 4, Lock), Entry(1, 0, 2, Lock), Entry(4, 0, 6, Lock)}));
    EXPECT_EQ(Read("---------1\n", "p.md2").size(), 0u);  // the tenth cell is cut

    std::string twelve;
    for (int i = 0; i < 12; ++i) twelve += "1--------\n";
    EXPECT_EQ(Read(twelve, "p.md2").size(), 9u);
}

TEST(PuzzleFile, MemoBlocksAreSplitOff) {
    std::string memo;
    const auto got = Read("L115\nMemo:\nhello\r\nworld\nM\nL225\nm again\ntext\n", "a.md1", &memo);
    EXPECT_EQ(got, (std::vector<Entry>{Entry(0, 0, 4, Lock), Entry(1, 1, 4, Lock)}));
    EXPECT_EQ(memo, "hello\r\nworld\ntext\n");

    // A puzzle line starting with 'm' is a delimiter, never data.
    EXPECT_TRUE(Read("m115\nL115\n", "a.md1").empty());

    // Without a memo reference the memo is not kept, but the buffer is cleared.
    Read("M\nsecret\n", "a.md1");
    EXPECT_EQ(MemoBuffer()[0], '\0');
}

// A header of comment lines, then the entries in effect, CRLF-ended.
TEST(PuzzleFile, WrittenFilesHaveTheExactBytes) {
    EntryList list;
    list.Add(Entry(0, 0, 4, Lock));
    list.Add(Entry(3, 6, 2, Possible));
    list.Add(Entry(8, 8, 8, Fix));
    list.Add(Entry(4, 4, 0, Fix));
    list.Undo();  // the redo tail is not written

    const std::string md1 = PuzzleFile::Format("a.md1", list);
    EXPECT_EQ(md1.substr(md1.find("\r\nL") + 2), "L115\r\nS473\r\nF999\r\n");
    EXPECT_EQ(Read(md1, "a.md1"), (std::vector<Entry>{Entry(0, 0, 4, Lock), Entry(3, 6, 2, Possible), Entry(8, 8, 8, Fix)}));
    std::string rows = "5-- --- ---\r\n";
    for (int i = 0; i < 8; ++i) rows += "--- --- ---\r\n";
    const std::string md2 = PuzzleFile::Format("a.md2", list);
    EXPECT_EQ(md2.substr(md2.find("\r\n5") + 2), rows);
    EXPECT_EQ(Read(md2, "a.md2"), One(0, 0, 4, Lock));
}
