#pragma once
// The geometry test of the line source being edited, from its boxes as typed.

#include "calc/geometry.h"

#include <optional>
#include <QString>

namespace orv {

struct LineSourceBoxes {
    QString length;        // 1..1000 m
    QString pointCount;    // 1..1000, validated though the test does not use it
    QString startDistance; // 1..500 m
    QString endDistance;   // 1..500 m
    QString description;
};

struct BoxesGeometry {
    GeometryTest test;
    double startDistance = 0; // as validated
    double endDistance = 0;
};

// Each box is validated as the form does on leaving it (empty raised to its minimum, too
// large brought down to its maximum); a box that holds no number gives no test at all.
std::optional<BoxesGeometry> geometryTestOfBoxes(const LineSourceBoxes& boxes,
                                                 const QString& lineEnd);

} // namespace orv
