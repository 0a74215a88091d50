#pragma once
// The surface that really draws: a QPainter on a printer, a PDF writer or a picture.
// Twips become device pixels through the device's own resolution, and texts are measured
// with the font as the device resolves it, so that what is measured is what is drawn.

#include "report/surface.h"

#include <functional>
#include <memory>
#include <QFont>
#include <QFontMetricsF>

class QPaintDevice;
class QPagedPaintDevice;
class QPainter;

namespace orv {

class PainterSurface final : public Surface {
public:
    // A paged device (QPdfWriter, QPrinter) gets its paper from setPaper() and turns pages
    // with newPage(); any other device (a QImage for the preview) is one picture that
    // clear() wipes. Painting begins with the first drawing, so that setPaper() still
    // shapes the first page.
    explicit PainterSurface(QPaintDevice& device);
    ~PainterSurface() override;
    PainterSurface(const PainterSurface&) = delete;
    PainterSurface& operator=(const PainterSurface&) = delete;

    // Ends the painting and with it the document. False when the device could not be
    // painted on.
    bool finish();
    // Called by capturePage() with the number of pages finished so far (1 for the first):
    // the preview keeps a copy of its picture there.
    void setPageCapture(std::function<void(int page)> capture) { capture_ = std::move(capture); }

    double scaleWidth() const override;
    double scaleHeight() const override;
    void setPaper(int paperSize, int orientation) override;
    double textWidth(const QString& text) const override;
    double textHeight() const override;
    void line(double x1, double y1, double x2, double y2) override;
    void newPage() override;
    int page() const override { return page_; }
    void clear() override;
    void capturePage() override;

    // Twips to device pixels, and back.
    double toDeviceX(double x) const;
    double toDeviceY(double y) const;
    double dpiX() const;
    double dpiY() const;

protected:
    void drawText(double x, double y, const QString& text) override;
    void fontChanged() override;

private:
    QPainter* painter();

    QPaintDevice& device_;
    QPagedPaintDevice* paged_;
    std::unique_ptr<QPainter> painter_;
    bool failed_ = false;
    QFont qfont_;
    std::unique_ptr<QFontMetricsF> metrics_;
    int page_ = 1;
    int captured_ = 0;
    std::function<void(int)> capture_;
};

} // namespace orv
