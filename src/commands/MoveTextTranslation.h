#pragma once
#include <QString>

namespace sorvat {

// The next-move explanation of the engine (decoded from code page 932) in
// the interface language: each of its templates is recognised and rebuilt
// from the translated template with the same numbers and box name. A text
// that matches no template is returned as it is. The cell keeps the form
// "(X3,Y5)" ahead of any other "X" or "Y", so MoveCellOfText finds the same
// cell in the result.
QString LocalizedMoveText(const QString& engineText);

// The same explanation as a screen reader should say it: the same words
// without brackets and "=" ("X3 Y5 は 6 に確定します"), the move and its
// reason in one line. A text that matches no template is returned as it is.
QString SpokenMoveText(const QString& engineText);

} // namespace sorvat
