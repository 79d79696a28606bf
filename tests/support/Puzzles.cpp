#include "support/Puzzles.h"

#include <fstream>
#include <stdexcept>

namespace sorvat::test {

EntryList LocksFromLine(const std::string& line) {
    EntryList list;
    for (int i = 0; i < 81 && i < static_cast<int>(line.size()); ++i)
        if (line[i] >= '1' && line[i] <= '9') list.Add(Entry(i % 9, i / 9, line[i] - '1', Lock));
    return list;
}

std::string SolvedLine(const CellBoard& board) {
    std::string out;
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const int d = board.cells[y][x].solvedDigit;
            out.push_back(d < 9 ? static_cast<char>('1' + d) : '.');
        }
    return out;
}

std::vector<PuzzleCase> ReadPuzzleCases(const std::string& name) {
    std::ifstream in(std::string(SORVAT_TEST_DATA) + "/" + name);
    if (!in) throw std::runtime_error("missing test data " + name);
    std::vector<PuzzleCase> out;
    std::string line;
    while (std::getline(in, line)) {
        auto colon = line.find(':');
        if (line.empty() || line[0] == '#' || colon == std::string::npos) continue;
        out.push_back({line.substr(0, colon), line.substr(colon + 1, 81)});
    }
    return out;
}

void AnalyzeAsAnswer(CellBoard& board, EntryList& list) {
    board.entries = &list;
    board.SetLevel(9);
    board.repeatUntilStable = 1;
    board.autoConfirm = 1;
    board.Analyze();
}

} // namespace sorvat::test
