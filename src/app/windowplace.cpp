#include "app/windowplace.h"

#include <algorithm>

namespace orv {
namespace {

// The part of a remembered window that must be on a screen to count as reachable: enough of
// its title bar to take it by the mouse.
constexpr int kGrip = 40;

qint64 area(const QRect& r) {
    return r.isValid() ? static_cast<qint64>(r.width()) * r.height() : 0;
}

} // namespace

WindowPlace placeWindow(const QRect& remembered, const QSize& preferred,
                        const QList<QRect>& screens, const QMargins& frame) {
    if (screens.isEmpty()) return {remembered.isValid() ? remembered : QRect({}, preferred), false};
    // The screen that shows most of the remembered window, if it shows enough of it.
    const QRect* home = nullptr;
    if (remembered.isValid()) {
        const QRect outer = remembered.marginsAdded(frame);
        qint64 best = 0;
        for (const QRect& screen : screens) {
            const QRect shown = outer.intersected(screen);
            if (shown.width() >= std::min(kGrip, outer.width()) &&
                shown.height() >= std::min(kGrip, outer.height()) && area(shown) > best) {
                best = area(shown);
                home = &screen;
            }
        }
    }
    const QRect& screen = home ? *home : screens.front();
    const QRect room = screen.marginsRemoved(frame);
    const QSize size =
        (home ? remembered.size() : preferred).boundedTo(room.size()).expandedTo(QSize(1, 1));
    QRect placed(QPoint(), size);
    if (home) {
        // Pushed back just far enough that the whole window is on its screen.
        placed.moveTopLeft(
            QPoint(std::clamp(remembered.left(), room.left(), room.right() - size.width() + 1),
                   std::clamp(remembered.top(), room.top(), room.bottom() - size.height() + 1)));
    } else {
        placed.moveCenter(room.center());
    }
    return {placed, home != nullptr};
}

} // namespace orv
