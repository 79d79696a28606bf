#pragma once
#include <QString>

namespace sorvat::test {

// Whether `text` holds Japanese script: hiragana, katakana (full and half
// width), CJK ideographs, or Japanese punctuation and full-width forms.
inline bool HasJapanese(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x30FF) || (u >= 0x3400 && u <= 0x9FFF) || (u >= 0xF900 && u <= 0xFAFF) ||
            (u >= 0xFF00 && u <= 0xFFEF))
            return true;
    }
    return false;
}

} // namespace sorvat::test
