#include "BoardText.h"

namespace sorvat::cli {

std::string BoardPicture(const CellBoard& board) {
    std::string out;
    const std::string rule = "+-----------------------------+-----------------------------+-----------------------------+\n";
    for (int y = 0; y < 9; ++y) {
        if (y % 3 == 0) out += rule;
        for (int x = 0; x < 9; ++x) {
            out += x % 3 == 0 ? "|" : " ";
            const SCell& c = board.cells[y][x];
            std::string text;
            if (c.enteredDigit < 9) {
                text = std::string(c.IsLocked() ? "L" : "F") + char('1' + c.enteredDigit);
            } else if (c.solvedDigit < 9) {
                text = std::string("=") + char('1' + c.solvedDigit);
            } else {
                for (int d = 0; d < 9; ++d) text += (c.flags[d] & CandidateBit) ? char('1' + d) : '.';
            }
            text.resize(9, ' ');
            out += text;
        }
        out += "|\n";
    }
    out += rule;
    char summary[128];
    std::snprintf(summary, sizeof summary, "level %d, entered %d, solved %d%s\n", board.level, board.enteredCount,
                  board.solvedCount, board.HasDeadCell() ? ", contradiction" : "");
    out += summary;
    return out;
}

} // namespace sorvat::cli
