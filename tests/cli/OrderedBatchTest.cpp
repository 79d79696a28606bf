#include "CliTestSupport.h"
#include "OrderedBatch.h"
#include "files/PuzzleLines.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <random>
#include <stdexcept>
#include <thread>

using namespace sorvat;
using namespace sorvat::cli;
using sorvat::test::TempDirectory;

namespace {

// A collection whose puzzles carry their number in the first cells.
std::string NumberedCollection(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        std::string line(81, '.');
        const std::string n = std::to_string(i);
        for (std::size_t k = 0; k < n.size(); ++k) line[k] = n[k] == '0' ? '.' : n[k];
        text += line + "\n";
    }
    return text;
}

struct BatchRecord {
    std::vector<std::string> emitted;
    std::vector<std::uint64_t> indexes;
    int maxInFlight = 0;
};

BatchRecord RunNumbered(const std::string& file, int jobs, std::size_t window) {
    BatchRecord record;
    std::atomic<int> started{0};
    std::atomic<int> emittedCount{0};
    std::atomic<int> maxInFlight{0};
    std::mt19937 random(7);
    std::vector<int> delays(400);
    for (int& d : delays) d = static_cast<int>(random() % 300);
    const PuzzleWork work = [&](const CollectionPuzzle& p, PuzzleOutcome& out) {
        const int n = ++started;
        const int inFlight = n - emittedCount.load();
        for (int seen = maxInFlight.load(); inFlight > seen && !maxInFlight.compare_exchange_weak(seen, inFlight);) {
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delays[static_cast<std::size_t>(n) % delays.size()]));
        out.answer = PuzzleOfLocks(p.locks);
    };
    const PuzzleEmit emit = [&](std::uint64_t index, const CollectionPuzzle&, const PuzzleOutcome& out) {
        record.indexes.push_back(index);
        record.emitted.push_back(out.answer);
        ++emittedCount;
    };
    RunOrderedBatch({file}, jobs, window, work, emit, nullptr);
    record.maxInFlight = maxInFlight.load();
    return record;
}

} // namespace

TEST(OrderedBatch, OutputKeepsInputOrderWithAnyNumberOfJobsAndTheWindowBoundsWhatIsInFlight) {
    TempDirectory dir;
    const std::string file = dir.Write("n.txt", NumberedCollection(300));
    const BatchRecord one = RunNumbered(file, 1, 8);
    const BatchRecord four = RunNumbered(file, 4, 5);
    ASSERT_EQ(one.emitted.size(), 300u);
    EXPECT_EQ(four.emitted, one.emitted);
    for (std::size_t i = 0; i < four.indexes.size(); ++i) ASSERT_EQ(four.indexes[i], i);
    EXPECT_EQ(one.emitted[0], std::string(81, '.'));
    EXPECT_EQ(one.emitted[299].substr(0, 4), "299.");
    EXPECT_LE(four.maxInFlight, 5);
}

TEST(OrderedBatch, AFailingWorkerEndsTheBatchWithItsError) {
    TempDirectory dir;
    const std::string file = dir.Write("n.txt", NumberedCollection(100));
    std::atomic<int> calls{0};
    const PuzzleWork work = [&](const CollectionPuzzle&, PuzzleOutcome&) {
        if (++calls == 10) throw std::runtime_error("worker failed");
    };
    const PuzzleEmit emit = [](std::uint64_t, const CollectionPuzzle&, const PuzzleOutcome&) {};
    EXPECT_THROW(RunOrderedBatch({file}, 3, 4, work, emit, nullptr), std::runtime_error);
}
