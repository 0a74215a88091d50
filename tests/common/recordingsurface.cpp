#include "common/recordingsurface.h"

#include <algorithm>
#include <utility>

namespace orv {
namespace {

QString twips(double value) {
    return QString::number(value, 'f', 1);
}

} // namespace

TextMetric TextMetric::fixedPitch() {
    return {[](const QString& text, const SurfaceFont& f) { return text.size() * 12.0 * f.size; },
            [](const SurfaceFont& f) { return 20.0 * f.size * 1.1328; }};
}

TextMetric TextMetric::proportional() {
    const auto em = [](QChar c) { return 0.35 + (c.unicode() % 7) * 0.08; };
    return {[em](const QString& text, const SurfaceFont& f) {
                double w = 0;
                for (QChar c : text)
                    w += em(c) * 20.0 * f.size * (f.bold ? 1.05 : 1.0);
                return w;
            },
            [](const SurfaceFont& f) { return 20.0 * f.size * 1.15; }};
}

RecordingSurface::RecordingSurface(TextMetric metric, double pageWidth, double pageHeight)
    : metric_(std::move(metric)), width_(pageWidth), height_(pageHeight) {}

void RecordingSurface::setPaper(int paperSize, int orientation) {
    const double shortSide = std::min(width_, height_);
    const double longSide = std::max(width_, height_);
    width_ = orientation == kLandscape ? longSide : shortSide;
    height_ = orientation == kLandscape ? shortSide : longSide;
    log_ << QStringLiteral("paper %1 %2").arg(paperSize).arg(orientation);
}

double RecordingSurface::textWidth(const QString& text) const {
    return metric_.width(text, font());
}

double RecordingSurface::textHeight() const {
    return metric_.height(font());
}

void RecordingSurface::drawText(double x, double y, const QString& text) {
    const SurfaceFont& f = font();
    log_ << QStringLiteral("page %1 text %2-%3 %4 %5%6%7 %8")
                .arg(page_)
                .arg(twips(x), twips(x + textWidth(text)), twips(y))
                .arg(f.size)
                .arg(QLatin1String(f.bold ? "b" : ""), QLatin1String(f.italic ? "i" : ""), text);
}

void RecordingSurface::line(double x1, double y1, double x2, double y2) {
    log_ << QStringLiteral("page %1 line %2 %3 %4 %5")
                .arg(page_)
                .arg(twips(x1), twips(y1), twips(x2), twips(y2));
}

void RecordingSurface::newPage() {
    ++page_;
    log_ << QStringLiteral("newpage");
}

// In the preview the same picture is wiped for every page; the recorder numbers the pages
// by the captures instead, so that texts and lines still fall on the right page.
void RecordingSurface::clear() {
    page_ = capturedPages_ + 1;
    log_ << QStringLiteral("clear");
}

void RecordingSurface::capturePage() {
    ++capturedPages_;
    log_ << QStringLiteral("capture");
}

} // namespace orv
