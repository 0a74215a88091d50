#pragma once
// Where a window opens: at the size and place it had last time, when that place is still on a
// screen, else at its own size in the middle of the first screen; never larger than the part
// of the screen that windows may use (a 1024 x 768 screen less its panels and the window's own
// frame), so that no button ends up out of reach.

#include <QList>
#include <QMargins>
#include <QRect>
#include <QSize>

namespace orv {

struct WindowPlace {
    QRect geometry;  // the window's inside, without its frame
    bool remembered; // the remembered place was used (false: centred on the first screen)
};

// remembered: the inside of the window last time (invalid: none); preferred: its own size;
// screens: the available area of every screen, the first one first; frame: the window
// decoration's widths around the inside.
WindowPlace placeWindow(const QRect& remembered, const QSize& preferred,
                        const QList<QRect>& screens, const QMargins& frame);

} // namespace orv
