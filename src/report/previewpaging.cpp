#include "report/previewpaging.h"

#include <algorithm>
#include <cmath>

namespace orv {

double zoomFactor(int choice, double pageWidth, double pageHeight, double containerWidth,
                  double containerHeight, double margin) {
    if (choice != kZoomPageWidth && choice != kZoomWholePage) return 1.0;
    if (pageWidth <= 0 || pageHeight <= 0) return 1.0;
    const double width = std::max(1.0, std::floor(containerWidth - margin));
    if (choice == kZoomPageWidth) return width / pageWidth;
    const double height = std::max(1.0, std::floor(containerHeight - margin));
    return std::min(width / pageWidth, height / pageHeight);
}

int zoomStep(int choice, int direction, double pageWidth, double pageHeight, double containerWidth,
             double containerHeight, double margin) {
    const auto factor = [&](int c) {
        return zoomFactor(c, pageWidth, pageHeight, containerWidth, containerHeight, margin);
    };
    const double now = factor(choice);
    int best = choice;
    for (int c = kZoom100; c <= kZoomWholePage; ++c) {
        const double f = factor(c);
        const bool beyond = direction > 0 ? f > now : f < now;
        const bool nearer = best == choice || (direction > 0 ? f < factor(best) : f > factor(best));
        if (beyond && nearer) best = c;
    }
    return best;
}

// The range as first written, container - (page + margin), is the overhang with its sign
// turned: a scroll bar needs the positive value.
ScrollRange scrollRange(double container, double page, double margin) {
    ScrollRange range;
    range.visible = container - margin < page;
    if (range.visible) range.maximum = static_cast<int>(std::ceil(page + margin - container));
    return range;
}

NavigationButtons ButtonEnabled(int totalPages, int page) {
    if (totalPages <= 1) return {};
    NavigationButtons b{true, true, true, true};
    if (page <= 1) b.begin = b.terug = false;
    if (page >= totalPages) b.volgende = b.eind = false;
    return b;
}

int navigatePage(QStringView key, int page, int totalPages) {
    if (key == u"begin")
        page = 1;
    else if (key == u"terug")
        page -= 1;
    else if (key == u"volgende")
        page += 1;
    else if (key == u"eind")
        page = totalPages;
    return std::clamp(page, 1, std::max(1, totalPages));
}

QString previewCaption(int page, int totalPages) {
    return QStringLiteral("Afdrukvoorbeeld, pagina %1 van %2").arg(page).arg(totalPages);
}

} // namespace orv
