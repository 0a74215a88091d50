#pragma once
// The icons of the toolbars' buttons, drawn from the style's own pictures.

#include <QIcon>
#include <QStyle>

namespace orv {

// A toolbar button's icon from the style's picture, with a disabled look of its own: grey and
// faint, so that a disabled button never passes for an enabled one. The blank page of "new"
// gets a green plus, so that it does not look disabled while it works.
QIcon toolbarIcon(const QStyle* style, QStyle::StandardPixmap which);

} // namespace orv
