#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace sorvat {

// Size of the settings record and of the settings file.
constexpr std::size_t SettingsSize = 4100;
// Offset and size of the currentPath field inside the record.
constexpr std::size_t CurrentPathOffset = 90;
constexpr std::size_t CurrentPathFieldSize = 4010;
// A path is stored only when it fits, with its terminator, in this many bytes.
constexpr std::size_t CurrentPathLimit = 4000;
// The settings file, kept beside the program.
constexpr const char* SettingsFileName = "Sorvat.ini";

// Display modes of the board.
enum BoardMode : std::int32_t { ModeSelf = 0, ModeHint = 1, ModeAnalysis = 2 };

// The persistent settings, 4,100 bytes stored raw in "Sorvat.ini".
// The members mirror the file layout one to one (little-endian int32):
//   0 options, 4 reserved[60], 64 pathCapacity, 68 displayMode,
//   72 repeatFlag, 73 padding[3], 76 analysisLevel, 80 windowLeft,
//   84 windowTop, 88 blindPrint, 89 autoConfirmFlag, 90 currentPath[4010].
struct Settings {
    std::int32_t options;
    std::uint8_t reserved[60];
    std::int32_t pathCapacity;
    std::int32_t displayMode;
    std::uint8_t repeatFlag;
    std::uint8_t padding[3];
    std::int32_t analysisLevel;
    std::int32_t windowLeft;
    std::int32_t windowTop;
    std::uint8_t blindPrint;
    std::uint8_t autoConfirmFlag;
    char currentPath[CurrentPathFieldSize];

    Settings() { SetDefaults(); }

    // The defaults of a first start (padding written as zeros).
    void SetDefaults();

    // The record in its file form.
    std::string ToBytes() const;
    // Copies the first bytes of `bytes` (at most 4,100) over the record; the
    // rest of the record keeps its values.
    void OverlayBytes(std::string_view bytes);

    // The path up to its terminator, never beyond the field even when a
    // foreign file left the field without one.
    std::string_view CurrentPath() const;
    // Stores `path` with its terminator; a path that does not fit in
    // CurrentPathLimit bytes stores an empty path. The bytes after the
    // terminator keep what they held.
    void SetCurrentPath(std::string_view path);

    // analysisLevel outside 0..maxLevel becomes 0.
    void ClampAnalysisLevel(int maxLevel);
};

// "Sorvat.ini" in `programDirectory`.
std::filesystem::path SettingsFilePath(const std::filesystem::path& programDirectory);

// Reads the file over `settings` (a missing or unreadable file leaves them
// as they are), then checks analysisLevel against `maxLevel`.
// Returns true when the file was read.
bool LoadSettings(Settings& settings, const std::filesystem::path& file, int maxLevel);

// Checks analysisLevel against `maxLevel`, then writes the whole record.
// The file is replaced in one step: on failure the old file stays.
bool SaveSettings(Settings& settings, const std::filesystem::path& file, int maxLevel);

} // namespace sorvat
