// Files that are not what they claim to be, through the whole program: a
// settings file of random bytes and the wrong size at the start; a FIFO, a
// directory and an unreadable file given by name, dropped and opened; a FIFO
// first in the next-problem directory; binary and NUL-filled puzzle files;
// saves onto a full disk and into a missing directory; then exit. Nothing hangs, nothing that was there is lost, the
// boards stay those of their entries, and the settings file is written whole
// again. How each guard works is checked where it lives (tests/files,
// tests/settings, tests/game).
#include "guisupport/WindowFixture.h"

#include "support/ChildProcess.h"
#include "support/EntryInvariants.h"
#include "support/Permissions.h"
#include "view/FixedFiles.h"

#include <random>
#include <sys/stat.h>

namespace sorvat::test {
namespace {

namespace fs = std::filesystem;

class HostileFiles : public WindowFixture {
protected:
    static QString Q(const fs::path& path) { return QString::fromStdString(path.string()); }
    static std::string RandomBytes(std::mt19937& random, std::size_t size) {
        std::string bytes(size, '\0');
        for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
        return bytes;
    }
    int FilesIn(const fs::path& directory) const {
        return static_cast<int>(std::distance(fs::directory_iterator(directory), {}));
    }
};

TEST_F(HostileFiles, NothingHangsNothingIsLostAndTheBoardsStaySound) {
    std::mt19937 random(4100);
    WriteBytes(dir / SettingsFileName, RandomBytes(random, 9000));
    Start();
    ASSERT_FALSE(Render().isNull());
    g_pSettings->OverlayBytes(Settings().ToBytes());  // the rest with the defaults
    view->ApplySettings();

    const fs::path puzzles = dir / "puzzles";
    fs::create_directory(puzzles);
    view->LoadFile(WritePuzzle("q1.md2", Givens(), {}, puzzles).string());
    session().EnterFix(2, 0, DigitAt(EasySolution, 2, 0));
    const std::string entries = EntriesText(), current = CurrentPath();

    ASSERT_EQ(::mkfifo((dir / "pipe.md1").c_str(), 0600), 0);
    fs::create_directory(dir / "folder.md2");
    ::chmod(WritePuzzle("locked.md2").c_str(), 0);
    ASSERT_EQ(::mkfifo((puzzles / "a-pipe").c_str(), 0600), 0);
    const int unreadable = InChild([&] {
        DropPermissionOverride();
        int failures = 0;
        for (const char* name : {"pipe.md1", "folder.md2", "locked.md2"}) {
            const std::size_t before = Boxes().size();
            view->LoadFile((dir / name).string());
            view->OnDropFiles({(dir / name).string()});
            failures |= document->OpenDocumentFile(Q(dir / name)) || Boxes().size() != before + 1 ? 1 : 0;
            failures |= EntriesText() != entries || CurrentPath() != current ? 2 : 0;
        }
        // The solved puzzle is marked; the FIFO after it is taken as the
        // next problem, and its load changes nothing.
        failures |= commands->LoadNextProblem() != QueueStep::NextFound || EntriesText() != entries ? 4 : 0;
        return failures;
    });
    EXPECT_EQ(unreadable, 0) << (unreadable == 100 + SIGALRM ? "a load hung" : "a load changed the board");
    EXPECT_TRUE(fs::exists(puzzles / "x.q1.md2"));

    for (int round = 0; round < 8; ++round) {
        SCOPED_TRACE(round);
        const fs::path name = dir / ("bin" + std::to_string(round) + (round % 2 ? ".md2" : ".md1"));
        WriteBytes(name, round % 4 == 0 ? std::string(8192, '\0') : RandomBytes(random, 4096 + round * 513));
        view->OnDropFiles({name.string()});
        ASSERT_EQ(EntryListViolation(moves()), "");
        ASSERT_EQ(CurrentPath(), name.string());
        EntryList entries = moves();
        ASSERT_TRUE(Analysed(entries, 0, false)->SameEnteredDigits(board()));
    }

    // A full disk: every save fails part-way. The files keep their bytes,
    // nothing is left beside them, the current path stays and the
    // document's save says so; so does a save into a missing directory.
    WriteBytes(dir / QuickFile, "L225\r\n");
    WriteBytes(dir / ContinueFile, "L335\r\n");
    const fs::path saved = dir / "saved.md1";
    view->SaveFile(saved.string());
    const std::string savedBytes = ReadBytes(saved);
    const int filesBefore = FilesIn(dir);
    const int fullDisk = InChild(
        [&] {
            const std::size_t before = Boxes().size();
            Command(ID_EDIT_QUICKSAVE);
            view->SaveFile(ContinueFile);
            view->SaveFile(saved.string());
            const bool reported = !document->OnSaveDocument(Q(saved)) && Boxes().size() == before + 1;
            return reported && CurrentPath() == saved.string() ? 0 : 1;
        },
        64);
    EXPECT_EQ(fullDisk, 0);
    EXPECT_EQ(ReadBytes(dir / QuickFile), "L225\r\n");
    EXPECT_EQ(ReadBytes(dir / ContinueFile), "L335\r\n");
    EXPECT_EQ(ReadBytes(saved), savedBytes);
    EXPECT_EQ(FilesIn(dir), filesBefore);
    EXPECT_FALSE(document->OnSaveDocument(Q(dir / "missing" / "q.md1")));
    EXPECT_TRUE(Boxes().back().text.contains(Q(dir / "missing" / "q.md1")));
    EXPECT_EQ(CurrentPath(), saved.string());

    frame->close();
    ProcessEvents();
    const std::string written = ReadBytes(dir / SettingsFileName);
    ASSERT_EQ(written.size(), SettingsSize);
    Settings settings;
    settings.OverlayBytes(written);
    EXPECT_GE(settings.analysisLevel, 0);
    EXPECT_LE(settings.analysisLevel, 8);
}

} // namespace
} // namespace sorvat::test
