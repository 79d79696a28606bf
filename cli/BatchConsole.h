#pragma once
#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>

namespace sorvat::cli {

// Standard error of a batch command: problem messages from the reading
// thread and a progress line from the workers, never torn into each other.
// The progress line is drawn only when stderr is a terminal and the results
// go elsewhere (a file or a pipe).
// "1 puzzle", "2 puzzles".
inline std::string Counted(std::uint64_t n, const std::string& noun) {
    return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

// "; 2 inputs or lines skipped" after a summary, or nothing.
inline std::string SkippedNote(std::int64_t problems) {
    if (problems <= 0) return {};
    return "; " + (problems == 1 ? std::string("1 input or line") : std::to_string(problems) + " inputs or lines") +
           " skipped";
}

class BatchConsole {
public:
    BatchConsole(std::string command, std::uint64_t totalBytes);

    // "sorvat-cli: MESSAGE" on a line of its own.
    void Problem(const std::string& message);
    void SetBytesRead(std::uint64_t bytes) { bytesRead.store(bytes, std::memory_order_relaxed); }
    // Call after each finished puzzle; redraws at most ten times a second.
    void Finished(std::uint64_t puzzles);
    // Removes the progress line and prints "sorvat-cli COMMAND: TEXT".
    void Summary(const std::string& text);

    double Elapsed() const;

private:
    void ClearLine();
    void Draw(std::uint64_t puzzles);

    std::string command;
    std::uint64_t totalBytes;
    std::atomic<std::uint64_t> bytesRead{0};
    bool showProgress;
    bool drawn = false;
    std::chrono::steady_clock::time_point start;
    std::chrono::steady_clock::time_point lastDraw;
    std::mutex mutex;
};

} // namespace sorvat::cli
