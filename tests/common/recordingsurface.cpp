#include "common/recordingsurface.h"

#include <algorithm>
#include <utility>

namespace orv {

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
    RecordedOp op;
    op.kind = RecordedOp::Paper;
    op.page = page_;
    op.paperSize = paperSize;
    op.orientation = orientation;
    ops_.push_back(op);
}

double RecordingSurface::textWidth(const QString& text) const {
    return metric_.width(text, font());
}

double RecordingSurface::textHeight() const {
    return metric_.height(font());
}

void RecordingSurface::drawText(double x, double y, const QString& text) {
    RecordedOp op;
    op.kind = RecordedOp::Text;
    op.page = page_;
    op.x = x;
    op.y = y;
    op.x2 = x + textWidth(text);
    op.y2 = y + textHeight();
    op.text = text;
    op.font = font();
    ops_.push_back(op);
}

void RecordingSurface::line(double x1, double y1, double x2, double y2) {
    RecordedOp op;
    op.kind = RecordedOp::Line;
    op.page = page_;
    op.x = x1;
    op.y = y1;
    op.x2 = x2;
    op.y2 = y2;
    ops_.push_back(op);
}

void RecordingSurface::newPage() {
    ++page_;
    RecordedOp op;
    op.kind = RecordedOp::NewPage;
    op.page = page_;
    ops_.push_back(op);
}

// In the preview the same picture is wiped for every page; the recorder numbers the pages
// by the captures instead, so that texts and lines still fall on the right page.
void RecordingSurface::clear() {
    page_ = capturedPages_ + 1;
    RecordedOp op;
    op.kind = RecordedOp::Clear;
    op.page = page_;
    ops_.push_back(op);
}

void RecordingSurface::capturePage() {
    ++capturedPages_;
    RecordedOp op;
    op.kind = RecordedOp::Capture;
    op.page = page_;
    ops_.push_back(op);
}

std::vector<RecordedOp> RecordingSurface::texts(int page) const {
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : ops_)
        if (op.kind == RecordedOp::Text && (page == 0 || op.page == page)) out.push_back(op);
    return out;
}

std::vector<RecordedOp> RecordingSurface::lines(int page) const {
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : ops_)
        if (op.kind == RecordedOp::Line && (page == 0 || op.page == page)) out.push_back(op);
    return out;
}

std::vector<RecordedOp> RecordingSurface::find(const QString& text, int page) const {
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : ops_)
        if (op.kind == RecordedOp::Text && op.text == text && (page == 0 || op.page == page))
            out.push_back(op);
    return out;
}

int RecordingSurface::count(RecordedOp::Kind kind) const {
    return static_cast<int>(std::count_if(
        ops_.begin(), ops_.end(), [kind](const RecordedOp& op) { return op.kind == kind; }));
}

} // namespace orv
