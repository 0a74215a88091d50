#pragma once
// The program's picture: a works sending sound towards a receiving point, drawn as the
// installed "ornaveld.svg" is, for the windows, the tray and the about window.

#include <QIcon>
#include <QPixmap>
#include <QStyle>

namespace orv {

QPixmap programPixmap(int size);
QIcon programIcon();

// A toolbar button's icon from the style's picture, with a disabled look of its own: grey and
// faint, so that a disabled button never passes for an enabled one. The blank page of "new"
// gets a green plus, so that it does not look disabled while it works.
QIcon toolbarIcon(const QStyle* style, QStyle::StandardPixmap which);

} // namespace orv
