#pragma once
// The preview's pages: the renderer runs in preview mode on a surface that keeps every page
// as a list of what was drawn on it, in twips, so that the window paints a page afresh at
// each zoom, as crisp as the screen allows. Texts are measured as in the PDF (same font
// resolution, same printable page), so that the preview breaks its pages where the PDF and
// the printer do.

#include "model/state.h"
#include "report/surface.h"

#include <memory>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QSizeF>
#include <vector>

namespace orv {

struct PreviewItem {
    bool isText = false;
    SurfaceFont font;    // texts only
    double x = 0, y = 0; // twips from the top left of the printable area; a text's top
    double x2 = 0, y2 = 0;
    QString text;
};
using PreviewPage = std::vector<PreviewItem>;

class PreviewSurface final : public Surface {
public:
    // A4 in the orientation (1 portrait, 2 landscape), less the printer's unprintable edge.
    explicit PreviewSurface(int orientation);

    // The whole sheet and the edge around the printable area, in twips.
    QSizeF paper() const { return paper_; }
    double edge() const;
    const std::vector<PreviewPage>& pages() const { return pages_; }
    std::vector<PreviewPage> takePages() { return std::move(pages_); }

    double scaleWidth() const override;
    double scaleHeight() const override;
    void setPaper(int, int) override {}
    double textWidth(const QString& text) const override;
    double textHeight() const override;
    void line(double x1, double y1, double x2, double y2) override;
    void newPage() override { ++page_; }
    int page() const override { return page_; }
    void clear() override { current_.clear(); }
    // Keeps the page drawn so far; the renderer then clears the surface for the next one.
    void capturePage() override;

protected:
    void drawText(double x, double y, const QString& text) override;
    void fontChanged() override;

private:
    QSizeF paper_;
    QImage metricsDevice_;
    std::unique_ptr<QFontMetricsF> metrics_;
    PreviewPage current_;
    std::vector<PreviewPage> pages_;
    int page_ = 1;
};

// The pages of the report of state as the preview shows them (print settings with their
// start values), and the sheet they lie on.
struct PreviewPages {
    std::vector<PreviewPage> pages;
    QSizeF paper;
    double edge = 0;
};
PreviewPages renderPreviewPages(const State& state);

// One page on a white sheet of paper at dpi device pixels per inch.
QImage paintPreviewPage(const PreviewPage& page, const QSizeF& paper, double edge, int dpi);

} // namespace orv
