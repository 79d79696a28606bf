#pragma once
#include <QIcon>

namespace sorvat {

// The tool bar's 16 x 15 button images, drawn in code: an opening folder, a
// floppy disk and a printer.
QIcon OpenIcon();
QIcon SaveIcon();
QIcon PrintIcon();

} // namespace sorvat
