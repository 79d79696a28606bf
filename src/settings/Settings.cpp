#include "settings/Settings.h"

#include "files/RegularFile.h"
#include "files/ReplacingFile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

namespace sorvat {

namespace {

constexpr std::size_t OptionsOffset = 0;
constexpr std::size_t ReservedOffset = 4;
constexpr std::size_t PathCapacityOffset = 64;
constexpr std::size_t DisplayModeOffset = 68;
constexpr std::size_t RepeatFlagOffset = 72;
constexpr std::size_t PaddingOffset = 73;
constexpr std::size_t AnalysisLevelOffset = 76;
constexpr std::size_t WindowLeftOffset = 80;
constexpr std::size_t WindowTopOffset = 84;
constexpr std::size_t BlindPrintOffset = 88;
constexpr std::size_t AutoConfirmOffset = 89;
static_assert(CurrentPathOffset + CurrentPathFieldSize == SettingsSize);

void PutInt32(std::string& bytes, std::size_t offset, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}

std::int32_t GetInt32(const std::string& bytes, std::size_t offset) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i)
        bits |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    return static_cast<std::int32_t>(bits);
}

template <std::size_t N, typename T>
void PutBytes(std::string& bytes, std::size_t offset, const T (&field)[N]) {
    std::memcpy(bytes.data() + offset, field, N);
}

template <std::size_t N, typename T>
void GetBytes(const std::string& bytes, std::size_t offset, T (&field)[N]) {
    std::memcpy(field, bytes.data() + offset, N);
}

} // namespace

void Settings::SetDefaults() {
    options = 0;
    std::fill(std::begin(reserved), std::end(reserved), std::uint8_t{0});
    pathCapacity = 4096;
    displayMode = ModeSelf;
    repeatFlag = 0;
    std::fill(std::begin(padding), std::end(padding), std::uint8_t{0});
    analysisLevel = 0;
    windowLeft = 10;
    windowTop = 10;
    blindPrint = 0;
    autoConfirmFlag = 0;
    std::fill(std::begin(currentPath), std::end(currentPath), '\0');
}

std::string Settings::ToBytes() const {
    std::string bytes(SettingsSize, '\0');
    PutInt32(bytes, OptionsOffset, options);
    PutBytes(bytes, ReservedOffset, reserved);
    PutInt32(bytes, PathCapacityOffset, pathCapacity);
    PutInt32(bytes, DisplayModeOffset, displayMode);
    bytes[RepeatFlagOffset] = static_cast<char>(repeatFlag);
    PutBytes(bytes, PaddingOffset, padding);
    PutInt32(bytes, AnalysisLevelOffset, analysisLevel);
    PutInt32(bytes, WindowLeftOffset, windowLeft);
    PutInt32(bytes, WindowTopOffset, windowTop);
    bytes[BlindPrintOffset] = static_cast<char>(blindPrint);
    bytes[AutoConfirmOffset] = static_cast<char>(autoConfirmFlag);
    PutBytes(bytes, CurrentPathOffset, currentPath);
    return bytes;
}

void Settings::OverlayBytes(std::string_view overlay) {
    std::string bytes = ToBytes();
    const std::size_t count = std::min(overlay.size(), SettingsSize);
    std::copy_n(overlay.begin(), count, bytes.begin());

    options = GetInt32(bytes, OptionsOffset);
    GetBytes(bytes, ReservedOffset, reserved);
    pathCapacity = GetInt32(bytes, PathCapacityOffset);
    displayMode = GetInt32(bytes, DisplayModeOffset);
    repeatFlag = static_cast<std::uint8_t>(bytes[RepeatFlagOffset]);
    GetBytes(bytes, PaddingOffset, padding);
    analysisLevel = GetInt32(bytes, AnalysisLevelOffset);
    windowLeft = GetInt32(bytes, WindowLeftOffset);
    windowTop = GetInt32(bytes, WindowTopOffset);
    blindPrint = static_cast<std::uint8_t>(bytes[BlindPrintOffset]);
    autoConfirmFlag = static_cast<std::uint8_t>(bytes[AutoConfirmOffset]);
    GetBytes(bytes, CurrentPathOffset, currentPath);
}

std::string_view Settings::CurrentPath() const {
    const char* end = std::find(std::begin(currentPath), std::end(currentPath), '\0');
    return std::string_view(currentPath, static_cast<std::size_t>(end - currentPath));
}

void Settings::SetCurrentPath(std::string_view path) {
    if (path.size() + 1 > CurrentPathLimit)
        path = {};
    std::copy(path.begin(), path.end(), currentPath);
    currentPath[path.size()] = '\0';
}

void Settings::ClampAnalysisLevel(int maxLevel) {
    if (analysisLevel < 0 || analysisLevel > maxLevel)
        analysisLevel = 0;
}

std::filesystem::path SettingsFilePath(const std::filesystem::path& programDirectory) {
    return programDirectory / SettingsFileName;
}

bool LoadSettings(Settings& settings, const std::filesystem::path& file, int maxLevel) {
    // Only a regular file is read: a FIFO in its place would block the start.
    std::FILE* in = OpenRegularFileForReading(file);
    bool read = false;
    if (in != nullptr) {
        std::string bytes(SettingsSize, '\0');
        bytes.resize(std::fread(bytes.data(), 1, SettingsSize, in));
        read = !std::ferror(in);
        if (read)
            settings.OverlayBytes(bytes);
        std::fclose(in);
    }
    settings.ClampAnalysisLevel(maxLevel);
    return read;
}

bool SaveSettings(Settings& settings, const std::filesystem::path& file, int maxLevel) {
    settings.ClampAnalysisLevel(maxLevel);
    return ReplaceFileContents(file, settings.ToBytes());
}

} // namespace sorvat
