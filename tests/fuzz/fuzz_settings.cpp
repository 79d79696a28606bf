// The settings record loaded from arbitrary file contents, through the real
// file load (an in-memory file named by its /proc path) and directly.
#include "FuzzChecks.h"

#include "settings/Settings.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <sys/mman.h>
#include <unistd.h>

using namespace sorvat;
using sorvat::fuzz::Check;

namespace {

int MemoryFile() {
    static const int fd = ::memfd_create("Sorvat.ini", 0);
    return fd;
}

void CheckLoaded(const Settings& s, int maxLevel) {
    Check(s.analysisLevel >= 0 && s.analysisLevel <= maxLevel, "analysisLevel within 0..MaxLevel");
    const std::string_view path = s.CurrentPath();
    Check(path.size() <= CurrentPathFieldSize, "currentPath stays inside its field");
    Check(path.find('\0') == std::string_view::npos, "currentPath ends at its terminator");
    const std::string bytes = s.ToBytes();
    Check(bytes.size() == SettingsSize, "record size");
    // The record read back from its own bytes is the same record.
    Settings again;
    again.OverlayBytes(bytes);
    Check(again.ToBytes() == bytes, "record round trip");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const int maxLevel = size > 0 && (data[0] & 1) ? 9 : 8;

    // Directly: the first bytes overlay the defaults, the rest stays default.
    Settings direct;
    const std::string defaults = direct.ToBytes();
    direct.OverlayBytes(bytes);
    const std::string overlaid = direct.ToBytes();
    const std::size_t kept = std::min(size, SettingsSize);
    Check(overlaid.compare(0, kept, bytes.substr(0, kept)) == 0, "file bytes taken as they are");
    Check(overlaid.compare(kept, std::string::npos, defaults, kept, std::string::npos) == 0,
          "a short file keeps the rest of the record");
    direct.ClampAnalysisLevel(maxLevel);
    CheckLoaded(direct, maxLevel);

    // Through the file load.
    const int fd = MemoryFile();
    Check(fd >= 0, "memfd");
    Check(::ftruncate(fd, 0) == 0, "truncate");
    if (size > 0) Check(::pwrite(fd, data, size, 0) == static_cast<ssize_t>(size), "write");
    Settings loaded;
    Check(LoadSettings(loaded, "/proc/self/fd/" + std::to_string(fd), maxLevel), "file read");
    CheckLoaded(loaded, maxLevel);
    Check(loaded.ToBytes() == direct.ToBytes(), "file load equals the overlay");

    // Storing the loaded path again keeps it, or empties it when too long.
    const std::string path(loaded.CurrentPath());
    loaded.SetCurrentPath(path);
    Check(loaded.CurrentPath() == path || (path.size() + 1 > CurrentPathLimit && loaded.CurrentPath().empty()),
          "SetCurrentPath of a loaded path");
    return 0;
}
