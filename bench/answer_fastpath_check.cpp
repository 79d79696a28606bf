// Not a timing: proves on whole collections that the answer board's fast
// path (AnswerDigits) gives what the analysis gives. For every puzzle the
// propagation solves, the full analysis (level 9, repeat, auto-confirm) runs
// too and both are compared cell by cell, with the solved count, the dead
// cell and the conflict flags. Prints the counts; exit status 1 on any
// difference.
//
//   answer_fastpath_check FILE...
#include "files/PuzzleLines.h"
#include "game/AnswerDigits.h"
#include "solver/Solver.h"

#include <cstdio>
#include <fstream>
#include <string>

using namespace sorvat;

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: answer_fastpath_check FILE...\n");
        return 2;
    }
    long total = 0, fast = 0, differing = 0;
    for (int i = 1; i < argc; ++i) {
        std::ifstream in(argv[i]);
        if (!in) {
            std::fprintf(stderr, "%s: cannot open\n", argv[i]);
            return 2;
        }
        long lineNumber = 0, fileTotal = 0, fileFast = 0;
        for (std::string line; std::getline(in, line);) {
            ++lineNumber;
            const LineVerdict v = ParsePuzzleLine(line);
            if (v.kind != LineKind::Puzzle) continue;
            ++fileTotal;
            const EntryList givens = LocksFromPuzzle(v.puzzle);
            const auto grid = GridOfGivens(givens);
            if (!grid || !solver::SolveWithoutGuessing(*grid)) continue;
            ++fileFast;
            const AnswerResult quick = AnswerDigits(givens);
            const AnswerResult full = AnalyzedDigits(givens, 9);
            if (quick.digits != full.digits || quick.solvedCount != full.solvedCount ||
                quick.deadCell != full.deadCell || quick.conflict != full.conflict) {
                ++differing;
                std::printf("%s:%ld: differs\n  fast     %s\n  analysis %s (%d solved%s%s)\n", argv[i], lineNumber,
                            quick.digits.c_str(), full.digits.c_str(), full.solvedCount,
                            full.deadCell ? ", dead cell" : "", full.conflict ? ", conflict" : "");
            }
        }
        std::printf("%s: %ld puzzles, %ld solved by propagation and compared\n", argv[i], fileTotal, fileFast);
        total += fileTotal;
        fast += fileFast;
    }
    std::printf("total: %ld puzzles, %ld compared, %ld differ\n", total, fast, differing);
    return differing > 0 ? 1 : 0;
}
