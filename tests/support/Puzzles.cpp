#include "support/Puzzles.h"

#include <fstream>
#include <stdexcept>

namespace sorvat::test {

void AddGrid(EntryList& list, std::string_view grid, int kind) {
    for (int i = 0; i < 81 && i < static_cast<int>(grid.size()); ++i)
        if (grid[static_cast<std::size_t>(i)] >= '1' && grid[static_cast<std::size_t>(i)] <= '9')
            list.Add(Entry(i % 9, i / 9, DigitAt(grid, i % 9, i / 9), kind));
}

EntryList Givens(std::string_view grid) {
    EntryList list;
    AddGrid(list, grid, Lock);
    return list;
}

void AddAnswers(EntryList& list, std::string_view puzzle, std::string_view solution) {
    for (int i = 0; i < 81; ++i)
        if (puzzle[static_cast<std::size_t>(i)] < '1' || puzzle[static_cast<std::size_t>(i)] > '9')
            list.Add(Entry(i % 9, i / 9, DigitAt(solution, i % 9, i / 9), Fix));
}

EntryList Played(std::string_view answers) {
    EntryList list = Givens();
    AddAnswers(list, EasyPuzzle, answers);
    return list;
}

EntryList FirstLocksOfTheAnswer(int count) {
    EntryList list;
    for (int i = 0; i < count; ++i) list.Add(Entry(i % 9, i / 9, DigitAt(EasySolution, i % 9, i / 9), Lock));
    list.Add(Entry(8, 8, 0, Fix));
    return list;
}

std::string SwappedSolution() {
    std::string wrong(EasySolution);
    std::swap(wrong[2], wrong[3]);
    return wrong;
}

void BuildBoard(CellBoard& board, EntryList& list) {
    board.entries = &list;
    board.SetLevel(0);
    board.Analyze();
}

std::string Contradictory() {
    std::string puzzle(81, '.');
    for (int x = 0; x < 8; ++x) puzzle[static_cast<std::size_t>(x)] = static_cast<char>('1' + x);
    puzzle[17] = '9';
    return puzzle;
}

std::string Grid(std::string_view puzzle, std::string_view gap, std::string_view bar, std::string rule, bool frame) {
    if (!rule.empty()) rule += '\n';
    std::string text = frame ? rule : "";
    for (std::size_t i = 0; i < 81; ++i) {
        if (i == 27 || i == 54) text += rule;
        text += i % 9 == 0 ? (frame ? "| " : "") : std::string(i % 3 == 0 ? bar : gap);
        text += puzzle[i];
        if (i % 9 == 8) text += frame ? " |\n" : "\n";
    }
    return text + (frame ? rule : "");
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

std::unique_ptr<CellBoard> Analysed(EntryList& list, int level, bool repeat, bool autoConfirm) {
    auto b = std::make_unique<CellBoard>();
    b->entries = &list;
    b->SetLevel(level);
    b->repeatUntilStable = repeat ? 1 : 0;
    b->autoConfirm = autoConfirm ? 1 : 0;
    b->Analyze();
    return b;
}

} // namespace sorvat::test
