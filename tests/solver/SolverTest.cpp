// The complete solver against qqwing (a peer the setup installs, run as a
// child process) and against the answer board.
#include "files/PuzzleLines.h"
#include "game/AnswerBoard.h"
#include "game/AnswerDigits.h"
#include "solver/Solver.h"
#include "support/ChildProcess.h"
#include "support/Puzzles.h"
#include "support/TempDirectory.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace sorvat;
using namespace sorvat::solver;

namespace {

// A complete grid without a digit twice in a group that keeps the givens.
bool IsSolutionOf(const Grid& puzzle, const Grid& grid) {
    const std::string text = TextOfGrid(grid);
    if (text.find('.') != std::string::npos || HasConflict(text)) return false;
    for (int i = 0; i < 81; ++i)
        if (puzzle[static_cast<std::size_t>(i)] != 0 && puzzle[static_cast<std::size_t>(i)] != grid[static_cast<std::size_t>(i)])
            return false;
    return true;
}

struct PeerVerdict {
    int count = 0;  // capped at 2
    std::string solution;
};

// qqwing prints, per puzzle, "Puzzle is not possible." for clashing givens,
// or its solution (or "Puzzle has no solution.") and then a line with the
// number of solutions.
std::vector<PeerVerdict> QqwingCounts(const std::string& file) {
    std::istringstream out(sorvat::test::CommandOutput("qqwing --solve --count-solutions --one-line <" + file));
    std::vector<PeerVerdict> verdicts;
    std::string solution;
    for (std::string line; std::getline(out, line);) {
        if (line.size() == 81) solution = line;
        PeerVerdict v;
        if (line.find("not possible") != std::string::npos) {
            verdicts.push_back(v);
            continue;
        }
        if (line.find("solution") == std::string::npos || line.find("has no solution") != std::string::npos) continue;
        if (line.find("unique") != std::string::npos) v = {1, solution};
        else if (line.find("There are") != std::string::npos && line.find("no solutions") == std::string::npos) v.count = 2;
        verdicts.push_back(v);
        solution.clear();
    }
    return verdicts;
}

} // namespace

// Generated puzzles and variants with one or two givens taken away (often
// several solutions) or one given changed (often none): the same count as
// qqwing, up to two, its solution where there is one, two valid different
// solutions where there are more.
TEST(Solver, CountsAndSolutionsAgreeWithQqwing) {
    ASSERT_FALSE(sorvat::test::CommandOutput("command -v qqwing").empty()) << "qqwing is not installed";
    std::vector<Grid> puzzles;
    std::istringstream generated(sorvat::test::CommandOutput("qqwing --generate 40 --difficulty any --one-line"));
    for (std::string line; std::getline(generated, line);)
        if (ParsePuzzleLine(line).kind == LineKind::Puzzle) puzzles.push_back(GridFromText(line));
    ASSERT_EQ(puzzles.size(), 40u);
    for (std::size_t i = 0; i < 40; ++i) {
        Grid variant = puzzles[i];
        std::vector<int> givens;
        for (int c = 0; c < 81; ++c)
            if (variant[static_cast<std::size_t>(c)]) givens.push_back(c);
        const auto at = [&](std::size_t k) { return static_cast<std::size_t>(givens[(i * 7 + k * 13) % givens.size()]); };
        if (i % 4 == 3) {
            variant[at(0)] = static_cast<std::uint8_t>(variant[at(0)] % 9 + 1);
        } else {
            for (std::size_t k = 0; k <= i % 2; ++k) variant[at(k)] = 0;
        }
        puzzles.push_back(variant);
    }
    sorvat::test::TempDirectory dir;
    std::string text;
    for (const Grid& p : puzzles) text += TextOfGrid(p) + "\n";
    const std::string file = dir.Write("puzzles.txt", text);
    const auto peer = QqwingCounts(file);
    ASSERT_EQ(peer.size(), puzzles.size());

    int seen[3] = {};
    for (std::size_t i = 0; i < puzzles.size(); ++i) {
        SCOPED_TRACE(TextOfGrid(puzzles[i]));
        const Solutions mine = CountSolutions(puzzles[i], 2);
        ++seen[mine.count];
        EXPECT_EQ(mine.count, peer[i].count);
        if (mine.count == 1) {
            EXPECT_EQ(TextOfGrid(mine.first), peer[i].solution);
        }
        if (mine.count == 2) {
            EXPECT_TRUE(IsSolutionOf(puzzles[i], mine.first));
            EXPECT_TRUE(IsSolutionOf(puzzles[i], mine.second));
            EXPECT_NE(mine.first, mine.second);
        }
    }
    EXPECT_GT(seen[0], 0);
    EXPECT_GE(seen[1], 40);
    EXPECT_GT(seen[2], 0);
}

// The solver finds the one solution of the stored puzzles; the answer
// board's fast path gives what the analysis gives, on puzzles of both paths.
TEST(Solver, AgreesWithTheAnswerBoard) {
    int solvedByAnalysis = 0, fast = 0;
    for (const std::string file : {"qqwing.txt", "hard.txt"})
        for (const auto& c : sorvat::test::ReadPuzzleCases(file)) {
            SCOPED_TRACE(c.puzzle);
            const EntryList givens = LocksFromPuzzle(c.puzzle);
            const Solutions s = CountSolutions(GridFromText(c.puzzle));
            ASSERT_EQ(s.count, 1);
            EXPECT_EQ(TextOfGrid(s.first), c.solution);
            const AnswerResult full = AnalyzedDigits(givens, 9);
            const AnswerResult answer = AnswerDigits(givens);
            EXPECT_EQ(answer.digits, full.digits);
            EXPECT_EQ(answer.solvedCount, full.solvedCount);
            EXPECT_EQ(answer.deadCell, full.deadCell);
            EXPECT_EQ(answer.conflict, full.conflict);
            solvedByAnalysis += full.solvedCount == 81;
            fast += SolveWithoutGuessing(GridFromText(c.puzzle)).has_value();
        }
    EXPECT_GT(fast, 0);
    EXPECT_GT(solvedByAnalysis, fast);
}

TEST(Solver, ClashingGivensOrACellWithoutDigitMeanNoSolution) {
    std::string rowClash(81, '.'), columnClash(81, '.'), boxClash(81, '.');
    rowClash[0] = rowClash[8] = '5';
    columnClash[4] = columnClash[76] = '5';
    boxClash[0] = boxClash[20] = '5';
    for (const std::string& p : {rowClash, columnClash, boxClash, sorvat::test::Contradictory()}) {
        EXPECT_EQ(CountSolutions(GridFromText(p)).count, 0) << p;
        EXPECT_FALSE(SolveWithoutGuessing(GridFromText(p))) << p;
    }
    const Solutions empty = CountSolutions(Grid{}, 2);
    ASSERT_EQ(empty.count, 2);
    EXPECT_TRUE(IsSolutionOf(Grid{}, empty.first));
    EXPECT_TRUE(IsSolutionOf(Grid{}, empty.second));
    EXPECT_NE(empty.first, empty.second);
    EXPECT_EQ(CountSolutions(Grid{}, 1).count, 1);
}
