#include "files/ReplacingFile.h"
#include "support/ChildProcess.h"
#include "support/Permissions.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>

#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace sorvat {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempDirectory;
using test::WriteBytes;

auto EntriesIn(const fs::path& dir) { return std::distance(fs::directory_iterator(dir), fs::directory_iterator()); }

// A name of NAME_MAX (255) bytes: the new file beside it must still have a name that fits.
std::string LongestName(char c) { return std::string(251, c) + ".md2"; }

// Through a link: the link stays and the file it names gets the new bytes,
// keeping its permissions. The file has the longest name there may be.
TEST(ReplacingFile, ReplacesContentsAndKeepsPermissionsAndLinks) {
    TempDirectory dir;
    const fs::path file = dir / LongestName('q');
    WriteBytes(file, "old contents");
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    fs::create_symlink(file.filename(), dir / "link.md1");

    ASSERT_TRUE(ReplaceFileContents(file, "direct")) << std::strerror(errno);
    ASSERT_TRUE(ReplaceFileContents(dir / "link.md1", "new")) << std::strerror(errno);
    EXPECT_EQ(ReadBytes(file), "new");
    EXPECT_TRUE(fs::is_symlink(dir / "link.md1"));
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(EntriesIn(dir.Path()), 2);  // nothing left beside them
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
    TempDirectory dir;
    const fs::path file = dir / "q.md1";
    WriteBytes(file, "old");
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    const int status = test::InChild([&] {
        test::DropPermissionOverride();
        return ReplaceFileContents(file, "new") ? 1 : 0;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes(file), "old");
}

// A disk that fills up in the middle of a write: the old file stays whole
// and nothing is left beside it.
TEST(ReplacingFile, FullDiskKeepsTheOldFile) {
    TempDirectory dir;
    const fs::path file = dir / "game.md1";
    WriteBytes(file, "L115\r\nF226\r\n");
    const auto replace = [&] { return !ReplaceFileContents(file, std::string(100000, 'S')) && errno == EFBIG ? 0 : 1; };
    EXPECT_EQ(test::InChild(replace, 4096), 0) << "the write did not fail with EFBIG";
    EXPECT_EQ(ReadBytes(file), "L115\r\nF226\r\n");
    EXPECT_EQ(EntriesIn(dir.Path()), 1);
}

// What a killed program left goes; a save in progress and other files stay.
TEST(ReplacingFile, AbandonedNewFilesAreRemovedButNotOneInUse) {
    TempDirectory dir;
    WriteBytes(dir / ".sorvat-Ab12Cd", "L1");
    WriteBytes(dir / ".sorvat", "kept");
    ReplacingFile inUse;
    ASSERT_TRUE(inUse.Open(dir / "q.md1"));
    RemoveAbandonedTemporaries(dir.Path());
    EXPECT_FALSE(fs::exists(dir / ".sorvat-Ab12Cd"));
    EXPECT_EQ(EntriesIn(dir.Path()), 2);
    EXPECT_TRUE(inUse.Commit());
    EXPECT_TRUE(fs::exists(dir / "q.md1"));
}

// Also a file that appears between Open and Commit (another writer of the
// same queue): the commit fails instead of replacing it.
TEST(ReplacingFile, CreateOnlyNeverReplacesAFile) {
    TempDirectory dir;
    WriteBytes(dir / "q.md2", "edited");
    fs::create_symlink("nowhere.md2", dir / "link.md2");
    EXPECT_FALSE(ReplaceFileContents(dir / "q.md2", "new", ReplacingFile::Mode::CreateOnly));
    EXPECT_EQ(errno, EEXIST);
    EXPECT_FALSE(ReplaceFileContents(dir / "link.md2", "new", ReplacingFile::Mode::CreateOnly));
    EXPECT_FALSE(fs::exists(dir / "nowhere.md2"));

    ReplacingFile late;
    ASSERT_TRUE(late.Open(dir / "late.md2", ReplacingFile::Mode::CreateOnly));
    std::fputs("new", late.File());
    WriteBytes(dir / "late.md2", "written meanwhile");
    errno = 0;
    EXPECT_FALSE(late.Commit());
    EXPECT_EQ(errno, EEXIST);
    EXPECT_EQ(ReadBytes(dir / "late.md2"), "written meanwhile");

    EXPECT_TRUE(ReplaceFileContents(dir / LongestName('f'), "new", ReplacingFile::Mode::CreateOnly))
        << std::strerror(errno);
    EXPECT_EQ(ReadBytes(dir / "q.md2"), "edited");
    EXPECT_EQ(ReadBytes(dir / LongestName('f')), "new");
    EXPECT_EQ(EntriesIn(dir.Path()), 4);  // no new file left beside them
}

} // namespace
} // namespace sorvat
