#pragma once
// The program's picture: a works sending sound towards a receiving point, drawn as the
// installed "ornaveld.svg" is, for the windows, the tray and the about window.

#include <QIcon>
#include <QPixmap>

namespace orv {

QPixmap programPixmap(int size);
QIcon programIcon();

} // namespace orv
