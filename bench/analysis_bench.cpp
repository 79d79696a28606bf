// Benchmarks of the analysis: the answer board, one click's re-analysis,
// the next-move search and reading puzzle files.
//   analysis_bench [--benchmark_filter=...]   (SORVAT_BENCH_PUZZLES=file of 81-character lines)
#include "game/AnswerBoard.h"
#include "files/PuzzleFile.h"
#include "model/CellBoard.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

using namespace sorvat;

namespace {

std::vector<std::string> LoadPuzzles() {
    std::vector<std::string> out;
    const char* env = std::getenv("SORVAT_BENCH_PUZZLES");
    std::ifstream in(env ? env : SORVAT_SOURCE_DIR "/tests/data/qqwing.txt");
    std::string line;
    while (std::getline(in, line)) {
        if (line.size() < 81 || line[0] == '#') continue;
        out.push_back(line.substr(0, 81));
    }
    return out;
}

const std::vector<std::string>& Puzzles() {
    static const std::vector<std::string> puzzles = LoadPuzzles();
    return puzzles;
}

EntryList Locks(const std::string& line) {
    EntryList list;
    for (int i = 0; i < 81; ++i)
        if (line[i] >= '1' && line[i] <= '9') list.Add(Entry(i % 9, i / 9, line[i] - '1', Lock));
    return list;
}

void BM_AnswerBoard(benchmark::State& state) {
    const auto& puzzles = Puzzles();
    auto board = std::make_unique<CellBoard>();
    std::size_t i = 0;
    for (auto _ : state) {
        EntryList list = Locks(puzzles[i++ % puzzles.size()]);
        board->ResetCells();
        AnalyzeGivens(list, *board);
        benchmark::DoNotOptimize(board->solvedCount);
    }
    state.counters["puzzles"] = static_cast<double>(puzzles.size());
}
BENCHMARK(BM_AnswerBoard)->Unit(benchmark::kMillisecond);

// One click's re-analysis at a level (with repeat), averaged over the moves of a solve.
void BM_ClickAnalysis(benchmark::State& state) {
    const int level = static_cast<int>(state.range(0));
    const auto& puzzles = Puzzles();
    auto answer = std::make_unique<CellBoard>();
    auto board = std::make_unique<CellBoard>();
    std::size_t p = 0;
    for (auto _ : state) {
        state.PauseTiming();
        EntryList solved = Locks(puzzles[p++ % puzzles.size()]);
        answer->ResetCells();
        AnalyzeGivens(solved, *answer);
        EntryList list = Locks(puzzles[(p - 1) % puzzles.size()]);
        board->ResetCells();
        board->entries = &list;
        board->SetLevel(level);
        board->repeatUntilStable = 1;
        state.ResumeTiming();
        for (int i = list.Count(); i < solved.Count(); ++i) {
            list.Add(solved.At(i));
            board->Analyze();
        }
    }
}
BENCHMARK(BM_ClickAnalysis)->Arg(2)->Arg(5)->Arg(8)->Unit(benchmark::kMillisecond);

void BM_NextMove(benchmark::State& state) {
    const auto& puzzles = Puzzles();
    auto board = std::make_unique<CellBoard>();
    char buffer[NextMoveBufferSize];
    std::size_t i = 0;
    for (auto _ : state) {
        EntryList list = Locks(puzzles[i++ % puzzles.size()]);
        board->ResetCells();
        board->entries = &list;
        board->SetLevel(8);
        board->repeatUntilStable = 1;
        benchmark::DoNotOptimize(board->NextMove(buffer, sizeof buffer));
    }
}
BENCHMARK(BM_NextMove)->Unit(benchmark::kMillisecond);

void BM_ReadPuzzleFile(benchmark::State& state) {
    const bool md2 = state.range(0) == 2;
    const std::string name = md2 ? "p.md2" : "p.md1";
    EntryList source = Locks(Puzzles()[0]);
    const std::string bytes = PuzzleFile::Format(name, source);
    for (auto _ : state) {
        EntryList list;
        PuzzleFile file;
        benchmark::DoNotOptimize(file.ReadBytes(bytes, name, list));
    }
}
BENCHMARK(BM_ReadPuzzleFile)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
