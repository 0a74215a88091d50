#include "report/sheetsolve.h"

namespace orv::sheet {

double ratedEnergy(const PeriodEnergy& period, const SourceChange& change, double x) {
    const double total = period.energy - change.energy + x * change.energy;
    if (!period.hasCandidate) return total > 0 ? total * period.totalK : 0.0;

    double candidateEnergy = period.candidateEnergy;
    double hours = period.candidateHours;
    if (change.isCandidate) {
        candidateEnergy = x * change.energy;
        if (change.hoursScale) hours = x * change.hours;
    }
    // A silent surcharged source surcharges nothing.
    const bool silent = hours == 0 || (change.isCandidate && change.hoursScale && x == 0) ||
                        period.candidateEnergy == 0;
    if (silent) return total;
    const double rest = total - candidateEnergy;
    if (rest > 0 && hours < period.periodHours)
        return rest * (1.0 + (period.k - 1.0) * hours / period.periodHours) +
               period.k * candidateEnergy;
    return period.k * total;
}

bool meetsLimit(const PeriodEnergy& period, const SourceChange& change, double x,
                double limitEnergy) {
    return ratedEnergy(period, change, x) <= limitEnergy * (1.0 + 1e-12);
}

Solution solveScale(const PeriodEnergy& period, const SourceChange& change, double limitEnergy) {
    if (ratedEnergy(period, change, 1.0) <= limitEnergy) return {Solution::Kind::Met, 1.0};
    const double atZero = ratedEnergy(period, change, 0.0);
    if (change.hoursScale ? atZero > limitEnergy : atZero >= limitEnergy)
        return {Solution::Kind::NotFeasible, 0.0};
    // The rated energy rises with x; halve the bracket until it stops shrinking.
    double lo = 0, hi = 1;
    for (int i = 0; i < 120; ++i) {
        const double mid = 0.5 * (lo + hi);
        if (mid <= lo || mid >= hi) break;
        (ratedEnergy(period, change, mid) <= limitEnergy ? lo : hi) = mid;
    }
    return {Solution::Kind::Scaled, lo};
}

} // namespace orv::sheet
