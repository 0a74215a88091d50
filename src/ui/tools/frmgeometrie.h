#pragma once
// The geometry window of a line source: the triangle of receiving point, start point and end
// point in the picture picTest, with the texts of the geometry test under it.

#include "app/geometryfields.h"
#include "base/platform.h"

#include <QDialog>

namespace orv {

class frmGeometrie : public QDialog {
    Q_OBJECT
public:
    // viewAngle in degrees; caption and text as the geometry test built them.
    frmGeometrie(double viewAngle, double distanceA, double distanceB, const QString& caption,
                 const QString& text, QWidget* parent = nullptr);

    // The input form's "geometrie" button once its boxes were accepted: a triangle that
    // cannot be drawn gives its message (information icon), otherwise the window opens
    // modally. True when the window was opened.
    static bool showTest(Platform& platform, const BoxesGeometry& run, QWidget* parent = nullptr);
};

} // namespace orv
