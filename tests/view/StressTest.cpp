// Ten thousand seeded random clicks, keys and commands on the whole program
// shown offscreen, with every message box answered by script. After each
// action the entry lists keep their invariants and the board shows the
// digits of the entries in effect.
#include "guisupport/WindowFixture.h"

#include "shell/CommandIds.h"
#include "shell/LevelEdit.h"
#include "support/EntryInvariants.h"

#include <cstdlib>
#include <random>

namespace sorvat::test {
namespace {

// The commands that run without a modal dialog of their own.
constexpr int Commands[] = {
    ID_EDIT_RESET,       ID_EDIT_UNDO_MOVE,   ID_EDIT_REDO_MOVE,     ID_EDIT_QUICKSAVE, ID_EDIT_QUICKLOAD,
    ID_EDIT_AUTO_CONFIRM, ID_EDIT_NEXT_MOVE,  ID_EDIT_ERASE_WRONG,   ID_EDIT_COPY_ANALYSIS,
    ID_EDIT_LOCK_ALL,    ID_EDIT_FULL_RESET,  IDC_MODE_SELF,         IDC_MODE_HINT,     IDC_MODE_ANALYSIS,
    IDC_REPEAT,
};

constexpr Qt::Key Keys[] = {Qt::Key_A, Qt::Key_C, Qt::Key_Z, Qt::Key_Y, Qt::Key_1, Qt::Key_5, Qt::Key_9,
                            Qt::Key_Left, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_Delete};

class StressTest : public WindowFixture {
protected:
    // Empty when both entry lists keep their invariants and the working board
    // shows exactly the Fix and Lock digits in effect.
    std::string Inconsistency() const {
        for (const EntryList* list : {&view->m_moves, &view->m_solutionMoves})
            if (std::string violation = EntryListViolation(*list); !violation.empty()) return violation;
        int entered[9][9];
        for (auto& row : entered)
            for (int& digit : row) digit = NoDigit;
        for (int i = 0; i < view->m_moves.Position(); ++i) {
            const Entry e = view->m_moves.At(i);
            if (e.kind != Possible) entered[e.y][e.x] = e.digit;
        }
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 9; ++x) {
                const SCell& cell = view->m_board.cells[y][x];
                // Without 再起 the digits auto-confirm added in its last round
                // show as determined until the next analysis.
                if (cell.enteredDigit != entered[y][x] &&
                    !(cell.enteredDigit == NoDigit && cell.solvedDigit == entered[y][x]))
                    return "X" + std::to_string(x + 1) + "Y" + std::to_string(y + 1) + " differs from its entries:\n" +
                           PuzzleFile::Format("entries.md1", view->m_moves);
            }
        return {};
    }

    // Performs one random action and says what it was.
    std::string RandomAction(std::mt19937& random) {
        const int roll = static_cast<int>(random() % 100);
        const QPoint point(static_cast<int>(random() % 560), static_cast<int>(random() % 560));
        const std::string at = " at " + std::to_string(point.x()) + "," + std::to_string(point.y());
        if (roll < 45) {
            static constexpr Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
            const Qt::MouseButton button = buttons[random() % 3];
            Click(button, point);
            return "click " + std::to_string(button) + at;
        } else if (roll < 50) {
            const Qt::MouseButton button = random() % 2 ? Qt::LeftButton : Qt::RightButton;
            DoubleClick(button, point);
            return "double click " + std::to_string(button) + at;
        } else if (roll < 60) {
            MoveTo(point);
            return "move" + at;
        } else if (roll < 75) {
            const Qt::KeyboardModifiers modifiers =
                random() % 4 == 0 ? Qt::ControlModifier : (random() % 4 == 0 ? Qt::ShiftModifier : Qt::NoModifier);
            const Qt::Key key = Keys[random() % std::size(Keys)];
            QTest::keyClick(frame->windowHandle(), key, modifiers);
            ProcessEvents();
            return "key " + std::to_string(key) + " modifiers " + std::to_string(modifiers.toInt());
        } else if (roll < 95) {
            const int command = Commands[random() % std::size(Commands)];
            frame->OnCommand(command);
            ProcessEvents();
            return "command " + std::to_string(command);
        } else if (roll < 99) {
            const int level = static_cast<int>(random() % 10);
            frame->DialogBar()->LevelEdit()->setText(QString::number(level));
            frame->OnCommand(IDC_LEVEL_EDIT);
            ProcessEvents();
            return "level " + std::to_string(level);
        }
        QTest::qWait(320);  // the answer timer runs out now and then
        return "wait for the answer timer";
    }
};

TEST_F(StressTest, TenThousandRandomActionsKeepTheStateConsistent) {
    Start();
    LoadGivens();
    std::mt19937 random(20240611);
    const char* wanted = std::getenv("SORVAT_STRESS_ACTIONS");
    const int actions = wanted != nullptr && std::atoi(wanted) > 0 ? std::atoi(wanted) : 10000;
    std::string recent[12];
    for (int i = 0; i < actions; ++i) {
        recent[i % std::size(recent)] = std::to_string(i) + ": " + RandomAction(random);
        if (const std::string problem = Inconsistency(); !problem.empty()) {
            std::string last;
            for (std::size_t k = 1; k <= std::size(recent); ++k) last += recent[(i + k) % std::size(recent)] + "\n";
            FAIL() << problem << "\nafter the actions\n" << last;
        }
        if (i % 1000 == 999) LoadGivens();  // a new puzzle, so play never stalls on a full board
    }
}

} // namespace
} // namespace sorvat::test
