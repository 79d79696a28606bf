#include "files/DeferredFileWriter.h"

#include "files/ReplacingFile.h"

namespace sorvat {

DeferredFileWriter::DeferredFileWriter(std::filesystem::path target, std::chrono::milliseconds delay)
    : m_target(std::move(target)), m_delay(delay), m_thread([this] { Run(); }) {}

DeferredFileWriter::~DeferredFileWriter() { Stop(); }

void DeferredFileWriter::Post(std::string bytes) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_stopping) return;
        if (!m_pending) m_due = std::chrono::steady_clock::now() + m_delay;  // the oldest unwritten post sets the time
        m_pending = std::move(bytes);
    }
    m_changed.notify_all();
}

void DeferredFileWriter::Flush() {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_writing; });
    WritePending(lock);
}

void DeferredFileWriter::Stop() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
        m_pending.reset();
    }
    m_changed.notify_all();
    if (m_thread.joinable()) m_thread.join();
}

int DeferredFileWriter::Writes() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_writes;
}

void DeferredFileWriter::Run() {
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_stopping) {
        if (!m_pending) {
            m_changed.wait(lock);
            continue;
        }
        if (m_changed.wait_until(lock, m_due, [this] { return m_stopping || !m_pending; })) continue;
        WritePending(lock);
    }
}

// Called with the lock held; writes without it, so posts never wait for the disk.
bool DeferredFileWriter::WritePending(std::unique_lock<std::mutex>& lock) {
    if (!m_pending) return true;
    const std::string bytes = std::move(*m_pending);
    m_pending.reset();
    m_writing = true;
    lock.unlock();
    const bool written = ReplaceFileContents(m_target, bytes);
    lock.lock();
    m_writing = false;
    if (written) ++m_writes;
    m_changed.notify_all();
    return written;
}

} // namespace sorvat
