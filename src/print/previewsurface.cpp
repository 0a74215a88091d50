#include "print/previewsurface.h"

#include "print/paintersurface.h"
#include "print/pdfreport.h"
#include "report/drukoverzicht.h"
#include "report/printsettings.h"

#include <algorithm>
#include <cmath>
#include <QPageSize>

namespace orv {
namespace {
constexpr double kTwipsPerInch = 1440.0;
// The PDF's resolution: widths measured at it match the PDF's to the last digit.
constexpr int kMeasureDpi = 7200;
} // namespace

PreviewSurface::PreviewSurface(int orientation) : metricsDevice_(1, 1, QImage::Format_RGB32) {
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Point) * 20.0; // twips
    paper_ = orientation == kLandscape ? a4.transposed() : a4;
    metricsDevice_.setDotsPerMeterX(qRound(kMeasureDpi / 0.0254));
    metricsDevice_.setDotsPerMeterY(qRound(kMeasureDpi / 0.0254));
    fontChanged();
}

double PreviewSurface::edge() const {
    return kPdfPrinterMarginPoints * 20.0;
}

double PreviewSurface::scaleWidth() const {
    return paper_.width() - 2 * edge();
}

double PreviewSurface::scaleHeight() const {
    return paper_.height() - 2 * edge();
}

// As the painter surface resolves a font, so that both measure alike.
void PreviewSurface::fontChanged() {
    const SurfaceFont& f = font();
    QFont qf(f.name);
    qf.setPointSizeF(f.size > 0 ? f.size : 1);
    qf.setBold(f.bold);
    qf.setItalic(f.italic);
    qf.setHintingPreference(QFont::PreferNoHinting);
    qf.setKerning(false);
    metrics_ = std::make_unique<QFontMetricsF>(QFont(qf, &metricsDevice_), &metricsDevice_);
}

double PreviewSurface::textWidth(const QString& text) const {
    return metrics_->horizontalAdvance(text) * kTwipsPerInch / kMeasureDpi;
}

double PreviewSurface::textHeight() const {
    return metrics_->height() * kTwipsPerInch / kMeasureDpi;
}

void PreviewSurface::drawText(double x, double y, const QString& text) {
    PreviewItem item;
    item.isText = true;
    item.font = font();
    item.x = x - scaleLeft();
    item.y = y - scaleTop();
    item.text = text;
    current_.push_back(std::move(item));
}

void PreviewSurface::line(double x1, double y1, double x2, double y2) {
    PreviewItem item;
    item.x = x1 - scaleLeft();
    item.y = y1 - scaleTop();
    item.x2 = x2 - scaleLeft();
    item.y2 = y2 - scaleTop();
    current_.push_back(item);
}

void PreviewSurface::capturePage() {
    pages_.push_back(std::move(current_));
    current_ = {};
}

PreviewPages renderPreviewPages(const State& state) {
    SettingsData settings = state.settings;
    applyPrintStartValues(settings);
    PreviewSurface surface(settings.paperOrientation);
    DrukOverzicht(surface, state, true);
    return {surface.takePages(), surface.paper(), surface.edge()};
}

QImage paintPreviewPage(const PreviewPage& page, const QSizeF& paper, double edge, int dpi) {
    dpi = std::max(dpi, 1);
    QImage image(std::max(1, qRound(paper.width() * dpi / kTwipsPerInch)),
                 std::max(1, qRound(paper.height() * dpi / kTwipsPerInch)), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    PainterSurface surface(image);
    surface.setScaleLeft(-edge);
    surface.setScaleTop(-edge);
    const SurfaceFont* last = nullptr;
    for (const PreviewItem& item : page) {
        if (!item.isText) {
            surface.line(item.x, item.y, item.x2, item.y2);
            continue;
        }
        const SurfaceFont& f = item.font;
        if (!last || last->name != f.name) surface.setFontName(f.name);
        if (!last || last->size != f.size) surface.setFontSize(f.size);
        if (!last || last->bold != f.bold) surface.setFontBold(f.bold);
        if (!last || last->italic != f.italic) surface.setFontItalic(f.italic);
        last = &f;
        surface.setCurrentX(item.x);
        surface.setCurrentY(item.y);
        surface.print(item.text, false);
    }
    surface.finish();
    return image;
}

} // namespace orv
