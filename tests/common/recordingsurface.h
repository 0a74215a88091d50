#pragma once
// A surface that draws nothing and writes down everything, one line per operation: every
// text with its position, right end and font, every line, every page turn. Texts are
// measured by a pluggable metric, so that a test can check the placement under a
// fixed-pitch and under a proportional font.

#include "report/surface.h"

#include <functional>
#include <QStringList>

namespace orv {

struct TextMetric {
    std::function<double(const QString&, const SurfaceFont&)> width;
    std::function<double(const SurfaceFont&)> height;

    // Every character 12 x size twips wide, the advance of a fixed-pitch font such as
    // Courier New; line height that of Liberation Mono (1.133 em).
    static TextMetric fixedPitch();
    // Each character its own width (from 0.35 to 0.83 em), digits included, so that a text
    // placed by character count instead of by measured width lands visibly off.
    static TextMetric proportional();
};

class RecordingSurface final : public Surface {
public:
    // A page of the given printable size in twips (default A4 portrait without margins);
    // setPaper() turns it to the orientation asked for.
    explicit RecordingSurface(TextMetric metric = TextMetric::fixedPitch(),
                              double pageWidth = kA4WidthTwips, double pageHeight = kA4HeightTwips);

    static constexpr double kA4WidthTwips = 210.0 / 25.4 * 1440.0;
    static constexpr double kA4HeightTwips = 297.0 / 25.4 * 1440.0;

    double scaleWidth() const override { return width_; }
    double scaleHeight() const override { return height_; }
    void setPaper(int paperSize, int orientation) override;
    double textWidth(const QString& text) const override;
    double textHeight() const override;
    void line(double x1, double y1, double x2, double y2) override;
    void newPage() override;
    int page() const override { return page_; }
    void clear() override;
    void capturePage() override;

    // "page 2 text 0.0-1152.0 3810.0 8bi Totaal", "page 2 line 0.0 3700.0 13920.0 3700.0",
    // "paper 9 2", "newpage", "clear", "capture": in drawing order, one a line.
    const QStringList& log() const { return log_; }

protected:
    void drawText(double x, double y, const QString& text) override;

private:
    TextMetric metric_;
    double width_;
    double height_;
    int page_ = 1;
    int capturedPages_ = 0;
    QStringList log_;
};

} // namespace orv
