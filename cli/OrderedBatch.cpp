#include "OrderedBatch.h"

#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <utility>

namespace sorvat::cli {

namespace {

struct Slot {
    CollectionPuzzle puzzle;
    PuzzleOutcome outcome;
    bool done = false;
};

// A ring of `window` slots: the reader fills slot `read % window`, workers
// take slots in reading order, and whoever completes the oldest slot emits
// every finished slot from there on, which keeps the output in input order.
class Pipeline {
public:
    Pipeline(std::size_t window_, const PuzzleWork& work_, const PuzzleEmit& emit_)
        : window(window_), slots(window_), work(work_), emit(emit_) {}

    bool Put(CollectionPuzzle&& puzzle) {
        std::unique_lock lock(mutex);
        hasSpace.wait(lock, [&] { return read - emitted < window || failed; });
        if (failed) return false;
        Slot& slot = slots[read % window];
        slot.puzzle = std::move(puzzle);
        slot.outcome = PuzzleOutcome{};
        slot.done = false;
        ++read;
        hasWork.notify_one();
        return true;
    }

    void Close() {
        std::lock_guard lock(mutex);
        closed = true;
        hasWork.notify_all();
    }

    void Work() {
        std::unique_lock lock(mutex);
        for (;;) {
            hasWork.wait(lock, [&] { return taken < read || closed || failed; });
            if (failed || taken == read) return;
            Slot& slot = slots[taken % window];
            ++taken;
            lock.unlock();
            std::exception_ptr error;
            try {
                const auto start = std::chrono::steady_clock::now();
                work(slot.puzzle, slot.outcome);
                slot.outcome.seconds =
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            } catch (...) {
                error = std::current_exception();
            }
            lock.lock();
            if (error) {
                Fail(error);
                return;
            }
            slot.done = true;
            try {
                EmitFinished();
            } catch (...) {
                Fail(std::current_exception());
                return;
            }
        }
    }

    void Rethrow() {
        if (firstError) std::rethrow_exception(firstError);
    }

private:
    // Runs with the mutex held, so emits never overlap.
    void EmitFinished() {
        while (emitted < read && slots[emitted % window].done) {
            Slot& slot = slots[emitted % window];
            emit(emitted, slot.puzzle, slot.outcome);
            slot.done = false;
            ++emitted;
            hasSpace.notify_one();
        }
    }

    void Fail(std::exception_ptr error) {
        if (!firstError) firstError = error;
        failed = true;
        hasWork.notify_all();
        hasSpace.notify_all();
    }

    const std::size_t window;
    std::vector<Slot> slots;
    const PuzzleWork& work;
    const PuzzleEmit& emit;
    std::mutex mutex;
    std::condition_variable hasSpace;
    std::condition_variable hasWork;
    std::uint64_t read = 0;
    std::uint64_t taken = 0;
    std::uint64_t emitted = 0;
    bool closed = false;
    bool failed = false;
    std::exception_ptr firstError;
};

// One job: each puzzle is worked on and emitted as soon as it is read, on
// the reading thread; handing puzzles to one other thread would cost more
// than many a puzzle takes.
std::int64_t RunInline(const std::vector<std::string>& inputs, const PuzzleWork& work, const PuzzleEmit& emit,
                       const CollectionReader::ProblemHandler& onProblem,
                       const std::function<void(std::uint64_t)>& onRead) {
    std::uint64_t index = 0;
    PuzzleOutcome outcome;
    CollectionReader* readerPtr = nullptr;
    CollectionReader reader(
        [&](CollectionPuzzle&& puzzle) {
            if (onRead) onRead(readerPtr->BytesRead());
            outcome = PuzzleOutcome{};
            const auto start = std::chrono::steady_clock::now();
            work(puzzle, outcome);
            outcome.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            emit(index++, puzzle, outcome);
            return true;
        },
        onProblem);
    readerPtr = &reader;
    reader.Read(inputs);
    return reader.Problems();
}

} // namespace

int JobCount(int requested) {
    if (requested > 0) return requested;
    const unsigned cores = std::thread::hardware_concurrency();
    return cores > 0 ? static_cast<int>(cores) : 1;
}

std::int64_t RunOrderedBatch(const std::vector<std::string>& inputs, int jobs, std::size_t window,
                             const PuzzleWork& work, const PuzzleEmit& emit,
                             const CollectionReader::ProblemHandler& onProblem,
                             const std::function<void(std::uint64_t)>& onRead) {
    if (JobCount(jobs) == 1) return RunInline(inputs, work, emit, onProblem, onRead);
    Pipeline pipeline(window > 0 ? window : 1, work, emit);
    std::vector<std::thread> workers;
    // The default thread stack (8 MB on Linux) holds the analysis' scratch
    // boards with room to spare.
    for (int i = 0; i < JobCount(jobs); ++i) workers.emplace_back([&pipeline] { pipeline.Work(); });

    CollectionReader* readerPtr = nullptr;
    CollectionReader reader(
        [&](CollectionPuzzle&& puzzle) {
            if (onRead) onRead(readerPtr->BytesRead());
            return pipeline.Put(std::move(puzzle));
        },
        onProblem);
    readerPtr = &reader;
    std::exception_ptr readError;
    try {
        reader.Read(inputs);
    } catch (...) {
        readError = std::current_exception();
    }
    pipeline.Close();
    for (auto& worker : workers) worker.join();
    if (readError) std::rethrow_exception(readError);
    pipeline.Rethrow();
    return reader.Problems();
}

} // namespace sorvat::cli
