#include "settings/Settings.h"
#include "support/ChildProcess.h"
#include "support/Permissions.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace sorvat {
namespace {

using test::ReadBytes;
using test::TempDirectory;
using test::WriteBytes;

TEST(SettingsLayout, DefaultsHaveTheStoredBytesOfAFirstStart) {
    const std::string bytes = Settings().ToBytes();
    ASSERT_EQ(bytes.size(), 4100u);
    std::string expected(4100, '\0');
    expected[65] = '\x10';  // 4096, little-endian
    expected[80] = 10;
    expected[84] = 10;
    EXPECT_EQ(bytes, expected);
}

// The path bytes are kept as they are, also when they are not UTF-8.
TEST(SettingsFile, SaveWritesTheRecordAndLoadReadsItBack) {
    TempDirectory dir;
    const auto file = SettingsFilePath(dir / "\xff\xfe\x80 \x82\xa0");
    EXPECT_EQ(file.filename(), "Sorvat.ini");
    std::filesystem::create_directory(file.parent_path());

    Settings settings;
    settings.displayMode = ModeHint;
    settings.analysisLevel = 5;
    settings.SetCurrentPath("/data/puzzles/q\xff.md2");
    ASSERT_TRUE(SaveSettings(settings, file, 8));
    EXPECT_EQ(ReadBytes(file), settings.ToBytes());

    Settings loaded;
    ASSERT_TRUE(LoadSettings(loaded, file, 8));
    EXPECT_EQ(loaded.ToBytes(), settings.ToBytes());
    EXPECT_EQ(loaded.CurrentPath(), "/data/puzzles/q\xff.md2");
}

TEST(SettingsFile, AnalysisLevelOutsideTheRangeBecomesZero) {
    TempDirectory dir;
    for (const int level : {12, -1, 9}) {
        Settings stored;
        stored.analysisLevel = level;
        WriteBytes(dir / "Sorvat.ini", stored.ToBytes());
        Settings settings;
        LoadSettings(settings, dir / "Sorvat.ini", 8);
        EXPECT_EQ(settings.analysisLevel, 0) << level;
    }
    Settings nine;
    nine.analysisLevel = 9;
    ASSERT_TRUE(SaveSettings(nine, dir / "Sorvat.ini", 9));
    EXPECT_EQ(nine.analysisLevel, 9);
    ASSERT_TRUE(SaveSettings(nine, dir / "Sorvat.ini", 8));
    EXPECT_EQ(nine.analysisLevel, 0);
}

// (A path read from a record without a terminator is the fuzz_settings
// target's part, with a seed of its own.)
TEST(SettingsPath, StoringKeepsTheLimitAndTheBytesAfterTheTerminator) {
    Settings settings;
    const std::string longest(3999, 'a');
    settings.SetCurrentPath(longest);
    EXPECT_EQ(settings.CurrentPath(), longest);

    settings.SetCurrentPath("/short");
    EXPECT_EQ(settings.CurrentPath(), "/short");
    EXPECT_EQ(settings.currentPath[7], 'a');  // bytes after the terminator stay

    settings.SetCurrentPath(std::string(4000, 'b'));  // does not fit with its terminator
    EXPECT_TRUE(settings.CurrentPath().empty());
}

// No file, or a directory, a FIFO or an unreadable file in its place: the
// load neither hangs (it runs in a child) nor changes the settings, and a
// save leaves the directory alone. (What a file of any bytes gives is the
// fuzz_settings target's part.)
TEST(BadSettingsFile, WhatCannotBeReadKeepsTheSettings) {
    TempDirectory dir;
    const auto directory = dir / "directory";
    std::filesystem::create_directory(directory);
    dir.Write("directory/inside", "keep");
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    Settings defaults;
    ASSERT_TRUE(SaveSettings(defaults, dir / "locked", 8));
    ::chmod((dir / "locked").c_str(), 0);
    for (const char* name : {"missing", "directory", "fifo", "locked"}) {
        const int status = test::InChild([&] {
            test::DropPermissionOverride();
            if (name == std::string("locked") && test::CanRead(dir / name)) return 77;
            Settings settings;
            settings.analysisLevel = 3;
            return !LoadSettings(settings, dir / name, 8) && settings.analysisLevel == 3 && settings.windowLeft == 10
                       ? 0
                       : 1;
        });
        if (status == 77) GTEST_SKIP() << "permissions do not bind this process";
        EXPECT_EQ(status, 0) << name << (status == 100 + SIGALRM ? ": the load hung" : ": the settings changed");
    }
    EXPECT_FALSE(SaveSettings(defaults, directory, 8));
    EXPECT_EQ(ReadBytes(directory / "inside"), "keep");
}

} // namespace
} // namespace sorvat
