// Per-puzzle time distribution over a collection: the answer board, one
// click (a Fix through the game session, as the right button plays it:
// level 8, repeat on) and one next move through the session. Google Benchmark reports means; frame budgets need the tail,
// so this program times every single operation and prints min, median,
// 99th percentile and max. Times are the thread's CPU time, which the other
// processes of a shared machine do not inflate; --wall uses wall-clock time.
//
//   collection_bench FILE [--limit N] [--steps N] [--click-every K] [--next-every K] [--wall] [--continue PATH]
//   --steps N stops each simulated solve after N clicks (0: the answer board only).
//   --continue PATH keeps PATH up to date as the window keeps its continue
//   file (a listener formats the entries and hands them to the writer thread).
//
// FILE holds one puzzle per line; "puzzle:solution" lines give the digits the
// simulated player enters, otherwise the answer board's digits are used and
// the clicks stop where it leaves cells open.
#include "game/AnswerBoard.h"
#include "game/GameSession.h"
#include "files/DeferredFileWriter.h"
#include "files/PuzzleLines.h"
#include "model/CellBoard.h"
#include "settings/Settings.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

using namespace sorvat;
using Clock = std::chrono::steady_clock;

namespace {

struct Sample {
    double ms;
    long line;
};

struct Series {
    const char* name;
    std::vector<Sample> samples;

    void Print() {
        if (samples.empty()) {
            std::printf("%-22s no samples\n", name);
            return;
        }
        std::sort(samples.begin(), samples.end(), [](const Sample& a, const Sample& b) { return a.ms < b.ms; });
        auto at = [&](double q) { return samples[static_cast<std::size_t>(q * static_cast<double>(samples.size() - 1))].ms; };
        double sum = 0;
        for (const Sample& s : samples) sum += s.ms;
        std::printf("%-22s n=%-8zu min %8.3f  median %8.3f  mean %8.3f  p99 %8.3f  max %8.3f ms  (worst: line %ld)\n",
                    name, samples.size(), samples.front().ms, at(0.5), sum / static_cast<double>(samples.size()),
                    at(0.99), samples.back().ms, samples.back().line);
    }
};

bool useWallClock = false;

double NowMs() {
    if (useWallClock) return std::chrono::duration<double, std::milli>(Clock::now().time_since_epoch()).count();
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

template <class F>
double TimeMs(F&& f) {
    const double start = NowMs();
    f();
    return NowMs() - start;
}

void SetUpAnswer(CellBoard& board, EntryList& list) {
    board.ResetCells();
    board.entries = &list;
    ConfigureAnswerBoard(board);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE [--limit N] [--steps N] [--click-every K] [--next-every K] [--wall] "
                             "[--continue PATH]\n", argv[0]);
        return 2;
    }
    long limit = 0, steps = -1, clickEvery = 1, nextEvery = 10;
    std::string continuePath;
    for (int i = 2; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--wall") {
            useWallClock = true;
            continue;
        }
        if (i + 1 >= argc) break;
        if (option == "--continue") {
            continuePath = argv[++i];
            continue;
        }
        ++i;
        const long value = std::strtol(argv[i], nullptr, 10);
        if (option == "--limit") limit = value;
        else if (option == "--steps") steps = value;
        else if (option == "--click-every") clickEvery = std::max(1L, value);
        else if (option == "--next-every") nextEvery = std::max(1L, value);
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::fprintf(stderr, "%s: cannot open\n", argv[1]);
        return 1;
    }

    Series answer{"answer board", {}}, click{"click (level 8, repeat)", {}}, next{"NextMove (level 8)", {}};
    auto board = std::make_unique<CellBoard>();
    auto session = std::make_unique<GameSession>();
    std::unique_ptr<DeferredFileWriter> continueWriter;
    if (!continuePath.empty()) {
        continueWriter = std::make_unique<DeferredFileWriter>(continuePath, std::chrono::seconds(1));
        session->Listen([&](const SessionChange& change) {
            if (change.EntriesChanged()) continueWriter->Post(session->FileBytes(continuePath));
        });
    }
    Settings settings;
    settings.analysisLevel = 8;
    settings.repeatFlag = 1;
    settings.autoConfirmFlag = 0;
    long lineNumber = 0, puzzles = 0, solved = 0;
    std::string text;
    while (std::getline(in, text) && (limit == 0 || puzzles < limit)) {
        ++lineNumber;
        const LineVerdict verdict = ParsePuzzleLine(text);
        if (verdict.kind != LineKind::Puzzle) continue;
        ++puzzles;
        EntryList locks = LocksFromPuzzle(verdict.puzzle);

        EntryList answerList(locks);
        SetUpAnswer(*board, answerList);
        answer.samples.push_back({TimeMs([&] { board->Analyze(); }), lineNumber});
        solved += board->solvedCount == 81 && !board->HasDeadCell();
        if (steps == 0) continue;

        std::string digits(81, '.');
        const auto colon = text.find(':');
        if (colon != std::string::npos && text.size() >= colon + 82)
            digits = text.substr(colon + 1, 81);
        else
            for (int i = 0; i < 81; ++i) {
                const int d = board->cells[i / 9][i % 9].solvedDigit;
                if (d < 9) digits[static_cast<std::size_t>(i)] = static_cast<char>('1' + d);
            }

        // The player fills the open cells row by row; each click re-analyses.
        session->Start(locks);
        session->ApplySettings(settings);
        long step = 0;
        for (int i = 0; i < 81 && (steps < 0 || step < steps); ++i) {
            if (verdict.puzzle[static_cast<std::size_t>(i)] != '.' || digits[static_cast<std::size_t>(i)] == '.') continue;
            if (step % nextEvery == 0)
                next.samples.push_back({TimeMs([&] { session->NextMove(); }), lineNumber});
            const int x = i % 9, y = i / 9, d = digits[static_cast<std::size_t>(i)] - '1';
            if (step % clickEvery == 0)
                click.samples.push_back({TimeMs([&] { session->EnterFix(x, y, d); }), lineNumber});
            else
                session->EnterFix(x, y, d);
            ++step;
        }
    }
    std::printf("%s: %ld puzzles, %ld solved by the answer board (%s time)\n", argv[1], puzzles, solved,
                useWallClock ? "wall-clock" : "CPU");
    answer.Print();
    click.Print();
    next.Print();
    return 0;
}
