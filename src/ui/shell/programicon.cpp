#include "ui/shell/programicon.h"

#include <QPainter>
#include <QPainterPath>

namespace orv {

QPixmap programPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0); // drawn on the 64 x 64 grid of the SVG
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x00, 0x20, 0x7a));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    p.setBrush(QColor(0x7f, 0xd0, 0xff));
    p.drawRect(QRectF(8, 50, 48, 5));
    QPainterPath works; // a saw-tooth roof
    works.moveTo(10, 50);
    for (const QPointF& point : {QPointF(10, 36), QPointF(16, 32), QPointF(16, 36), QPointF(22, 32),
                                 QPointF(22, 36), QPointF(28, 32), QPointF(28, 50)})
        works.lineTo(point);
    works.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(works);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    for (const double r : {10.0, 18.0, 26.0}) // from 80 to 5 degrees above the horizon
        p.drawArc(QRectF(26 - r, 34 - r, 2 * r, 2 * r), 5 * 16, 75 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xd2, 0x4a));
    p.drawEllipse(QPointF(53, 11), 4, 4);
    return pixmap;
}

QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(programPixmap(size));
    return icon;
}

} // namespace orv
