#include "input/centring.h"

namespace orv {
namespace {

int halfDown(int difference) {
    return difference >= 0 ? difference / 2 : -((1 - difference) / 2);
}

} // namespace

std::optional<QPoint> centringOffset(QSize current, QSize saved, bool minimised) {
    if (minimised) return std::nullopt;
    return QPoint(halfDown(current.width() - saved.width()),
                  halfDown(current.height() - saved.height()));
}

} // namespace orv
