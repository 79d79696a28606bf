// Soundness of the analysis and the next-move search on puzzles with known
// unique solutions, and the entry list's invariants under long random
// sequences of operations. The puzzles are made by qqwing at run time when it
// is installed (a fresh sample every run), else taken from tests/data/qqwing.txt;
// the puzzles of tests/data/hard.txt, which need the trial step, come on top.
#include "game/MoveHint.h"
#include "model/CellBoard.h"
#include "support/ChildProcess.h"
#include "support/EntryInvariants.h"
#include "support/Puzzles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace sorvat;
using namespace sorvat::test;

namespace {

bool IsGrid(const std::string& line) {
    if (line.size() != 81) return false;
    for (char c : line)
        if (c != '.' && (c < '0' || c > '9')) return false;
    return true;
}

// A solution grid that is a valid filled board and agrees with the givens.
bool SolutionFits(const PuzzleCase& pc) {
    if (pc.solution.size() != 81) return false;
    for (int i = 0; i < 81; ++i) {
        if (pc.solution[i] < '1' || pc.solution[i] > '9') return false;
        if (pc.puzzle[i] >= '1' && pc.puzzle[i] <= '9' && pc.puzzle[i] != pc.solution[i]) return false;
    }
    for (int g = 0; g < 9; ++g) {
        unsigned row = 0, column = 0, box = 0;
        for (int k = 0; k < 9; ++k) {
            row |= 1u << (pc.solution[g * 9 + k] - '1');
            column |= 1u << (pc.solution[k * 9 + g] - '1');
            box |= 1u << (pc.solution[((g / 3) * 3 + k / 3) * 9 + (g % 3) * 3 + k % 3] - '1');
        }
        if (row != 0x1FF || column != 0x1FF || box != 0x1FF) return false;
    }
    return true;
}

std::vector<PuzzleCase> GeneratedByQqwing(int count) {
    std::istringstream lines(CommandOutput("qqwing --generate " + std::to_string(count) +
                                           " --one-line --solution --difficulty any 2>/dev/null"));
    std::vector<std::string> grids;
    for (std::string line; std::getline(lines, line);) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
        if (IsGrid(line)) grids.push_back(line);
    }
    std::vector<PuzzleCase> out;
    for (std::size_t i = 0; i + 1 < grids.size(); i += 2) out.push_back({grids[i], grids[i + 1]});
    return out;
}

// Generated puzzles when qqwing is there, else the stored collection, and
// the trial puzzles; every case is checked to be a real puzzle with its solution.
const std::vector<PuzzleCase>& Cases() {
    static const std::vector<PuzzleCase> cases = [] {
        std::vector<PuzzleCase> got = GeneratedByQqwing(40);
        const char* source = "qqwing at run time";
        if (got.size() < 10) {
            got = ReadPuzzleCases("qqwing.txt");
            source = "tests/data/qqwing.txt";
        }
        std::printf("[ soundness ] %zu puzzles from %s\n", got.size(), source);
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

TEST(Soundness, GeneratedPuzzlesHaveFittingSolutions) {
    ASSERT_GE(Cases().size(), 10u);
    for (const auto& pc : Cases()) EXPECT_TRUE(SolutionFits(pc)) << pc.puzzle << ":" << pc.solution;
}

// Every level, with and without 再起, from the givens alone, from the givens
// with correct play, and with auto-confirm writing its digits back.
TEST(Soundness, AnalysisNeverLosesTheTruthAtAnyLevel) {
    int analyses = 0;
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
                ASSERT_EQ(Unsound(*b, pc.solution), "")
                    << pc.puzzle << " auto-confirm level " << level << " repeat " << repeat;
                for (int i = 0; i < confirmed.Position(); ++i) {
                    const Entry e = confirmed.At(i);
                    ASSERT_EQ(pc.solution[e.y * 9 + e.x] - '1', e.digit) << "auto-confirmed a wrong digit";
                }
                ASSERT_EQ(EntryListViolation(confirmed), "");
                analyses += 3;
            }
    RecordProperty("analyses", analyses);
}

// The next-move search proposes only true digits, at every level and with
// and without 再起, all the way until it finds nothing more.
TEST(Soundness, NextMoveNeverProposesAWrongDigit) {
    int moves = 0;
    int index = 0;
    for (const auto& pc : Cases()) {
        const int level = index % 10;
        const bool repeat = (index++ / 10) % 2 == 1;
        EntryList list = Givens(pc.puzzle);
        auto b = Analysed(list, level, repeat);
        for (int step = 0; step < 81; ++step) {
            const MoveHint hint = FindNextMove(*b);
            if (!hint.Found()) break;
            const auto [reason, x, y, digit] = hint.move;
            ASSERT_EQ(pc.solution[static_cast<std::size_t>(y * 9 + x)] - '1', digit)
                << pc.puzzle << " level " << level << " repeat " << repeat;
            ASSERT_EQ(b->cells[y][x].enteredDigit, NoDigit) << "proposed an entered cell";
            list.Add(Entry(x, y, digit, Fix));
            b->Analyze();
            ASSERT_EQ(Unsound(*b, pc.solution), "") << pc.puzzle << " after move " << step;
            ++moves;
        }
    }
    EXPECT_GT(moves, 0);
    RecordProperty("moves", moves);
}

namespace {

Entry RandomEntry(std::mt19937& random) {
    // Mostly valid entries; now and then a coordinate or digit out of range.
    auto value = [&] { return random() % 20 == 0 ? static_cast<int>(random() % 14) - 2 : static_cast<int>(random() % 9); };
    return Entry(value(), value(), value(), static_cast<int>(random() % 3));
}

std::vector<Entry> InEffect(const EntryList& list) {
    std::vector<Entry> out;
    for (int i = 0; i < list.Position(); ++i) out.push_back(list.At(i));
    return out;
}

} // namespace

// Thousands of seeded random sequences of adds, undos, redos, removals,
// resets and copies: after every step the invariants hold, growth only ever
// doubles the capacity, an undo followed by a redo changes nothing, and a
// new Possible mark added twice leaves the entries in effect as they were.
TEST(Soundness, RandomEditSequencesKeepTheEntryListInvariants) {
    constexpr int Sequences = 3000;
    constexpr int Steps = 150;
    long operations = 0;
    for (int seed = 1; seed <= Sequences; ++seed) {
        std::mt19937 random(static_cast<unsigned>(seed));
        EntryList list, other;
        for (int step = 0; step < Steps; ++step, ++operations) {
            const int capacityBefore = list.Capacity();
            const int roll = static_cast<int>(random() % 100);
            std::string what;
            if (roll < 55) {
                const Entry e = RandomEntry(random);
                const int positionBefore = list.Position();
                list.Add(e);
                what = "Add";
                ASSERT_EQ(list.Count(), list.Position()) << "after Add the redo tail is gone, seed " << seed;
                ASSERT_LE(list.Position(), positionBefore + 1);
                ASSERT_TRUE(list.Capacity() == capacityBefore || list.Capacity() == 2 * capacityBefore)
                    << "seed " << seed;
            } else if (roll < 70) {
                const int before = list.Position();
                const int result = list.Undo();
                ASSERT_EQ(result, before == 0 ? 1 : 0);
                what = "Undo";
            } else if (roll < 82) {
                const int before = list.Position();
                const int result = list.Redo();
                ASSERT_EQ(result, before == list.Count() ? 1 : 0);
                what = "Redo";
            } else if (roll < 88) {
                const auto before = InEffect(list);
                if (list.Undo() == 0) {
                    list.Redo();
                    ASSERT_EQ(InEffect(list), before) << "undo then redo, seed " << seed;
                }
                what = "Undo+Redo";
            } else if (roll < 93) {
                const Entry mark(static_cast<int>(random() % 9), static_cast<int>(random() % 9),
                                 static_cast<int>(random() % 9), Possible);
                list.Add(Entry(-1, 0, 0, Possible));  // rejected, but discards the redo tail
                const auto before = InEffect(list);
                if (list.FindSame(mark) < 0) {
                    list.Add(mark);
                    list.Add(mark);
                    ASSERT_EQ(InEffect(list), before) << "a mark added twice, seed " << seed;
                }
                what = "toggle";
            } else if (roll < 95) {
                list.RemoveAt(static_cast<int>(random() % 12) - 1);
                what = "RemoveAt";
            } else if (roll < 97) {
                list.KeepLocks();
                ASSERT_EQ(list.Position(), list.Count());
                for (int i = 0; i < list.Count(); ++i) ASSERT_EQ(list.At(i).kind, Lock);
                what = "KeepLocks";
            } else if (roll < 98) {
                other.CopyLocksFrom(list);
                ASSERT_EQ(EntryListViolation(other), "") << "CopyLocksFrom, seed " << seed;
                std::swap(list, other);
                what = "CopyLocksFrom";
            } else if (roll < 99) {
                other.AssignFrom(list);
                ASSERT_EQ(InEffect(other), InEffect(list));
                ASSERT_EQ(other.Count(), list.Count());
                what = "AssignFrom";
            } else {
                list.Clear();
                ASSERT_EQ(list.Capacity(), 10);
                what = "Clear";
            }
            ASSERT_EQ(EntryListViolation(list), "") << what << " at step " << step << ", seed " << seed;
        }
    }
    RecordProperty("operations", static_cast<int>(operations));
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
