#include "files/QueueFiles.h"

#include "files/PuzzleFile.h"
#include "files/PuzzleLines.h"
#include "files/ReplacingFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace fs = std::filesystem;

namespace sorvat {

int DigitsFor(std::uint64_t largestNumber) {
    int digits = 1;
    for (std::uint64_t n = largestNumber; n >= 10; n /= 10) ++digits;
    return std::max(MinimumQueueDigits, digits);
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
        if (number.size() > 18 ||
            !std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        largest = std::max<std::uint64_t>(largest, std::stoull(number));
    }
    return largest;
}

std::string PrepareQueueDirectory(const fs::path& directory) {
    std::error_code ec;
    fs::create_directories(directory, ec);
    if (ec || !fs::is_directory(directory)) return directory.string() + ": cannot create directory";
    // A probe file rather than access(), which tells root yes where the
    // write would fail.
    std::string probe = (directory / ".sorvat-probe-XXXXXX").string();
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) return directory.string() + ": cannot write into this directory: " + std::strerror(errno);
    ::close(fd);
    ::unlink(probe.c_str());
    return {};
}

QueueWrite WriteNewQueueFile(const fs::path& target, const std::string& bytes) {
    std::error_code ec;
    if (fs::exists(target.parent_path() / ("x." + target.filename().string()), ec)) return QueueWrite::Exists;
    if (ReplaceFileContents(target, bytes, ReplacingFile::Mode::CreateOnly)) return QueueWrite::Written;
    return errno == EEXIST ? QueueWrite::Exists : QueueWrite::Failed;
}

std::string WriteNextQueueFile(const fs::path& directory, std::uint64_t& number, int digits,
                               const EntryList& locks) {
    for (;;) {
        const std::string name = NumberedName("", ++number, digits);
        switch (WriteNewQueueFile(directory / name, PuzzleFile::Format(name, locks))) {
        case QueueWrite::Written: return name;
        case QueueWrite::Exists: continue;
        case QueueWrite::Failed: return {};
        }
    }
}

WrittenQueue WritePuzzleQueue(const fs::path& directory, const std::vector<std::string>& puzzles,
                              const std::function<bool(std::size_t written)>& goOn) {
    WrittenQueue queue;
    std::uint64_t number = LargestNumberIn(directory, "");
    const int digits = DigitsFor(number + puzzles.size());
    for (const std::string& puzzle : puzzles) {
        const std::string name = WriteNextQueueFile(directory, number, digits, LocksFromPuzzle(puzzle));
        if (name.empty()) break;
        if (queue.first.empty()) queue.first = name;
        ++queue.written;
        if (goOn && !goOn(queue.written)) break;
    }
    return queue;
}

} // namespace sorvat
