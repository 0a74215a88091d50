#include "report/geometryfigure.h"

#include "base/numberformat.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orv {

namespace {

constexpr double kMargin = 6; // units kept free at the sides and the bottom for the labels

} // namespace

QPointF SetupBasePoint() {
    return {50.0, 20.0};
}

QString plainNumber(double value) {
    QString text = QString::number(value, 'g', 15);
    return text.replace(QLatin1Char('.'), decimalSeparator());
}

TriangleFigure CalcTriangle(double viewAngle, double distanceA, double distanceB) {
    TriangleFigure figure;
    figure.receiver = SetupBasePoint();
    const double half = std::clamp(viewAngle, 0.0, 180.0) * std::numbers::pi / 360.0;
    // Unscaled offsets from the receiving point; cos(half) >= 0, so both ends lie below it.
    const QPointF a(-distanceA * std::sin(half), distanceA * std::cos(half));
    const QPointF b(distanceB * std::sin(half), distanceB * std::cos(half));
    const double wide = std::max(std::abs(a.x()), std::abs(b.x()));
    const double deep = std::max(a.y(), b.y());
    double scale = 1.0;
    if (wide > 0 || deep > 0) {
        scale = 1e9;
        if (wide > 0) scale = std::min(scale, (figure.receiver.x() - kMargin) / wide);
        if (deep > 0) scale = std::min(scale, (100.0 - kMargin - figure.receiver.y()) / deep);
    }
    figure.start = figure.receiver + a * scale;
    figure.end = figure.receiver + b * scale;
    figure.startLabel = QStringLiteral("  ") + plainNumber(distanceA);
    figure.endLabel = QStringLiteral("  ") + plainNumber(distanceB);
    return figure;
}

} // namespace orv
