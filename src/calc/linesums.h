#pragma once
// The hot path of the transmission: the energy sums of one line source over its point
// sources, in one pass without storing a value per point.

#include "calc/calcmath.h"
#include "model/state.h"

namespace orv::calc {

struct LineSetup {
    double a = 0; // distance of the start point
    double length = 0;
    double pointCount = 0;
    double cosine = 0; // at the start point
    double heightDiff2 = 0;
    double heightSum = 0;
    GroundLaw ground;
};

struct LineSums {
    double s1 = 0;           // sum of 10^(-D/10)
    double s2 = 0;           // sum of 10^(-(D - Cm)/10)
    bool coincident = false; // a point source lies on the receiving point
};

// The line source of that number as the loop sees it (startCosine from the geometry check).
LineSetup lineSetup(const State& state, int number);

// Sums over points 1..points at x = (j - 0.5)·length/pointCount along the line.
// Runs the AVX2 build of the loop (with fused multiply-add) where the processor has both,
// the plain one elsewhere.
LineSums lineSums(const LineSetup& setup, long points);

// The two builds, for tests: the plain one runs anywhere, the wide one only where
// hasWideVectors() says so. They round differently; both agree with the formulas.
LineSums lineSumsPlain(const LineSetup& setup, long points);
LineSums lineSumsWide(const LineSetup& setup, long points);
bool hasWideVectors();

} // namespace orv::calc
