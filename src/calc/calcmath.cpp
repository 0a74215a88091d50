#include "calc/calcmath.h"

#include "base/win1252.h"

namespace orv::calc {

GroundLaw groundLaw(const ProjectRecord& project) {
    if (trimmed(project.groundType) == QLatin1String("zacht") && project.receiverHeight < 2.5)
        return {0.01, 10.1};
    return {0.005, 9.1};
}

double arcCosDegrees(double x) {
    if (x == 1) return 0;
    if (x == -1) return 180;
    const double quarter = std::atan(1.0);
    return (std::atan(-x / std::sqrt(1 - x * x)) + 2 * quarter) * 180 / (4 * quarter);
}

double heronHeight(double a, double b, double c) {
    const double s = (b + a + c) / 2;
    const double product = s * (s - a) * (s - b) * (s - c);
    // On the line itself the product is 0, and rounding can make it a hair negative.
    const double area = product > 0 ? std::sqrt(product) : 0.0;
    return 2 / c * area;
}

} // namespace orv::calc
