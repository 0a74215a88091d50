#include "print/previewsurface.h"

#include "print/pdfreport.h"
#include "report/drukoverzicht.h"
#include "report/printsettings.h"

#include <algorithm>
#include <cmath>
#include <QPageSize>
#include <QPainter>

namespace orv {
namespace {
constexpr double kTwipsPerInch = 1440.0;
// The PDF's resolution: widths measured at it match the PDF's to the last digit.
constexpr int kMeasureDpi = 7200;
// The rules' weight, as on paper.
constexpr double kRuleWidthTwips = 10.0;

// The font as the painter surface resolves it at the measuring resolution, held in pixels
// so that a painter on another device does not resolve it again.
QFont measuringFont(const SurfaceFont& f) {
    QFont qf(f.name);
    qf.setPixelSize(std::max(1, qRound((f.size > 0 ? f.size : 1) * kMeasureDpi / 72.0)));
    qf.setBold(f.bold);
    qf.setItalic(f.italic);
    qf.setHintingPreference(QFont::PreferNoHinting);
    qf.setKerning(false);
    return qf;
}
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

void PreviewSurface::fontChanged() {
    metrics_ = std::make_unique<QFontMetricsF>(measuringFont(font()), &metricsDevice_);
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

// Texts are drawn with the fonts as measured (pixel sizes at the measuring resolution) under
// a scaled painter. A font resolved at the screen's own resolution would be rounded to whole
// pixels there and come out a few per cent wider than measured, running right-aligned
// columns past their ends.
QImage paintPreviewPage(const PreviewPage& page, const QSizeF& paper, double edge, int dpi) {
    dpi = std::max(dpi, 1);
    QImage image(std::max(1, qRound(paper.width() * dpi / kTwipsPerInch)),
                 std::max(1, qRound(paper.height() * dpi / kTwipsPerInch)), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.scale(double(dpi) / kMeasureDpi, double(dpi) / kMeasureDpi);
    constexpr double unit = kMeasureDpi / kTwipsPerInch; // measuring pixels per twip
    painter.translate(edge * unit, edge * unit);
    QPen pen(Qt::black);
    pen.setWidthF(kRuleWidthTwips * unit);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    const SurfaceFont* last = nullptr;
    double ascent = 0;
    for (const PreviewItem& item : page) {
        if (!item.isText) {
            painter.drawLine(QPointF(item.x * unit, item.y * unit),
                             QPointF(item.x2 * unit, item.y2 * unit));
            continue;
        }
        const SurfaceFont& f = item.font;
        if (!last || last->name != f.name || last->size != f.size || last->bold != f.bold ||
            last->italic != f.italic) {
            const QFont font = measuringFont(f);
            painter.setFont(font);
            ascent = QFontMetricsF(font).ascent();
            last = &f;
        }
        painter.drawText(QPointF(item.x * unit, item.y * unit + ascent), item.text);
    }
    painter.end();
    return image;
}

} // namespace orv
