#pragma once
// The print preview's own rules, apart from the window: the zoom factor of the three zoom
// choices, the page navigation with its buttons and caption, and the scroll-bar ranges.
// Sizes are in one unit of the caller's choice (twips or pixels), margins included.

#include <array>
#include <QString>
#include <QStringView>

namespace orv {

// The zoom box, by list index.
enum ZoomChoice { kZoom100 = 0, kZoomPageWidth = 1, kZoomWholePage = 2 };
inline constexpr std::array<QStringView, 3> kZoomTexts{u"Zoom 100%", u"Zoom paginabreedte",
                                                       u"Zoom passend"};

// Room kept free beside a zoomed page, and the slack a scroll bar allows, in twips.
inline constexpr double kZoomMarginTwips = 300;
inline constexpr double kScrollMarginTwips = 150;

// Factor for a page in a container: 1 at 100 %; page width fits the available width (the
// container less margin, in whole units); whole page takes the smaller of the width and
// height ratios. A container smaller than its margin gives the factor of a one-unit room.
double zoomFactor(int choice, double pageWidth, double pageHeight, double containerWidth,
                  double containerHeight, double margin);

// Ctrl++ and Ctrl+-: the choice whose factor for this page and container is the next larger
// (direction 1) or smaller (-1) than the factor of choice; choice itself when none is. Two
// choices of the same factor are one step.
int zoomStep(int choice, int direction, double pageWidth, double pageHeight, double containerWidth,
             double containerHeight, double margin);

// One scroll bar: shown when the page does not fit in the container less margin; its range
// runs from 0 to the overhang, how far the page (plus the margin) reaches past the container.
struct ScrollRange {
    bool visible = false;
    int maximum = 0;
};
ScrollRange scrollRange(double container, double page, double margin);

// The four navigation buttons: with one page none; otherwise all but "begin" and "terug" on
// the first page and "volgende" and "eind" on the last.
struct NavigationButtons {
    bool begin = false;
    bool terug = false;
    bool volgende = false;
    bool eind = false;
};
NavigationButtons ButtonEnabled(int totalPages, int page);

// The page after a button: "begin", "terug", "volgende" or "eind"; kept within 1..total.
// Another key leaves the page.
int navigatePage(QStringView key, int page, int totalPages);

// "Afdrukvoorbeeld, pagina N van M".
QString previewCaption(int page, int totalPages);

} // namespace orv
