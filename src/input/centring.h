#pragma once
// The input form keeps its fixed-size content centred: when the window is resized the
// content moves by half the change of each dimension; its size never changes.

#include <optional>
#include <QPoint>
#include <QSize>

namespace orv {

// The offset from the design position for a window of size current that was designed at
// size saved: half of each difference, rounded down (so a window one pixel smaller moves
// the content one pixel up or left, never half a pixel's worth of nothing). No position
// when the window or the main window is minimised: the content stays where it is.
std::optional<QPoint> centringOffset(QSize current, QSize saved, bool minimised);

} // namespace orv
