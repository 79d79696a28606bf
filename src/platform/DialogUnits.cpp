#include "platform/DialogUnits.h"

#include <QFontMetricsF>
#include <QStringList>
#include <cmath>

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetricsF metrics(font);
    unitX = metrics.averageCharWidth() / 4.0;
    unitY = metrics.height() / 8.0;
}

QRect DialogUnits::Rect(int x, int y, int width, int height) const {
    return {static_cast<int>(std::lround(x * unitX)), static_cast<int>(std::lround(y * unitY)),
            static_cast<int>(std::lround(width * unitX)), static_cast<int>(std::lround(height * unitY))};
}

QSize DialogUnits::Size(int width, int height) const {
    return {static_cast<int>(std::lround(width * unitX)), static_cast<int>(std::lround(height * unitY))};
}

QFont DialogFont(const QString& face, const QString& substitute, int pointSize) {
    QFont font;
    font.setFamilies(QStringList{face, substitute});
    font.setPointSize(pointSize);
    return font;
}
