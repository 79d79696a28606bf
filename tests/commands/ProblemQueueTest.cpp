#include "game/ProblemQueue.h"
#include "guisupport/TempDirFixture.h"

using namespace sorvat;
using namespace sorvat::test;

namespace {

std::vector<DirectoryEntry> Listing(std::initializer_list<DirectoryEntry> entries) {
    std::vector<DirectoryEntry> list{{".", true}, {"..", true}};
    list.insert(list.end(), entries);
    return list;
}

using ProblemQueueFiles = TempDirFixture;

} // namespace

TEST(ProblemQueue, SkipRules) {
    EXPECT_TRUE(IsPassedOverName(".hidden"));
    EXPECT_TRUE(IsPassedOverName("x.q001.md2"));
    EXPECT_FALSE(IsPassedOverName("X.q001.md2"));
    EXPECT_FALSE(IsPassedOverName("xq001.md2"));
    EXPECT_FALSE(IsPassedOverName("notes.txt"));

    const auto list = Listing(
        {{".hidden", false}, {"X.upper", false}, {"a-dir", true}, {"b.md2", false}, {"x.a.md2", false}});
    ASSERT_EQ(FirstUnfinishedEntry(list), 3u);  // "X.upper" qualifies
    EXPECT_EQ(list[*FirstUnfinishedEntry(list, "X.upper")].name, "b.md2");
    EXPECT_FALSE(FirstUnfinishedEntry(Listing({{"x.a", false}, {"sub", true}})).has_value());

    // Whatever is listed first stands for the directory itself.
    EXPECT_EQ(FirstUnfinishedEntry({{"a.md1", false}, {"b.md1", false}}), 1u);
    EXPECT_FALSE(FirstUnfinishedEntry({}).has_value());
}

TEST_F(ProblemQueueFiles, MarkFinishedRenamesWithThePrefixButNeverOverAMarkedFile) {
    WriteBytes(dir / "q1.md2", "puzzle");
    EXPECT_EQ(MarkFinished(dir.string(), "q1.md2"), MarkResult::Renamed);
    EXPECT_FALSE(std::filesystem::exists(dir / "q1.md2"));
    EXPECT_EQ(ReadBytes(dir / "x.q1.md2"), "puzzle");
    EXPECT_EQ(MarkFinished(dir.string(), "q1.md2"), MarkResult::Missing);

    WriteBytes(dir / "q1.md2", "new");
    EXPECT_EQ(MarkFinished(dir.string(), "q1.md2"), MarkResult::TargetExists);
    EXPECT_EQ(ReadBytes(dir / "q1.md2"), "new");
    EXPECT_EQ(ReadBytes(dir / "x.q1.md2"), "puzzle");
}
