#include "ui/shell/programicon.h"

#include <algorithm>
#include <QImage>
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

namespace {

QPixmap faded(const QPixmap& pixmap) {
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = 128 + qGray(line[x]) / 2; // light, whatever its colour was
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) * 2 / 5);
        }
    }
    QPixmap out = QPixmap::fromImage(image);
    out.setDevicePixelRatio(pixmap.devicePixelRatio());
    return out;
}

void drawPlus(QPixmap& pixmap) {
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = pixmap.width() / pixmap.devicePixelRatio();
    const QRectF badge(s * 0.45, s * 0.45, s * 0.55, s * 0.55);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1e, 0x8c, 0x2e));
    p.drawEllipse(badge);
    p.setPen(QPen(Qt::white, std::max(1.5, s / 10)));
    const QPointF c = badge.center();
    const double arm = badge.width() * 0.28;
    p.drawLine(c - QPointF(arm, 0), c + QPointF(arm, 0));
    p.drawLine(c - QPointF(0, arm), c + QPointF(0, arm));
}

} // namespace

QIcon toolbarIcon(const QStyle* style, QStyle::StandardPixmap which) {
    const QIcon source = style->standardIcon(which);
    QIcon icon;
    for (const int size : {16, 24, 32}) {
        QPixmap normal = source.pixmap(size, QIcon::Normal);
        if (normal.isNull()) continue;
        if (which == QStyle::SP_FileIcon) drawPlus(normal);
        icon.addPixmap(normal, QIcon::Normal);
        icon.addPixmap(faded(normal), QIcon::Disabled);
    }
    return icon;
}

} // namespace orv
