#pragma once
// The small formulas that every calculation step shares: logarithms and powers of ten as
// the method writes them, the meteorological correction Cm and the transmission loss D of
// a slant distance, and the triangle rules of the line-source geometry.

#include "model/records.h"

#include <cmath>
#include <QString>

namespace orv::calc {

inline const double kLn10 = std::log(10.0);

// The common logarithm as the method computes it: ln(x) / ln(10).
inline double log10Classic(double x) {
    return std::log(x) / kLn10;
}
inline double pow10(double x) {
    return std::pow(10.0, x);
}

// Nearest whole number, an exact half going to the even neighbour.
inline double roundHalfEven(double x) {
    return std::nearbyint(x);
}

// Transmission loss D(d) = 20·log10(d) + slope·d + offset. Soft ground under a low
// receiving point damps more; from 2.5 m up the ground effect is that of hard ground. Any
// ground text other than "zacht" counts as hard: only a damaged file can bring one.
struct GroundLaw {
    double slope = 0.005;
    double offset = 9.1;
};

GroundLaw groundLaw(const ProjectRecord& project);

inline double transmissionLoss(double d, const GroundLaw& g) {
    return 20.0 * log10Classic(d) + g.slope * d + g.offset;
}

// Cm(d): the meteorological correction, a positive number of dB, for source and receiver
// heights summing to heightSum. Zero while d does not exceed 10·heightSum.
inline double meteoCorrection(double d, double heightSum) {
    return 10.0 * heightSum < d ? 5.0 - 50.0 * heightSum / d : 0.0;
}

// Cosine of the angle between sides a and b of a triangle, opposite side c.
inline double cosineRule(double a, double b, double c) {
    return (a * a + b * b - c * c) / (2.0 * a * b);
}

// Third side from two sides and the cosine between them. Rounding can push the square of a
// vanishing side slightly below zero; that is a side of length 0.
inline double thirdSide(double a, double b, double cosine) {
    const double square = a * a + b * b - 2.0 * a * b * cosine;
    return square > 0.0 ? std::sqrt(square) : 0.0;
}

// Arc cosine in degrees; defined on -1..1 only.
double arcCosDegrees(double x);

// Distance from the receiving point to the straight line through a segment of length c
// whose ends lie at a and b, by Heron's formula (0 on the line itself).
double heronHeight(double a, double b, double c);

} // namespace orv::calc
