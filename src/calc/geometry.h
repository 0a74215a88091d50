#pragma once
// The triangle of a line source: its length and the distances of its two ends from the
// receiving point. CheckIt guards every transmission run; the geometry test shows one line
// source's triangle while it is edited.

#include "base/outcome.h"
#include "model/state.h"

#include <QString>

namespace orv {

// Checks every line source's triangle and every mobile source's distances, stopping at the
// first that fails, refused with its warning. Writes lineLength and startCosine of the line
// sources it passes.
Outcome CheckIt(State& state);

struct GeometryTest {
    Outcome outcome;                  // refused when the distances give no usable triangle
    double viewAngle = 0;             // degrees, angle at the receiving point (when done)
    double perpendicularDistance = 0; // m, to the straight line through the source (when done)
    QString caption;                  // "Geometrie lijnbron " + the description
    QString text;                     // the window's text, or for a failure the message box's text
};

// The geometry test of the line source being edited: length and the start and end distance
// as validated on the form, description as typed. Lines are joined by lineEnd.
GeometryTest geometryTest(double length, double startDistance, double endDistance,
                          const QString& description, const QString& lineEnd);

} // namespace orv
