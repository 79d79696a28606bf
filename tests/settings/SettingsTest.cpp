#include "settings/Settings.h"
#include "support/ChildProcess.h"
#include "support/Permissions.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sys/stat.h>

namespace sorvat {
namespace {

using test::ReadBytes;
using test::TempDirectory;
using test::WriteBytes;

std::int32_t Int32At(const std::string& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes.at(offset + i))) << (8 * i);
    return static_cast<std::int32_t>(value);
}

TEST(SettingsLayout, DefaultsHaveTheStoredBytesOfAFirstStart) {
    const std::string bytes = Settings().ToBytes();
    ASSERT_EQ(bytes.size(), 4100u);
    std::string expected(4100, '\0');
    expected[64] = '\x00';
    expected[65] = '\x10';  // 4096, little-endian
    expected[80] = 10;
    expected[84] = 10;
    EXPECT_EQ(bytes, expected);
}

TEST(SettingsLayout, EveryFieldSitsAtItsOffsetLittleEndian) {
    Settings settings;
    settings.options = 0x01020304;
    settings.reserved[0] = 0xA1;
    settings.reserved[59] = 0xA2;
    settings.pathCapacity = -2;
    settings.displayMode = 2;
    settings.repeatFlag = 1;
    settings.padding[2] = 0xA3;
    settings.analysisLevel = 7;
    settings.windowLeft = 0x0A0B0C0D;
    settings.windowTop = -1;
    settings.blindPrint = 1;
    settings.autoConfirmFlag = 1;
    settings.SetCurrentPath("/home/u/q.md2");
    const std::string bytes = settings.ToBytes();

    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0x04);
    EXPECT_EQ(static_cast<unsigned char>(bytes[3]), 0x01);
    EXPECT_EQ(static_cast<unsigned char>(bytes[4]), 0xA1);
    EXPECT_EQ(static_cast<unsigned char>(bytes[63]), 0xA2);
    EXPECT_EQ(Int32At(bytes, 64), -2);
    EXPECT_EQ(Int32At(bytes, 68), 2);
    EXPECT_EQ(bytes[72], 1);
    EXPECT_EQ(static_cast<unsigned char>(bytes[75]), 0xA3);
    EXPECT_EQ(Int32At(bytes, 76), 7);
    EXPECT_EQ(static_cast<unsigned char>(bytes[80]), 0x0D);
    EXPECT_EQ(Int32At(bytes, 80), 0x0A0B0C0D);
    EXPECT_EQ(Int32At(bytes, 84), -1);
    EXPECT_EQ(bytes[88], 1);
    EXPECT_EQ(bytes[89], 1);
    EXPECT_EQ(bytes.substr(90, 14), std::string("/home/u/q.md2\0", 14));

    Settings back;
    back.OverlayBytes(bytes);
    EXPECT_EQ(back.ToBytes(), bytes);
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
    EXPECT_EQ(Int32At(ReadBytes(dir / "Sorvat.ini"), 76), 9);
    ASSERT_TRUE(SaveSettings(nine, dir / "Sorvat.ini", 8));
    EXPECT_EQ(Int32At(ReadBytes(dir / "Sorvat.ini"), 76), 0);
}

TEST(SettingsPath, StoringKeepsTheLimitAndReadingStopsAtTheFieldEnd) {
    Settings settings;
    const std::string longest(3999, 'a');
    settings.SetCurrentPath(longest);
    EXPECT_EQ(settings.CurrentPath(), longest);

    settings.SetCurrentPath("/short");
    EXPECT_EQ(settings.CurrentPath(), "/short");
    EXPECT_EQ(settings.currentPath[7], 'a');  // bytes after the terminator stay

    settings.SetCurrentPath(std::string(4000, 'b'));  // does not fit with its terminator
    EXPECT_TRUE(settings.CurrentPath().empty());

    std::string bytes = settings.ToBytes();
    std::fill(bytes.begin() + 90, bytes.end(), 'p');  // no terminator at all
    settings.OverlayBytes(bytes);
    EXPECT_EQ(settings.CurrentPath(), std::string(CurrentPathFieldSize, 'p'));
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
