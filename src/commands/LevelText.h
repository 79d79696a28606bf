#pragma once
#include <QString>
#include <optional>

namespace sorvat {

// The level a text of the level edit asks for: its last character as a digit
// 0..maxLevel; nothing for an empty text or any other last character.
std::optional<int> LevelFromText(const QString& text, int maxLevel);

// The current text of the dialog bar's level edit (1004); empty while the
// main frame or the edit does not exist.
QString LevelEditText();

} // namespace sorvat
