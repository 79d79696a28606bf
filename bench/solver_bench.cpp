// The complete solver alone, without the command line's reading and output:
// the collection is read into memory first, then every puzzle's solutions
// are counted (limit 2) and the thread's CPU time per puzzle is printed.
//
//   solver_bench FILE... [--repeat N] [--print]
//   --print writes "PUZZLE COUNT SOLUTION" lines, for comparing with a peer.
#include "files/PuzzleLines.h"
#include "solver/Solver.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

using namespace sorvat;

namespace {

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<solver::Grid> puzzles;
    int repeat = 1;
    bool print = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--repeat") == 0 && i + 1 < argc) {
            repeat = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--print") == 0) {
            print = true;
        } else {
            std::ifstream in(argv[i]);
            for (std::string line; std::getline(in, line);) {
                const LineVerdict v = ParsePuzzleLine(line);
                if (v.kind == LineKind::Puzzle) puzzles.push_back(solver::GridFromText(v.puzzle));
            }
        }
    }
    if (puzzles.empty()) {
        std::fprintf(stderr, "usage: solver_bench FILE... [--repeat N] [--print]\n");
        return 2;
    }
    long counts[3] = {};
    const double start = CpuSeconds();
    for (int r = 0; r < repeat; ++r)
        for (const auto& p : puzzles) {
            const solver::Solutions s = solver::CountSolutions(p, 2);
            if (r == 0) {
                ++counts[s.count];
                if (print)
                    std::printf("%s %d %s\n", solver::TextOfGrid(p).c_str(), s.count,
                                s.count > 0 ? solver::TextOfGrid(s.first).c_str() : "-");
            }
        }
    const double seconds = CpuSeconds() - start;
    std::fprintf(stderr, "%zu puzzles x %d: %ld none, %ld unique, %ld multiple; %.3f us cpu per puzzle\n",
                 puzzles.size(), repeat, counts[0], counts[1], counts[2],
                 seconds * 1e6 / static_cast<double>(puzzles.size() * static_cast<std::size_t>(repeat)));
    return 0;
}
