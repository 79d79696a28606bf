// Soundness of the analysis and the next-move search on puzzles with known
// unique solutions, and the entry list's invariants under long random
// sequences of operations. The puzzles are made by qqwing at run time (a fresh
// sample every run; the setup installs it, and without it the tests fail); the
// puzzles of tests/data/hard.txt, which need the trial step, come on top.
#include "files/PuzzleLines.h"
#include "game/MoveHint.h"
#include "model/CellBoard.h"
#include "support/ChildProcess.h"
#include "support/EntryInvariants.h"
#include "support/Puzzles.h"
#include "text/Cp932.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace sorvat;
using namespace sorvat::test;

namespace {

std::vector<PuzzleCase> GeneratedByQqwing(int count) {
    std::istringstream lines(CommandOutput("qqwing --generate " + std::to_string(count) +
                                           " --one-line --solution --difficulty any 2>/dev/null"));
    std::vector<std::string> grids;
    for (std::string line; std::getline(lines, line);) {
        const LineVerdict verdict = ParsePuzzleLine(line);
        if (verdict.kind == LineKind::Puzzle) grids.push_back(verdict.puzzle);
    }
    std::vector<PuzzleCase> out;
    for (std::size_t i = 0; i + 1 < grids.size(); i += 2) out.push_back({grids[i], grids[i + 1]});
    return out;
}

constexpr std::size_t Generated = 40;

// The puzzles qqwing made for this run, then the trial puzzles.
const std::vector<PuzzleCase>& Cases() {
    static const std::vector<PuzzleCase> cases = [] {
        std::vector<PuzzleCase> got = GeneratedByQqwing(static_cast<int>(Generated));
        for (const auto& hard : ReadPuzzleCases("hard.txt")) got.push_back(hard);
        return got;
    }();
    return cases;
}

// Empty when no cell lost its true digit and no cell was given a wrong one.
std::string Unsound(const CellBoard& b, const std::string& solution) {
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const SCell& c = b.cells[y][x];
            const int truth = solution[y * 9 + x] - '1';
            const std::string at = "X" + std::to_string(x + 1) + "Y" + std::to_string(y + 1);
            if (c.solvedDigit != NoDigit && c.solvedDigit != truth)
                return at + " determined as " + std::to_string(c.solvedDigit + 1) + ", truth " +
                       std::to_string(truth + 1);
            if (c.enteredDigit != NoDigit && c.enteredDigit != truth)
                return at + " entered as " + std::to_string(c.enteredDigit + 1);
            if (c.solvedDigit == NoDigit && !(c.flags[truth] & CandidateBit))
                return at + " lost its true candidate " + std::to_string(truth + 1);
        }
    return {};
}

// The givens as Locks, plus some of the true digits as the player's Fix
// entries and some true and false Possible marks, chosen by `seed`.
EntryList GivensWithCorrectPlay(const PuzzleCase& pc, unsigned seed) {
    EntryList list = Givens(pc.puzzle);
    std::mt19937 random(seed);
    for (int i = 0; i < 81; ++i) {
        if (pc.puzzle[i] >= '1' && pc.puzzle[i] <= '9') continue;
        const int roll = static_cast<int>(random() % 4);
        if (roll == 0) list.Add(Entry(i % 9, i / 9, pc.solution[i] - '1', Fix));
        if (roll == 1) list.Add(Entry(i % 9, i / 9, static_cast<int>(random() % 9), Possible));
    }
    return list;
}

} // namespace

// Every level, with and without 再起, from the givens alone, from the givens
// with correct play, and with auto-confirm writing its digits back.
TEST(Soundness, AnalysisNeverLosesTheTruthAtAnyLevel) {
    ASSERT_GE(Cases().size(), Generated) << "qqwing made no puzzles: is it installed?";
    unsigned seed = 1;
    for (const auto& pc : Cases())
        for (int level = 0; level <= 9; ++level)
            for (bool repeat : {false, true}) {
                EntryList givens = Givens(pc.puzzle);
                ASSERT_EQ(Unsound(*Analysed(givens, level, repeat, false), pc.solution), "")
                    << pc.puzzle << " level " << level << " repeat " << repeat;
                EntryList played = GivensWithCorrectPlay(pc, ++seed);
                ASSERT_EQ(Unsound(*Analysed(played, level, repeat, false), pc.solution), "")
                    << pc.puzzle << " level " << level << " repeat " << repeat << " seed " << seed;
                EntryList confirmed = Givens(pc.puzzle);
                auto b = Analysed(confirmed, level, repeat, true);
                // The digits auto-confirm wrote back are entered digits of the board.
                ASSERT_EQ(Unsound(*b, pc.solution), "")
                    << pc.puzzle << " auto-confirm level " << level << " repeat " << repeat;
                ASSERT_EQ(EntryListViolation(confirmed), "");
            }
}

// The next-move search proposes only true digits, at every level and with
// and without 再起, all the way until it finds nothing more; its text names
// the cell and digit of the move, and following the moves solves every
// puzzle that the analysis at that level solves.
TEST(Soundness, NextMoveNeverProposesAWrongDigit) {
    int moves = 0, solvable = 0;
    int index = 0;
    for (const auto& pc : Cases()) {
        const int level = index % 10;
        const bool repeat = (index++ / 10) % 2 == 1;
        EntryList list = Givens(pc.puzzle);
        auto b = Analysed(list, level, repeat);
        const bool solves = b->solvedCount == 81;
        for (int step = 0; step < 81; ++step) {
            const MoveHint hint = FindNextMove(*b);
            if (!hint.Found()) break;
            const auto [reason, x, y, digit] = hint.move;
            ASSERT_EQ(pc.solution[static_cast<std::size_t>(y * 9 + x)] - '1', digit)
                << pc.puzzle << " level " << level << " repeat " << repeat;
            ASSERT_EQ(b->cells[y][x].enteredDigit, NoDigit) << "proposed an entered cell";
            const std::string named = "(X" + std::to_string(x + 1) + ",Y" + std::to_string(y + 1) + ") = " +
                                      std::to_string(digit + 1);
            ASSERT_NE(Cp932ToUtf8(hint.text).find(named), std::string::npos) << Cp932ToUtf8(hint.text);
            list.Add(Entry(x, y, digit, Fix));
            b->Analyze();
            ASSERT_EQ(Unsound(*b, pc.solution), "") << pc.puzzle << " after move " << step;
            ++moves;
        }
        EXPECT_TRUE(!solves || b->enteredCount == 81) << pc.puzzle << " level " << level << " repeat " << repeat;
        solvable += solves ? 1 : 0;
    }
    EXPECT_GT(moves, 0);
    EXPECT_GT(solvable, 0);
}

namespace {

Entry RandomEntry(std::mt19937& random) {
    // Mostly valid entries; now and then a coordinate or digit out of range.
    auto value = [&] { return random() % 20 == 0 ? static_cast<int>(random() % 14) - 2 : static_cast<int>(random() % 9); };
    return Entry(value(), value(), value(), static_cast<int>(random() % 3));
}

} // namespace

// Thousands of seeded random sequences of adds, undos, redos, removals,
// resets and copies: after every step the invariants hold, growth only ever
// doubles the capacity, an undo followed by a redo changes nothing, and a
// new Possible mark added twice leaves the entries in effect as they were.
TEST(Soundness, RandomEditSequencesKeepTheEntryListInvariants) {
    for (int seed = 1; seed <= 3000; ++seed) {
        std::mt19937 random(static_cast<unsigned>(seed));
        EntryList list, other;
        for (int step = 0; step < 150; ++step) {
            const int capacityBefore = list.Capacity();
            const int roll = static_cast<int>(random() % 100);
            std::string what;
            if (roll < 55) {
                list.Add(RandomEntry(random));
                what = "Add";
                ASSERT_TRUE(list.Capacity() == capacityBefore || list.Capacity() == 2 * capacityBefore)
                    << "seed " << seed;
            } else if (roll < 70) {
                list.Undo();
                what = "Undo";
            } else if (roll < 82) {
                list.Redo();
                what = "Redo";
            } else if (roll < 88) {
                const auto before = EntriesInEffect(list);
                if (list.Undo() == 0) {
                    list.Redo();
                    ASSERT_EQ(EntriesInEffect(list), before) << "undo then redo, seed " << seed;
                }
                what = "Undo+Redo";
            } else if (roll < 93) {
                const Entry mark(static_cast<int>(random() % 9), static_cast<int>(random() % 9),
                                 static_cast<int>(random() % 9), Possible);
                list.Add(Entry(-1, 0, 0, Possible));  // rejected, but discards the redo tail
                const auto before = EntriesInEffect(list);
                if (list.FindSame(mark) < 0) {
                    list.Add(mark);
                    list.Add(mark);
                    ASSERT_EQ(EntriesInEffect(list), before) << "a mark added twice, seed " << seed;
                }
                what = "toggle";
            } else if (roll < 95) {
                list.RemoveAt(static_cast<int>(random() % 12) - 1);
                what = "RemoveAt";
            } else if (roll < 97) {
                list.KeepLocks();
                what = "KeepLocks";
            } else if (roll < 98) {
                other.CopyLocksFrom(list);
                ASSERT_EQ(EntryListViolation(other), "") << "CopyLocksFrom, seed " << seed;
                std::swap(list, other);
                what = "CopyLocksFrom";
            } else if (roll < 99) {
                other.AssignFrom(list);
                ASSERT_EQ(EntriesInEffect(other), EntriesInEffect(list));
                what = "AssignFrom";
            } else {
                list.Clear();
                what = "Clear";
            }
            ASSERT_EQ(EntryListViolation(list), "") << what << " at step " << step << ", seed " << seed;
        }
    }
}

// A list emptied by a load, a reset or a click that takes back the last
// digit is analysed as the empty board, never as what the board showed last.
TEST(Soundness, AnalysisOfAnEmptyListIsTheEmptyBoard) {
    const PuzzleCase& pc = Cases().front();
    EntryList list = Givens(pc.puzzle);
    list.Add(Entry(0, 0, 0, Possible));
    auto b = Analysed(list, 9, true, false);
    ASSERT_GT(b->solvedCount, 0);
    list.Clear();
    b->Analyze();
    auto empty = std::make_unique<CellBoard>();
    EXPECT_TRUE(b->Equals(*empty));
    EXPECT_EQ(b->solvedCount, 0);
    EXPECT_EQ(b->enteredCount, 0);

    // The same after undoing everything.
    EntryList undone = Givens(pc.puzzle);
    b->entries = &undone;
    b->Analyze();
    while (undone.Undo() == 0) {}
    b->Analyze();
    EXPECT_TRUE(b->Equals(*empty));
}
