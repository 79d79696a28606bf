#include "support/EngineDigest.h"

#include "model/CellBoard.h"

#include <cstring>
#include <fstream>
#include <memory>

namespace sorvat::test {

namespace {

struct Hash {
    std::uint64_t value = 1469598103934665603ull;
    void Add(const void* data, std::size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) value = (value ^ bytes[i]) * 1099511628211ull;
    }
    void Add(int v) { Add(&v, sizeof v); }
};

void Digest(const EntryList& position, int level, int repeat, int autoConfirm, int limit, bool nextMove,
            Hash& hash) {
    EntryList list = position;
    auto board = std::make_unique<CellBoard>();
    board->entries = &list;
    board->SetLevel(level);
    board->repeatUntilStable = repeat;
    board->autoConfirm = autoConfirm;
    board->columnLimit = board->rowLimit = board->singleLimit = limit;
    hash.Add(board->Analyze());
    hash.Add(&board->cells, sizeof board->cells);
    hash.Add(board->enteredCount);
    hash.Add(board->solvedCount);
    hash.Add(list.Count());
    hash.Add(list.Position());
    for (int i = 0; i < list.Count(); ++i) {
        const Entry e = list.At(i);
        hash.Add(e.x);
        hash.Add(e.y);
        hash.Add(e.digit);
        hash.Add(e.kind);
    }
    if (nextMove) {
        char buffer[NextMoveBufferSize];
        std::memset(buffer, 0, sizeof buffer);
        const int length = board->NextMove(buffer, sizeof buffer);
        hash.Add(length);
        hash.Add(buffer, sizeof buffer);
        hash.Add(&board->cells, sizeof board->cells);
    }
}

} // namespace

std::vector<DigestPuzzle> ReadDigestPuzzles(const std::string& path, int limit) {
    std::vector<DigestPuzzle> puzzles;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line) && static_cast<int>(puzzles.size()) < limit) {
        if (line.size() < 81 || line[0] == '#') continue;
        DigestPuzzle p{line.substr(0, 81), {}};
        if (line.size() >= 163 && line[81] == ':') p.solution = line.substr(82, 81);
        puzzles.push_back(p);
    }
    return puzzles;
}

// The positions analysed for one puzzle: the givens as Locks, then (with a
// solution) some Fix entries in a scrambled order, a few Possible marks and
// one wrong Fix entry.
std::vector<EntryList> DigestPositions(const DigestPuzzle& p) {
    std::vector<EntryList> positions;
    EntryList locks;
    for (int i = 0; i < 81; ++i)
        if (p.givens[i] >= '1' && p.givens[i] <= '9') locks.Add(Entry(i % 9, i / 9, p.givens[i] - '1', Lock));
    positions.push_back(locks);
    if (p.solution.empty()) return positions;

    std::vector<int> open;
    for (int k = 0; k < 81; ++k) {
        const int i = (k * 37) % 81;  // 37 is prime to 81: every cell once
        if (p.givens[i] < '1' || p.givens[i] > '9') open.push_back(i);
    }
    EntryList played = locks;
    int added = 0;
    for (int i : open) {
        played.Add(Entry(i % 9, i / 9, p.solution[i] - '1', Fix));
        if (++added == 6 || added == 20) positions.push_back(played);
    }
    EntryList marked = locks;
    for (std::size_t k = 0; k < open.size() && k < 4; ++k) {
        const int i = open[k];
        marked.Add(Entry(i % 9, i / 9, (p.solution[i] - '1' + 1 + static_cast<int>(k)) % 9, Possible));
    }
    positions.push_back(marked);
    if (!open.empty()) {
        EntryList wrong = locks;
        const int i = open.back();
        wrong.Add(Entry(i % 9, i / 9, (p.solution[i] - '1' + 4) % 9, Fix));
        positions.push_back(wrong);
    }
    return positions;
}

std::uint64_t DigestOfPosition(const EntryList& position) {
    Hash hash;
    for (int level = 0; level <= 9; ++level)
        for (int repeat = 0; repeat <= 1; ++repeat)
            for (int autoConfirm = 0; autoConfirm <= 1; ++autoConfirm)
                Digest(position, level, repeat, autoConfirm, 0, false, hash);
    Digest(position, 9, 1, 1, 3, false, hash);
    Digest(position, 5, 1, 0, 5, false, hash);
    Digest(position, 8, 1, 0, 0, true, hash);
    Digest(position, 4, 0, 0, 2, true, hash);
    return hash.value;
}

} // namespace sorvat::test
