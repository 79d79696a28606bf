#include "BoardJson.h"

namespace sorvat::cli {

namespace {
Json GroupsJson(const CellGroup* groups) {
    Json out = Json::array();
    for (int g = 0; g < 9; ++g) {
        Json row = Json::array();
        for (int d = 0; d < 9; ++d) row.push_back(groups[g].solvedDigits[d] ? 1 : 0);
        out.push_back(row);
    }
    return out;
}

Json Counts(const std::int32_t* values) {
    Json out = Json::array();
    for (int d = 0; d < 9; ++d) out.push_back(values[d]);
    return out;
}
} // namespace

Json EntriesJson(const EntryList& list) {
    Json items = Json::array();
    for (int i = 0; i < list.Count(); ++i) {
        const Entry e = list.At(i);
        items.push_back(Json::array({e.x, e.y, static_cast<int>(e.digit), e.kind}));
    }
    Json out;
    out["count"] = list.Count();
    out["position"] = list.Position();
    out["items"] = items;
    return out;
}

Json BoardJson(const CellBoard& board, int analyzeResult) {
    Json cells = Json::array();
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const SCell& c = board.cells[y][x];
            Json cell = Json::array();
            for (int d = 0; d < 9; ++d) cell.push_back(c.flags[d]);
            cell.push_back(c.possibleCount);
            cell.push_back(c.enteredDigit);
            cell.push_back(c.candidateCount);
            cell.push_back(c.solvedDigit);
            cells.push_back(cell);
        }
    Json out;
    out["level"] = board.level;
    out["techniqueMask"] = board.techniqueMask;
    out["repeatUntilStable"] = board.repeatUntilStable;
    out["autoConfirm"] = board.autoConfirm;
    out["analyze"] = analyzeResult;
    out["cells"] = cells;
    out["boxes"] = GroupsJson(board.mcells);
    out["columns"] = GroupsJson(board.tcells);
    out["rows"] = GroupsJson(board.ycells);
    out["enteredByDigit"] = Counts(board.enteredByDigit);
    out["enteredCount"] = board.enteredCount;
    out["solvedByDigit"] = Counts(board.solvedByDigit);
    out["solvedCount"] = board.solvedCount;
    return out;
}

} // namespace sorvat::cli
