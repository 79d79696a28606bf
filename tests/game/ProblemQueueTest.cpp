#include "game/ProblemQueue.h"
#include "support/ChildProcess.h"
#include "support/Permissions.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>

namespace sorvat::test {
namespace {

namespace fs = std::filesystem;

TEST(ProblemQueue, ListingGivesTheDotEntriesFirstThenNamesInByteOrder) {
    TempDirectory dir;
    for (const char* name : {"b.md2", "B.md2", "x.a.md2", "-first", "\xE5\x95\x8F.md2", ".hidden"}) dir.Write(name, "");
    fs::create_directory(dir / "sub");
    const auto entries = ListDirectory(dir.Path());
    ASSERT_TRUE(entries.has_value());
    std::vector<std::string> names;
    for (const DirectoryEntry& entry : *entries) names.push_back(entry.name);
    EXPECT_EQ(names, (std::vector<std::string>{".", "..", "-first", ".hidden", "B.md2", "b.md2", "sub", "x.a.md2",
                                               "\xE5\x95\x8F.md2"}));
    EXPECT_FALSE(ListDirectory(dir / "gone"));
}

// Each file holds its own name, so a file replaced by another shows.
struct QueueCase {
    const char* what;
    std::vector<std::string> files;  // a trailing '/' makes a directory, '@' a link to the directory itself
    std::string current;
    QueueStep::Status status;
    bool fileMissing;
    bool renameRefused;
    std::string next;
    std::vector<std::pair<std::string, std::string>> afterwards;  // files there afterwards, and their bytes
};

TEST(ProblemQueue, TheSolvedFileIsMarkedWithoutReplacingAnyFileAndTheNextIsTheFirstUnfinished) {
    const QueueCase cases[] = {
        // Passed over: directories and links to them, hidden and finished
        // files; a capital "X." is not the mark.
        {"passed over", {"A-sub/", "B-link@", ".hidden", "x.done.md2", "X.upper.md1", "q1.md2"}, "q1.md2",
         QueueStep::NextFound, false, false, "X.upper.md1", {{"x.q1.md2", "q1.md2"}}},
        {"the last one", {"x.q0.md2", "q1.md2"}, "q1.md2", QueueStep::AllFinished, false, false, "",
         {{"x.q0.md2", "x.q0.md2"}, {"x.q1.md2", "q1.md2"}}},
        // The marked name is taken: both files stay, and the solved one is
        // not offered again.
        {"marked name taken", {"x.q1.md2", "q1.md2"}, "q1.md2", QueueStep::AllFinished, false, true, "",
         {{"x.q1.md2", "x.q1.md2"}, {"q1.md2", "q1.md2"}}},
        {"marked name taken, another left", {"x.q1.md2", "q1.md2", "q2.md2"}, "q1.md2", QueueStep::NextFound, false,
         true, "q2.md2", {{"x.q1.md2", "x.q1.md2"}, {"q1.md2", "q1.md2"}}},
        {"a backslash is a character of the name", {"a\\q1.md2", "q2.md2"}, "a\\q1.md2", QueueStep::NextFound, false,
         false, "q2.md2", {{"x.a\\q1.md2", "a\\q1.md2"}}},
        {"the current file is gone", {"q2.md2"}, "q1.md2", QueueStep::NextFound, true, false, "q2.md2",
         {{"q2.md2", "q2.md2"}}},
    };
    for (const QueueCase& c : cases) {
        SCOPED_TRACE(c.what);
        TempDirectory dir;
        for (const std::string& name : c.files) {
            if (name.back() == '/') fs::create_directory(dir / name);
            else if (name.back() == '@') fs::create_directory_symlink(dir.Path(), dir / name.substr(0, name.size() - 1));
            else dir.Write(name, name);
        }
        const QueueStep step = AdvanceQueue((dir / c.current).string());
        EXPECT_EQ(step.status, c.status);
        EXPECT_EQ(step.fileMissing, c.fileMissing);
        EXPECT_EQ(step.renameRefused, c.renameRefused);
        EXPECT_EQ(step.directory, dir.Path().string());
        EXPECT_EQ(step.next, c.next.empty() ? "" : (dir / c.next).string());
        for (const auto& [name, bytes] : c.afterwards) EXPECT_EQ(ReadBytes(dir / name), bytes) << name;
        EXPECT_EQ(fs::exists(dir / c.current), c.renameRefused);
    }
}

// The rename is refused: the solved file keeps its name and its bytes, and
// the queue moves on to the next file.
TEST(ProblemQueue, AReadOnlyDirectoryKeepsEveryFile) {
    TempDirectory dir;
    dir.Write("q/q1.md2", "q1");
    dir.Write("q/q2.md1", "q2");
    fs::permissions(dir / "q", fs::perms::owner_read | fs::perms::owner_exec);
    const int status = InChild([&] {
        DropPermissionOverride();
        const QueueStep step = AdvanceQueue((dir / "q" / "q1.md2").string());
        return step.renameRefused && step.next == (dir / "q" / "q2.md1").string() ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes(dir / "q" / "q1.md2"), "q1");
    EXPECT_FALSE(fs::exists(dir / "q" / "x.q1.md2"));
}

} // namespace
} // namespace sorvat::test
