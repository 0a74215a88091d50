#include "ui/platform/toolbaricon.h"

#include <algorithm>
#include <QImage>
#include <QPainter>

namespace orv {

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
