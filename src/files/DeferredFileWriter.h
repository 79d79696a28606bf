#pragma once
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace sorvat {

// Keeps one file up to date with the newest bytes posted to it, written on a
// thread of its own so that no caller waits for the disk. A post is written
// at most `delay` after it (a burst of posts gives one write, of the last
// bytes); each write replaces the file in one step (ReplaceFileContents), so
// a crash leaves the previous or the new content, never a mix. After a failed
// write the file waits for the next post.
class DeferredFileWriter {
public:
    DeferredFileWriter(std::filesystem::path target, std::chrono::milliseconds delay);
    ~DeferredFileWriter();
    DeferredFileWriter(const DeferredFileWriter&) = delete;
    DeferredFileWriter& operator=(const DeferredFileWriter&) = delete;

    const std::filesystem::path& Target() const { return m_target; }
    // The file's new content; replaces any that is not written yet.
    void Post(std::string bytes);
    // Writes what is pending now and waits for it.
    void Flush();
    // Ends the thread; what is not written yet is dropped.
    void Stop();
    // How many writes succeeded.
    int Writes() const;

private:
    void Run();
    bool WritePending(std::unique_lock<std::mutex>& lock);

    const std::filesystem::path m_target;
    const std::chrono::milliseconds m_delay;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::optional<std::string> m_pending;
    std::chrono::steady_clock::time_point m_due;
    bool m_writing = false;
    bool m_stopping = false;
    int m_writes = 0;
    std::thread m_thread;
};

} // namespace sorvat
