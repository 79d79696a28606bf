// Puzzle files that are not what they claim to be, given to the view and the
// document: a FIFO or a directory, an unreadable file, binary and NUL-filled
// files, names that are not UTF-8, and a disk that fills up while the quick,
// continue, settings and puzzle files are saved. Nothing hangs, nothing that
// was there is lost, and the boards stay consistent with the entries.
#include "ViewFixture.h"

#include "files/ReplacingFile.h"
#include "support/EntryInvariants.h"
#include "support/Permissions.h"
#include "view/FixedFiles.h"

#include <csignal>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace sorvat::test {
namespace {

// Runs `body` in a child process (killed after ten seconds) and returns its
// exit status, or 100 + the signal that ended it. The child only touches
// files, so the forked GUI state is safe to use there.
template <typename Body>
int InChild(Body body, rlim_t fileSizeLimit = RLIM_INFINITY) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(10);
        if (fileSizeLimit != RLIM_INFINITY) {
            std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails with EFBIG
            rlimit cap{fileSizeLimit, fileSizeLimit};
            ::setrlimit(RLIMIT_FSIZE, &cap);
        }
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

class BadFilesTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        g_pMainFrame = TestFramePointer();
        Play();
        m_view->m_board.Analyze();
        m_settings.SetCurrentPath("/earlier/q.md1");
        m_before = EntriesText();
    }

    // The entries and the path are as they were before.
    void ExpectUnchanged() {
        EXPECT_EQ(EntriesText(), m_before);
        EXPECT_EQ(CurrentPath(), "/earlier/q.md1");
    }

    int FilesIn() const { return static_cast<int>(std::distance(std::filesystem::directory_iterator(dir), {})); }

    std::string m_before;
};

TEST_F(BadFilesTest, FifoGivenAsPuzzleFileDoesNotHang) {
    ASSERT_EQ(::mkfifo(PathOf("pipe.md1").c_str(), 0600), 0);
    // Without a writer a blocking open of the FIFO never returns; the loads
    // run in a child so that a hang ends in a failure instead.
    const int status = InChild([&] {
        m_view->LoadFile(PathOf("pipe.md1"));
        m_view->OnDropFiles({PathOf("pipe.md1")});
        const bool opened = m_document->OnOpenDocument(FilePath("pipe.md1"));
        return EntriesText() == m_before && CurrentPath() == "/earlier/q.md1" && !opened ? 0 : 1;
    });
    EXPECT_EQ(status, 0) << (status == 100 + SIGALRM ? "the load hung on a FIFO" : "state changed");
}

// A directory, then a file that may not be read: loads and drops change
// nothing, and the document says why it cannot open them.
TEST_F(BadFilesTest, DirectoryOrUnreadableFileChangesNothingAndTheDocumentSaysWhy) {
    MakeDirectory("folder.md2");
    WriteFile("locked.md2", PuzzleMd2());
    ::chmod(PathOf("locked.md2").c_str(), 0);
    for (const char* name : {"folder.md2", "locked.md2"}) {
        SCOPED_TRACE(name);
        WithoutPermissionOverride asUser;
        if (CanRead(PathOf(name)) && !std::filesystem::is_directory(PathOf(name)))
            GTEST_SKIP() << "permissions do not bind";
        const std::size_t boxes = Boxes().size();
        m_view->LoadFile(PathOf(name));
        m_view->OnDropFiles({PathOf(name)});
        ExpectUnchanged();
        EXPECT_FALSE(m_document->OnOpenDocument(FilePath(name)));
        EXPECT_EQ(Boxes().size(), boxes + 1);
        ExpectUnchanged();
    }
}

TEST_F(BadFilesTest, BinaryAndNulFilledFilesGiveConsistentBoards) {
    std::mt19937 random(7);
    for (int round = 0; round < 40; ++round) {
        std::string bytes(4096 + round * 513, '\0');
        if (round % 4 != 0)
            for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
        const std::string name = "bin" + std::to_string(round) + (round % 2 ? ".md2" : ".md1");
        WriteFile(name, bytes);
        m_view->LoadFile(PathOf(name));
        ASSERT_EQ(EntryListViolation(m_view->m_moves), "") << name;
        ASSERT_EQ(CurrentPath(), PathOf(name));
        // The boards are those of the entries read, and the answer list holds
        // exactly the Locks in effect.
        EntryList locks;
        locks.CopyLocksFrom(m_view->m_moves);
        ASSERT_EQ(m_view->m_solutionMoves.Count(), locks.Count());
        ASSERT_LE(m_view->m_board.enteredCount, 81);
        const std::string& memo = m_memoLog.back();
        ASSERT_LE(memo.size(), std::string("publish:").size() + MemoCapacity);
    }
}

// A full disk: every save fails part-way (the limit lets a new file grow to a
// few bytes only). The quick file, the continue file, the settings file and
// the puzzle file keep their old contents, no temporary file is left behind,
// and a failed save does not change the current puzzle path.
TEST_F(BadFilesTest, FullDiskDuringSavesLosesNothing) {
    WriteFile("puzzle.md1", "L115\r\n");
    WriteFile(QuickFile, "L225\r\n");
    WriteFile(ContinueFile, "L335\r\n");
    Settings old;
    old.SetCurrentPath("/old/path.md1");
    ASSERT_TRUE(SaveSettings(old, PathOf(SettingsFileName), 8));
    const std::string oldSettings = ReadFile(SettingsFileName);
    const int filesBefore = FilesIn();

    const int status = InChild(
        [&] {
            int failures = 0;
            m_view->OnQuickSave();
            m_view->SaveFile(ContinueFile);
            m_view->SaveFile(PathOf("puzzle.md1"));
            failures += CurrentPath() == "/earlier/q.md1" ? 0 : 1;
            failures += m_document->OnSaveDocument(QString::fromStdString(PathOf("puzzle.md1"))) ? 1 : 0;
            failures += CurrentPath() == "/earlier/q.md1" ? 0 : 2;
            failures += SaveSettings(m_settings, PathOf(SettingsFileName), 8) ? 4 : 0;
            failures += Boxes().size() == 1 ? 0 : 8;  // the document's save reports
            return failures;
        },
        64);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadFile("puzzle.md1"), "L115\r\n");
    EXPECT_EQ(ReadFile(QuickFile), "L225\r\n");
    EXPECT_EQ(ReadFile(ContinueFile), "L335\r\n");
    EXPECT_EQ(ReadFile(SettingsFileName), oldSettings);
    EXPECT_EQ(FilesIn(), filesBefore);

    // With room again, the same saves succeed.
    m_view->OnQuickSave();
    EXPECT_EQ(ReadFile(QuickFile), EntriesText());
}

} // namespace
} // namespace sorvat::test
