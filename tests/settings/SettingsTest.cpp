#include "settings/Settings.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>

#include <cstring>

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

TEST(SettingsFile, SaveWritesTheRecordAndLoadReadsItBack) {
    TempDirectory dir;
    const auto file = SettingsFilePath(dir.Path());
    EXPECT_EQ(file.filename(), "Sorvat.ini");

    Settings settings;
    settings.displayMode = ModeHint;
    settings.analysisLevel = 5;
    settings.SetCurrentPath("/data/puzzles/q001.md2");
    ASSERT_TRUE(SaveSettings(settings, file, 8));
    EXPECT_EQ(ReadBytes(file), settings.ToBytes());

    Settings loaded;
    ASSERT_TRUE(LoadSettings(loaded, file, 8));
    EXPECT_EQ(loaded.ToBytes(), settings.ToBytes());
    EXPECT_EQ(loaded.CurrentPath(), "/data/puzzles/q001.md2");
}

// Whatever the file holds overlays the record from its start; the rest of
// the record keeps its defaults. Longer files are covered by BadInputTest.
TEST(SettingsFile, MissingOrShortFileOverwritesOnlyItsOwnBytes) {
    TempDirectory dir;
    Settings missing;
    EXPECT_FALSE(LoadSettings(missing, dir / "Sorvat.ini", 8));
    EXPECT_EQ(missing.ToBytes(), Settings().ToBytes());

    std::string bytes(100, '\0');
    bytes[68] = 1;                                       // displayMode
    bytes[80] = 77;                                      // windowLeft
    std::memcpy(bytes.data() + 90, "/abcdefghi", 10);  // path without terminator
    WriteBytes(dir / "Sorvat.ini", bytes);
    Settings settings;
    ASSERT_TRUE(LoadSettings(settings, dir / "Sorvat.ini", 8));
    EXPECT_EQ(settings.displayMode, 1);
    EXPECT_EQ(settings.windowLeft, 77);
    EXPECT_EQ(settings.windowTop, 0);     // inside the file: zero
    EXPECT_EQ(settings.pathCapacity, 0);  // inside the file: zero
    EXPECT_EQ(settings.CurrentPath(), "/abcdefghi");  // the rest of the field stays zero
    EXPECT_EQ(settings.ToBytes().substr(100), std::string(4000, '\0'));
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

} // namespace
} // namespace sorvat
