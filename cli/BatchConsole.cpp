#include "BatchConsole.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <unistd.h>

namespace sorvat::cli {

namespace {
constexpr int BarWidth = 30;
}

BatchConsole::BatchConsole(std::string command_, std::uint64_t totalBytes_)
    : command(std::move(command_)),
      totalBytes(totalBytes_),
      // When the results themselves scroll by on the terminal, a progress
      // line would only be torn up by them.
      showProgress(isatty(STDERR_FILENO) != 0 && isatty(STDOUT_FILENO) == 0),
      start(std::chrono::steady_clock::now()),
      lastDraw(start) {}

double BatchConsole::Elapsed() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BatchConsole::ClearLine() {
    if (!drawn) return;
    std::fputs("\r\033[K", stderr);
    drawn = false;
}

void BatchConsole::Problem(const std::string& message) {
    std::lock_guard lock(mutex);
    ClearLine();
    std::fprintf(stderr, "sorvat-cli: %s\n", message.c_str());
}

void BatchConsole::Finished(std::uint64_t puzzles) {
    if (!showProgress) return;
    const auto now = std::chrono::steady_clock::now();
    std::lock_guard lock(mutex);
    // Short runs show no bar at all.
    if (now - start < std::chrono::milliseconds(500) || now - lastDraw < std::chrono::milliseconds(100)) return;
    lastDraw = now;
    Draw(puzzles);
}

void BatchConsole::Draw(std::uint64_t puzzles) {
    const double seconds = Elapsed();
    const double rate = seconds > 0 ? static_cast<double>(puzzles) / seconds : 0;
    std::fputs("\r\033[K", stderr);
    if (totalBytes > 0) {
        const double share =
            std::min(1.0, static_cast<double>(bytesRead.load(std::memory_order_relaxed)) / static_cast<double>(totalBytes));
        const int filled = static_cast<int>(share * BarWidth);
        std::string bar(static_cast<std::size_t>(filled), '#');
        bar.append(static_cast<std::size_t>(BarWidth - filled), '.');
        std::fprintf(stderr, "[%s] %3d%%  ", bar.c_str(), static_cast<int>(share * 100));
    }
    std::fprintf(stderr, "%llu puzzles  %.0f/s  %.1f s", static_cast<unsigned long long>(puzzles), rate, seconds);
    std::fflush(stderr);
    drawn = true;
}

void BatchConsole::Summary(const std::string& text) {
    std::lock_guard lock(mutex);
    ClearLine();
    std::fprintf(stderr, "sorvat-cli %s: %s\n", command.c_str(), text.c_str());
}

} // namespace sorvat::cli
