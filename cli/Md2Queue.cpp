#include "Md2Queue.h"

#include "PuzzleInput.h"

#include <algorithm>
#include <cstdlib>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <unistd.h>

namespace fs = std::filesystem;

namespace sorvat::cli {

int DigitsFor(std::uint64_t largestNumber) {
    int digits = 1;
    for (std::uint64_t n = largestNumber; n >= 10; n /= 10) ++digits;
    return std::max(MinimumDigits, digits);
}

std::string NumberedName(const std::string& prefix, std::uint64_t number, int digits) {
    std::string n = std::to_string(number);
    if (static_cast<int>(n.size()) < digits) n.insert(0, static_cast<std::size_t>(digits) - n.size(), '0');
    return prefix + n + ".md2";
}

std::uint64_t LargestNumberIn(const fs::path& directory, const std::string& prefix) {
    std::uint64_t largest = 0;
    std::error_code ec;
    for (fs::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (name.rfind("x.", 0) == 0) name.erase(0, 2);
        if (name.size() <= prefix.size() + 4 || name.compare(0, prefix.size(), prefix) != 0 ||
            name.compare(name.size() - 4, 4, ".md2") != 0)
            continue;
        const std::string number = name.substr(prefix.size(), name.size() - prefix.size() - 4);
        if (number.size() > 18 || !std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        largest = std::max<std::uint64_t>(largest, std::stoull(number));
    }
    return largest;
}

void PrepareQueueDirectory(const std::string& directory) {
    std::error_code ec;
    fs::create_directories(directory, ec);
    if (ec || !fs::is_directory(directory)) throw CliError(directory + ": cannot create directory");
    // A probe file rather than access(), which tells root yes where the
    // write would fail.
    std::string probe = (fs::path(directory) / ".sorvat-probe-XXXXXX").string();
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) throw CliError(directory + ": cannot write into this directory: " + std::strerror(errno));
    ::close(fd);
    ::unlink(probe.c_str());
}

WriteResult WriteNew(const fs::path& target, const std::string& bytes) {
    std::error_code ec;
    if (fs::exists(target.parent_path() / ("x." + target.filename().string()), ec)) return WriteResult::Exists;
    const fs::path temp = target.parent_path() / ("." + target.filename().string() + ".part");
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(temp.c_str(), "wbx"), &std::fclose);
    if (!file) throw CliError(temp.string() + ": cannot write: " + std::strerror(errno));
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    const bool closed = std::fclose(file.release()) == 0;
    if (!written || !closed) {
        std::remove(temp.c_str());
        throw CliError(target.string() + ": write failed");
    }
    // The link fails instead of replacing a file that is already there.
    const int linked = ::link(temp.c_str(), target.c_str());
    const int linkError = errno;
    std::remove(temp.c_str());
    if (linked == 0) return WriteResult::Written;
    if (linkError == EEXIST) return WriteResult::Exists;
    throw CliError(target.string() + ": cannot write: " + std::strerror(linkError));
}

} // namespace sorvat::cli
