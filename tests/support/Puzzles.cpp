#include "game/AnswerBoard.h"
#include "support/Puzzles.h"

#include <cstring>
#include <fstream>
#include <regex>
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

EntryList BoxHiddenSingleLocks() {
    EntryList list;
    for (const Entry& e : {Entry(4, 0, 4, Lock), Entry(7, 1, 4, Lock), Entry(1, 5, 4, Lock), Entry(2, 7, 4, Lock)})
        list.Add(e);
    return list;
}

std::unique_ptr<CellBoard> Analysed(EntryList& list, int level, bool repeat, bool autoConfirm) {
    auto b = std::make_unique<CellBoard>();
    b->entries = &list;
    b->SetLevel(level);
    b->repeatUntilStable = repeat ? 1 : 0;
    b->autoConfirm = autoConfirm ? 1 : 0;
    b->Analyze();
    return b;
}

void AnalyzeAsAnswer(CellBoard& board, EntryList& list) {
    AnalyzeGivens(list, board);
}

std::string NextMoveBytes(CellBoard& board) {
    char buffer[NextMoveBufferSize];
    std::memset(buffer, 'x', sizeof buffer);
    const int length = board.NextMove(buffer, sizeof buffer);
    if (length < 0 || length >= NextMoveBufferSize) throw std::runtime_error("next move length out of range");
    return std::string(buffer, static_cast<std::size_t>(length));
}

std::tuple<int, int, int> MovedCell(const std::string& text) {
    static const std::regex re(R"(\(X(\d),Y(\d)\) = (\d))");
    std::smatch m;
    if (!std::regex_search(text, m, re)) return {0, 0, 0};
    return {std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3])};
}

} // namespace sorvat::test
