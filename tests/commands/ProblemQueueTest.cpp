#include "commands/ProblemQueue.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace sorvat;
namespace fs = std::filesystem;

namespace {

std::vector<DirectoryEntry> Listing(std::initializer_list<DirectoryEntry> entries) {
    std::vector<DirectoryEntry> list{{".", true}, {"..", true}};
    list.insert(list.end(), entries);
    return list;
}

class ProblemQueueFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("sorvat-queue-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    void Touch(const std::string& name, const std::string& text = "x") {
        std::ofstream(dir / name) << text;
    }
    static std::string Read(const fs::path& p) {
        std::ifstream in(p);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    fs::path dir;
};

} // namespace

TEST(ProblemQueue, SkipRules) {
    EXPECT_TRUE(IsPassedOverName(".hidden"));
    EXPECT_TRUE(IsPassedOverName("x.q001.md2"));
    EXPECT_FALSE(IsPassedOverName("X.q001.md2"));
    EXPECT_FALSE(IsPassedOverName("xq001.md2"));
    EXPECT_FALSE(IsPassedOverName("notes.txt"));

    const auto list = Listing({{".hidden", false},
                               {"X.upper", false},
                               {"a-dir", true},
                               {"b.md2", false},
                               {"x.a.md2", false}});
    ASSERT_EQ(FirstUnfinishedEntry(list), 3u);  // "X.upper" qualifies
    EXPECT_EQ(list[*FirstUnfinishedEntry(list, "X.upper")].name, "b.md2");
    EXPECT_FALSE(FirstUnfinishedEntry(Listing({{"x.a", false}, {"sub", true}})).has_value());
}

TEST(ProblemQueue, FirstListedEntryIsNeverExamined) {
    // Whatever comes first stands for the directory itself.
    const std::vector<DirectoryEntry> list{{"a.md1", false}, {"b.md1", false}};
    EXPECT_EQ(FirstUnfinishedEntry(list), 1u);
    EXPECT_FALSE(FirstUnfinishedEntry({}).has_value());
}

TEST_F(ProblemQueueFiles, MarkFinishedRenamesWithThePrefix) {
    Touch("q1.md2", "puzzle");
    EXPECT_EQ(MarkFinished(dir.string(), "q1.md2"), MarkResult::Renamed);
    EXPECT_FALSE(fs::exists(dir / "q1.md2"));
    EXPECT_EQ(Read(dir / "x.q1.md2"), "puzzle");
    EXPECT_EQ(MarkFinished(dir.string(), "q1.md2"), MarkResult::Missing);
}

TEST_F(ProblemQueueFiles, MarkFinishedNeverReplacesAnExistingMarkedFile) {
    Touch("q1.md2", "new");
    Touch("x.q1.md2", "old");
    EXPECT_EQ(MarkFinished(dir.string(), "q1.md2"), MarkResult::TargetExists);
    EXPECT_EQ(Read(dir / "q1.md2"), "new");
    EXPECT_EQ(Read(dir / "x.q1.md2"), "old");
}
