#include "game/MoveHint.h"

#include <vector>

namespace sorvat {

MoveHint FindNextMove(CellBoard& board, int bufferSize) {
    MoveHint hint;
    std::vector<char> buffer(static_cast<std::size_t>(bufferSize > 0 ? bufferSize : 1), '\0');
    const int length = board.NextMove(buffer.data(), bufferSize, &hint.move);
    hint.text.assign(buffer.data(), static_cast<std::size_t>(length > 0 ? length : 0));
    return hint;
}

} // namespace sorvat
