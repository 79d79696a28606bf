// Files that are not what they claim to be: binary and NUL-filled puzzle
// files, a 200 MB file with an endless line and an endless memo, a FIFO or a
// directory where a file is expected, unreadable files, settings files of the
// wrong size or of random bytes, paths that are not UTF-8, and a full disk
// while the settings are saved. Whatever comes in, nothing crashes or hangs,
// the entry list stays sound and files that were there stay intact.
#include "files/PuzzleFile.h"
#include "files/ReplacingFile.h"
#include "settings/Settings.h"
#include "support/TempDirectory.h"
#include "support/EntryInvariants.h"
#include "support/Permissions.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace sorvat {
namespace {

using test::EntryListViolation;
using test::ReadBytes;
using test::TempDirectory;
using test::WriteBytes;

std::string RandomBytes(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
    return bytes;
}

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

// Runs `body` in a child process that may not run longer than 10 seconds
// (so that a hang fails instead of stalling the tests) and whose files may
// not grow beyond `fileLimit` bytes, as on a full disk. Gives 0 when `body`
// returned true, 1 when false, 100 + the signal that ended it.
template <typename Body>
int InChild(Body body, rlim_t fileLimit = RLIM_INFINITY) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(10);
        std::signal(SIGXFSZ, SIG_IGN);  // writes past the limit fail with EFBIG
        rlimit cap{fileLimit, fileLimit};
        ::setrlimit(RLIMIT_FSIZE, &cap);
        ::_exit(body() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

TEST(BadPuzzleFile, RandomBinaryFilesGiveASoundList) {
    for (unsigned seed = 1; seed <= 200; ++seed) {
        EntryList list;
        const char* memo = nullptr;
        const std::string bytes = RandomBytes(1 + seed * 97, seed);
        PuzzleFile reader;
        ASSERT_EQ(reader.ReadBytes(bytes, seed % 2 ? "b.md2" : "b.md1", list, &memo), 0);
        ASSERT_EQ(EntryListViolation(list), "") << "seed " << seed;
        ASSERT_LT(std::strlen(memo), MemoCapacity);
    }
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

TEST(BadPuzzleFile, EndlessLinesWithoutAnyLineEnd) {
    // One line of 8 MB of digits: only its first characters are looked at.
    std::string line(8u << 20, '7');
    line[0] = 'L';
    EntryList list;
    PuzzleFile().ReadBytes(line, "endless.md1", list);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.At(0), Entry(6, 6, 6, Lock));
    EntryList rows;
    PuzzleFile().ReadBytes(std::string(8u << 20, '3'), "endless.md2", rows);
    EXPECT_EQ(rows.Count(), 9);  // the first nine cells of the first row
}

TEST(BadSettingsFile, DirectoryInPlaceOfTheFileKeepsSettingsAndIsNotReplaced) {
    TempDirectory dir;
    const auto path = dir / SettingsFileName;
    std::filesystem::create_directory(path);
    WriteBytes(path / "inside", "keep");
    Settings settings;
    settings.analysisLevel = 5;
    LoadSettings(settings, path, 8);
    EXPECT_EQ(settings.analysisLevel, 5);
    EXPECT_EQ(settings.windowLeft, 10);
    EXPECT_FALSE(SaveSettings(settings, path, 8));
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(ReadBytes(path / "inside"), "keep");
}

TEST(BadSettingsFile, FifoInPlaceOfTheFileDoesNotHang) {
    TempDirectory dir;
    const auto path = dir / SettingsFileName;
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    // Without a writer, opening a FIFO for reading blocks forever.
    EXPECT_EQ(InChild([&] {
                  Settings settings;
                  settings.analysisLevel = 3;
                  return !LoadSettings(settings, path, 8) && settings.analysisLevel == 3;
              }),
              0)
        << "the load hung on a FIFO (100 + SIGALRM) or changed the settings";
}

TEST(BadSettingsFile, UnreadableFileKeepsTheSettings) {
    TempDirectory dir;
    const auto path = dir / SettingsFileName;
    Settings stored;
    stored.analysisLevel = 6;
    ASSERT_TRUE(SaveSettings(stored, path, 8));
    ::chmod(path.c_str(), 0);
    test::WithoutPermissionOverride asUser;
    if (test::CanRead(path)) GTEST_SKIP() << "permissions do not bind this process";
    Settings settings;
    EXPECT_FALSE(LoadSettings(settings, path, 8));
    EXPECT_EQ(settings.analysisLevel, 0);
    EXPECT_EQ(settings.ToBytes(), Settings().ToBytes());
}

TEST(BadSettingsFile, ShortLongAndRandomFilesGiveUsableSettings) {
    TempDirectory dir;
    const auto path = dir / SettingsFileName;
    for (std::size_t size : {std::size_t{1}, std::size_t{77}, std::size_t{4099}, std::size_t{4101},
                             std::size_t{1} << 20}) {
        for (unsigned seed = 1; seed <= 20; ++seed) {
            const std::string bytes = RandomBytes(size, seed);
            WriteBytes(path, bytes);
            Settings settings;
            ASSERT_TRUE(LoadSettings(settings, path, 8));
            EXPECT_GE(settings.analysisLevel, 0);
            EXPECT_LE(settings.analysisLevel, 8);
            EXPECT_LE(settings.CurrentPath().size(), CurrentPathFieldSize);
            const std::string record = settings.ToBytes();
            ASSERT_EQ(record.size(), SettingsSize);
            // Only the analysis level may differ from the file's own bytes: values
            // the program does not interpret survive a load and a save.
            const std::size_t kept = std::min(size, SettingsSize);
            for (std::size_t i = 0; i < kept; ++i) {
                if (i < 76 || i >= 80) {
                    ASSERT_EQ(record[i], bytes[i]) << "byte " << i << " size " << size;
                }
            }
            // What was loaded is saved as a whole record and loads again.
            ASSERT_TRUE(SaveSettings(settings, path, 8));
            Settings again;
            ASSERT_TRUE(LoadSettings(again, path, 8));
            ASSERT_EQ(again.ToBytes(), settings.ToBytes());
        }
    }
}

TEST(BadSettingsFile, PathsThatAreNotUtf8) {
    TempDirectory dir;
    const std::filesystem::path strange = dir / "\xff\xfe\x80 \x82\xa0";
    std::filesystem::create_directory(strange);
    Settings settings;
    settings.SetCurrentPath((strange / "q\xff.md2").string());
    ASSERT_TRUE(SaveSettings(settings, strange / SettingsFileName, 8));
    Settings loaded;
    ASSERT_TRUE(LoadSettings(loaded, strange / SettingsFileName, 8));
    EXPECT_EQ(loaded.CurrentPath(), (strange / "q\xff.md2").string());

    const auto puzzle = strange / "\xfe.md2";
    WriteBytes(puzzle, "123\n");
    EntryList list;
    EXPECT_EQ(ReadPuzzleFile(puzzle, list), 0);
    EXPECT_EQ(list.Count(), 3);
}

// A disk that fills up in the middle of a save: the old file stays whole and
// no temporary file is left behind.
TEST(FullDisk, SavingTheSettingsKeepsTheOldFile) {
    TempDirectory dir;
    const auto path = dir / SettingsFileName;
    Settings old;
    old.SetCurrentPath("/puzzles/old.md2");
    ASSERT_TRUE(SaveSettings(old, path, 8));
    const std::string before = ReadBytes(path);

    const auto save = [&] {
        Settings changed;
        changed.SetCurrentPath("/puzzles/new.md2");
        return !SaveSettings(changed, path, 8) && errno == EFBIG;
    };
    EXPECT_EQ(InChild(save, 1000), 0) << "the save did not fail with EFBIG";
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(FullDisk, ReplacingAPuzzleFileKeepsTheOldOne) {
    TempDirectory dir;
    const auto path = dir / "game.md1";
    const std::string old = "L115\r\nF226\r\n";
    WriteBytes(path, old);
    const auto replace = [&] { return !ReplaceFileContents(path, std::string(100000, 'S')) && errno == EFBIG; };
    EXPECT_EQ(InChild(replace, 4096), 0);
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

} // namespace
} // namespace sorvat
