#pragma once
// The geometry test of the line source being edited, from its boxes as typed.

#include "calc/geometry.h"

#include <array>
#include <QString>
#include <utility>
#include <vector>

namespace orv {

struct BoxesGeometry {
    // The first box that holds no number, -1 when every box does; the test is then not run.
    int refusedBox = -1;
    QString toolTip;
    // The boxes read (txtLijnbron index), with their text as leaving them would show it.
    std::vector<std::pair<int, QString>> normalised;
    GeometryTest test;
    double startDistance = 0; // as validated
    double endDistance = 0;
};

// The length, the number of point sources (validated though the test does not use it) and
// the two distances, each checked as the form does on leaving its box (empty raised to its
// minimum, too large brought down to its maximum); boxes are txtLijnbron_0..9 as typed.
BoxesGeometry geometryTestOfBoxes(const std::array<QString, 10>& boxes, const QString& lineEnd);

} // namespace orv
