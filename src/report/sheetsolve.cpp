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
    const double atOne = ratedEnergy(period, change, 1.0);
    if (atOne <= limitEnergy) return {Solution::Kind::Met, 1.0};
    const double atZero = ratedEnergy(period, change, 0.0);
    if (change.hoursScale ? atZero > limitEnergy : atZero >= limitEnergy)
        return {Solution::Kind::NotFeasible, 0.0};
    // The rated energy rises linearly with x, with at most one bend (where a surcharged
    // source's hours reach the period's): a straight-line step lands on the limit within a
    // rounding, every third step halves the bracket in case a bend slows the steps down.
    double lo = 0, hi = 1, atLo = atZero, atHi = atOne;
    for (int i = 0; i < 200 && limitEnergy - atLo > 1e-13 * limitEnergy; ++i) {
        double x = lo + (hi - lo) * (limitEnergy - atLo) / (atHi - atLo);
        if (i % 3 == 2 || !(x > lo && x < hi)) x = 0.5 * (lo + hi);
        if (x <= lo || x >= hi) break;
        const double r = ratedEnergy(period, change, x);
        if (r <= limitEnergy) {
            lo = x;
            atLo = r;
        } else {
            hi = x;
            atHi = r;
        }
    }
    return {Solution::Kind::Scaled, lo};
}

} // namespace orv::sheet
