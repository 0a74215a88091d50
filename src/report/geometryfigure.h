#pragma once
// The figure of the geometry window: the receiving point and the two ends of a line source,
// placed on a picture of 100 by 100 units (y downwards) so that the whole triangle fits.

#include <QPointF>
#include <QString>

namespace orv {

struct TriangleFigure {
    QPointF receiver;   // top middle
    QPointF start;      // left of the receiver's vertical
    QPointF end;        // right of it
    QString startLabel; // "  " + start distance in plain notation
    QString endLabel;
};

// The receiving point at the horizontal middle, a fifth of the height from the top.
QPointF SetupBasePoint();

// Start and end point at their distances from the receiving point, the view angle (degrees)
// between the two sides, which open downwards symmetrically about the vertical; scaled to the
// largest size that keeps both points a margin inside the picture.
TriangleFigure CalcTriangle(double viewAngle, double distanceA, double distanceB);

// A number as plain text: as many digits as it needs, the user's decimal separator.
QString plainNumber(double value);

} // namespace orv
