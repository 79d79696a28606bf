#pragma once
#include <QString>
#include <optional>

namespace sorvat {

// Column and row named by a next-move explanation.
struct MoveCell {
    int x;
    int y;
};

// The cell of an explanation: the character after its first "X" and after its
// first "Y", each as a decimal digit minus 1 (a character that is not a digit
// counts as 0, giving -1). Nothing when either letter is missing.
std::optional<MoveCell> MoveCellOfText(const QString& text);

} // namespace sorvat
