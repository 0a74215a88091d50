#include "print/paintersurface.h"

#include <QPagedPaintDevice>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>

namespace orv {
namespace {
constexpr double kTwipsPerInch = 1440.0;
// Rules a little heavier than a hairline, which nearly vanishes at print resolution.
constexpr double kRuleWidthTwips = 10.0;
} // namespace

PainterSurface::PainterSurface(QPaintDevice& device)
    : device_(device), paged_(dynamic_cast<QPagedPaintDevice*>(&device)) {
    fontChanged();
}

PainterSurface::~PainterSurface() {
    finish();
}

bool PainterSurface::finish() {
    if (painter_ && painter_->isActive()) return painter_->end() && !failed_;
    return !failed_;
}

QPainter* PainterSurface::painter() {
    if (failed_) return nullptr;
    if (!painter_) {
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(&device_)) {
            failed_ = true;
            return nullptr;
        }
        painter_->setRenderHint(QPainter::Antialiasing, true);
        painter_->setRenderHint(QPainter::TextAntialiasing, true);
        QPen pen(Qt::black);
        pen.setWidthF(kRuleWidthTwips * dpiY() / kTwipsPerInch);
        pen.setCapStyle(Qt::FlatCap);
        painter_->setPen(pen);
        painter_->setFont(qfont_);
    }
    return painter_->isActive() ? painter_.get() : nullptr;
}

double PainterSurface::dpiX() const {
    return device_.logicalDpiX();
}
double PainterSurface::dpiY() const {
    return device_.logicalDpiY();
}

double PainterSurface::toDeviceX(double x) const {
    return (x - scaleLeft()) * dpiX() / kTwipsPerInch;
}

double PainterSurface::toDeviceY(double y) const {
    return (y - scaleTop()) * dpiY() / kTwipsPerInch;
}

double PainterSurface::scaleWidth() const {
    return device_.width() * kTwipsPerInch / dpiX();
}
double PainterSurface::scaleHeight() const {
    return device_.height() * kTwipsPerInch / dpiY();
}

void PainterSurface::setPaper(int paperSize, int orientation) {
    if (!paged_) return;
    if (paperSize == kPaperA4) paged_->setPageSize(QPageSize(QPageSize::A4));
    paged_->setPageOrientation(orientation == kLandscape ? QPageLayout::Landscape
                                                         : QPageLayout::Portrait);
}

// Point sizes are resolved against the device, whose resolution (1200 dpi for a PDF, the
// printer's, or the screen's for a picture) is not the screen's: a font made for the
// screen would come out several times too small or too large.
void PainterSurface::fontChanged() {
    const SurfaceFont& f = font();
    QFont qf(f.name);
    qf.setPointSizeF(f.size > 0 ? f.size : 1);
    qf.setBold(f.bold);
    qf.setItalic(f.italic);
    // Widths measured without hinting scale with the size, as on paper.
    qf.setHintingPreference(QFont::PreferNoHinting);
    qf.setKerning(false);
    qfont_ = QFont(qf, &device_);
    metrics_ = std::make_unique<QFontMetricsF>(qfont_, &device_);
    if (painter_ && painter_->isActive()) painter_->setFont(qfont_);
}

double PainterSurface::textWidth(const QString& text) const {
    return metrics_->horizontalAdvance(text) * kTwipsPerInch / dpiX();
}

double PainterSurface::textHeight() const {
    return metrics_->height() * kTwipsPerInch / dpiY();
}

void PainterSurface::drawText(double x, double y, const QString& text) {
    if (QPainter* p = painter())
        p->drawText(QPointF(toDeviceX(x), toDeviceY(y) + metrics_->ascent()), text);
}

void PainterSurface::line(double x1, double y1, double x2, double y2) {
    if (QPainter* p = painter())
        p->drawLine(QPointF(toDeviceX(x1), toDeviceY(y1)), QPointF(toDeviceX(x2), toDeviceY(y2)));
}

void PainterSurface::newPage() {
    painter(); // a page turned before anything was drawn still counts as a page
    if (paged_ && !failed_) paged_->newPage();
    ++page_;
}

void PainterSurface::clear() {
    if (QPainter* p = painter())
        p->fillRect(QRectF(0, 0, device_.width(), device_.height()), Qt::white);
}

void PainterSurface::capturePage() {
    ++captured_;
    if (capture_) capture_(captured_);
}

} // namespace orv
