#include "shell/ToolBarIcons.h"

#include <QPainter>
#include <QPixmap>
#include <functional>

namespace sorvat {

namespace {

QIcon Draw(const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(16, 15);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(0, 0, 0));
    draw(painter);
    return QIcon(pixmap);
}

} // namespace

QIcon OpenIcon() {
    return Draw([](QPainter& p) {
        p.setBrush(QColor(255, 255, 0));
        p.drawPolygon(QPolygon({QPoint(0, 4), QPoint(5, 4), QPoint(6, 5), QPoint(12, 5),
                                QPoint(12, 13), QPoint(0, 13)}));
        p.setBrush(QColor(128, 128, 0));
        p.drawPolygon(QPolygon({QPoint(2, 8), QPoint(15, 8), QPoint(12, 13), QPoint(0, 13)}));
        p.drawLine(9, 1, 12, 1);
        p.drawLine(13, 2, 14, 3);
    });
}

QIcon SaveIcon() {
    return Draw([](QPainter& p) {
        p.setBrush(QColor(0, 0, 128));
        p.drawRect(1, 1, 13, 13);
        p.fillRect(QRect(4, 2, 8, 5), QColor(255, 255, 255));
        p.fillRect(QRect(5, 10, 6, 4), QColor(192, 192, 192));
        p.fillRect(QRect(6, 11, 2, 2), QColor(0, 0, 128));
    });
}

QIcon PrintIcon() {
    return Draw([](QPainter& p) {
        p.setBrush(QColor(255, 255, 255));
        p.drawRect(4, 1, 8, 5);
        p.setBrush(QColor(192, 192, 192));
        p.drawRect(1, 6, 14, 5);
        p.setBrush(QColor(255, 255, 255));
        p.drawRect(4, 10, 8, 4);
        p.fillRect(QRect(12, 7, 2, 1), QColor(0, 255, 0));
    });
}

} // namespace sorvat
