#pragma once
#include <QFont>
#include <QRect>

// Converts dialog-template units into pixels for a dialog font: a horizontal
// unit is a quarter of the font's average character width, a vertical unit an
// eighth of its height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    QRect Rect(int x, int y, int width, int height) const;
    QSize Size(int width, int height) const;

private:
    double unitX;
    double unitY;
};

// A font of a dialog template: the named face, or the installed substitute.
QFont DialogFont(const QString& face, const QString& substitute, int pointSize);
