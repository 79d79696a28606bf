#include "files/ReplacingFile.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace sorvat {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempDirectory;
using test::WriteBytes;

int EntriesIn(const fs::path& dir) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir))
        ++count;
    return count;
}

TEST(ReplacingFile, ReplacesContentsAndKeepsPermissions) {
    TempDirectory dir;
    const fs::path file = dir / "q.md1";
    WriteBytes(file, "old contents");
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);

    ASSERT_TRUE(ReplaceFileContents(file, "new"));
    EXPECT_EQ(ReadBytes(file), "new");
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(EntriesIn(dir.Path()), 1);  // nothing left beside it
}

TEST(ReplacingFile, FollowsASymbolicLink) {
    TempDirectory dir;
    WriteBytes(dir / "real.md1", "old");
    fs::create_symlink("real.md1", dir / "link.md1");

    ASSERT_TRUE(ReplaceFileContents(dir / "link.md1", "new"));
    EXPECT_TRUE(fs::is_symlink(dir / "link.md1"));
    EXPECT_EQ(ReadBytes(dir / "real.md1"), "new");
}

TEST(ReplacingFile, DiscardedWriteOrBadTargetLeavesEverythingAsItWas) {
    TempDirectory dir;
    const fs::path file = dir / "q.md1";
    WriteBytes(file, "old");
    {
        ReplacingFile replacing;
        ASSERT_TRUE(replacing.Open(file));
        std::fputs("half a fi", replacing.File());
        // Dropped without Commit, as after a failure in the middle.
    }
    EXPECT_EQ(ReadBytes(file), "old");

    fs::create_directory(dir / "sub");
    EXPECT_FALSE(ReplaceFileContents(dir / "sub", "x"));            // a directory
    EXPECT_FALSE(ReplaceFileContents(dir / "missing/q.md1", "x"));  // no such directory
    EXPECT_TRUE(fs::is_directory(dir / "sub"));
    EXPECT_EQ(EntriesIn(dir.Path()), 2);  // the file and the directory only
}

TEST(ReplacingFile, DoesNotReplaceAReadOnlyFile) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    TempDirectory dir;
    const fs::path file = dir / "q.md1";
    WriteBytes(file, "old");
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    EXPECT_FALSE(ReplaceFileContents(file, "new"));
    EXPECT_EQ(ReadBytes(file), "old");
}

} // namespace
} // namespace sorvat
