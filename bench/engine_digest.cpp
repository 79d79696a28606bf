// Prints one digest line per (puzzle, position) of the given files: a hash of
// the analysis results over many settings (see tests/support/EngineDigest.h).
// Two builds of the engine print the same lines exactly when their results
// are the same cell by cell, so a change meant only to make the analysis
// faster is checked with
//   engine_digest tests/data/qqwing.txt > before; (rebuild); engine_digest ... > after; cmp before after
// over as many collections as time allows (`-n N` reads the first N puzzles
// of each file that follows it).
#include "support/EngineDigest.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s [-n PUZZLES_PER_FILE] FILE...\n", argv[0]);
        return 2;
    }
    int limit = 1 << 30;
    for (int a = 1; a < argc; ++a) {
        if (std::strcmp(argv[a], "-n") == 0 && a + 1 < argc) {
            limit = std::atoi(argv[++a]);
            continue;
        }
        const std::string path = argv[a];
        const std::string name = path.substr(path.find_last_of('/') + 1);
        const auto puzzles = sorvat::test::ReadDigestPuzzles(path, limit);
        for (std::size_t n = 0; n < puzzles.size(); ++n) {
            const auto positions = sorvat::test::DigestPositions(puzzles[n]);
            for (std::size_t k = 0; k < positions.size(); ++k)
                std::printf("%s:%zu:%zu %016llx\n", name.c_str(), n, k,
                            static_cast<unsigned long long>(sorvat::test::DigestOfPosition(positions[k])));
        }
    }
    return 0;
}
