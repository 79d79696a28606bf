// The next-problem queue in directories that are not tidy: links to
// directories, links in a loop or to nothing, unreadable entries, a FIFO,
// thousands of files and a directory that may not be changed. The queue never
// hangs, never loads a directory, and no puzzle file is lost or overwritten.
#include "guisupport/WindowFixture.h"

#include "support/Permissions.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace sorvat;
using namespace sorvat::test;
namespace fs = std::filesystem;

namespace {

class NextProblemBadDirectory : public CommandFixture {
protected:
    void SetUp() override {
        CommandFixture::SetUp();
        puzzles = dir / "puzzles";
        fs::create_directories(puzzles);
    }

    // The solved puzzle "q1.md2" is the current one; Yes to every box.
    void PlayFirst() { PlaySolved(WritePuzzle("q1.md2", Givens(), {}, puzzles)); }

    fs::path puzzles;
    const EntryList other = Givens(EasySolution);  // tells the next puzzle from the solved one
};

} // namespace

TEST_F(NextProblemBadDirectory, LinksToDirectoriesArePassedOver) {
    fs::create_directories(dir / "elsewhere" / "inner");
    WritePuzzle("inside.md2", other, {}, dir / "elsewhere");
    fs::create_directory_symlink(dir / "elsewhere", puzzles / "a-link-to-a-directory");
    fs::create_directory_symlink(puzzles, puzzles / "b-link-to-itself-as-directory");
    PlayFirst();
    WritePuzzle("q2.md1", other, {}, puzzles);
    view->CheckAnswer();
    EXPECT_EQ(CurrentPath(), (puzzles / "q2.md1").string());
    EXPECT_EQ(view->m_moves.Count(), 81);
    EXPECT_TRUE(fs::exists(puzzles / "x.q1.md2"));
}

// An entry that can never be opened (a link in a loop, a link to nothing, an
// unreadable file) is taken as the next problem like any other file; its
// load changes nothing and says nothing, and no file is lost.
TEST_F(NextProblemBadDirectory, EntriesThatCannotBeOpenedChangeNothing) {
    PlayFirst();
    const int count = view->m_moves.Count();
    fs::create_symlink(puzzles / "a-loop", puzzles / "a-loop");
    view->CheckAnswer();
    EXPECT_TRUE(fs::exists(puzzles / "x.q1.md2"));
    EXPECT_EQ(view->m_moves.Count(), count);
    EXPECT_EQ(view->m_board.enteredCount, 81);
    EXPECT_EQ(Boxes().size(), 1u);  // the verdict only

    fs::remove(puzzles / "a-loop");
    fs::create_symlink(puzzles / "gone.md2", puzzles / "a-dangling");
    EXPECT_EQ(view->LoadNextProblem(), 0);
    EXPECT_EQ(view->m_moves.Count(), count);

    fs::remove(puzzles / "a-dangling");
    WritePuzzle("a-locked.md2", other, {}, puzzles);
    ::chmod((puzzles / "a-locked.md2").c_str(), 0);
    {
        test::WithoutPermissionOverride asUser;
        if (test::CanRead(puzzles / "a-locked.md2")) GTEST_SKIP() << "permissions do not bind";
        EXPECT_EQ(view->LoadNextProblem(), 0);
    }
    EXPECT_EQ(view->m_moves.Count(), count);
    EXPECT_TRUE(fs::exists(puzzles / "a-locked.md2"));
    EXPECT_TRUE(fs::exists(puzzles / "x.q1.md2"));
}

TEST_F(NextProblemBadDirectory, FifoAsNextProblemDoesNotHang) {
    PlayFirst();
    ASSERT_EQ(::mkfifo((puzzles / "a-pipe").c_str(), 0600), 0);
    const int count = view->m_moves.Count();
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(10);
        view->CheckAnswer();
        ::_exit(view->m_moves.Count() == count ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "the next problem hung on a FIFO (signal " << WTERMSIG(status) << ")";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(fs::exists(puzzles / "x.q1.md2"));  // renamed by the child
}

TEST_F(NextProblemBadDirectory, ThousandsOfFilesFindTheOnlyUnfinishedOne) {
    for (int i = 0; i < 5000; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "x.%05d.md2", i);
        WriteBytes(puzzles / name, "123\r\n");
    }
    for (int i = 0; i < 200; ++i) fs::create_directory(puzzles / ("dir" + std::to_string(i)));
    PlayFirst();
    WritePuzzle("zz-last.md1", other, {}, puzzles);
    view->CheckAnswer();
    EXPECT_EQ(CurrentPath(), (puzzles / "zz-last.md1").string());
    EXPECT_EQ(view->m_moves.Count(), 81);
    EXPECT_EQ(std::distance(fs::directory_iterator(puzzles), {}), 5000 + 200 + 2);
}

// The rename is refused: the solved file keeps its name, the refusal is
// reported, and the queue moves on to the next file without touching either.
TEST_F(NextProblemBadDirectory, ReadOnlyDirectoryKeepsEveryFile) {
    PlayFirst();
    WritePuzzle("q2.md1", other, {}, puzzles);
    const std::string firstBytes = PuzzleFile::Format("q1.md2", Givens());
    fs::permissions(puzzles, fs::perms::owner_read | fs::perms::owner_exec);
    {
        test::WithoutPermissionOverride asUser;
        if (test::CanCreateIn(puzzles)) {
            fs::permissions(puzzles, fs::perms::owner_all);
            GTEST_SKIP() << "permissions do not bind";
        }
        view->CheckAnswer();
    }
    fs::permissions(puzzles, fs::perms::owner_all);
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[1].title, "Warning");
    EXPECT_TRUE(fs::exists(puzzles / "q1.md2"));
    EXPECT_FALSE(fs::exists(puzzles / "x.q1.md2"));
    EXPECT_EQ(CurrentPath(), (puzzles / "q2.md1").string());
    EXPECT_EQ(ReadBytes(puzzles / "q1.md2"), firstBytes);
}
