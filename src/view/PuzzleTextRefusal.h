#pragma once
#include <QString>

namespace sorvat {
struct PuzzleTextResult;

// Why a text holds no puzzle, in the interface language.
QString PuzzleTextRefusalText(const PuzzleTextResult& read);

} // namespace sorvat
