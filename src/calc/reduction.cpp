#include "calc/reduction.h"

#include "calc/calcmath.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace orv::reduce {

using calc::log10Classic;
using calc::pow10;
using Status = SheetReduction::Status;

namespace {

bool contributes(const SourceResult& r, int p) {
    return r.cb[p] != kSilent && r.laeq[p] != 0;
}

// Values on a field's grid of 1/scale (10 for "#0.0", 10000 for "#0.0000") are held as
// n / scale: the division of two whole numbers gives the same double as reading the
// decimal text the field shows.
double onGrid(double n, double scale) {
    return n / scale;
}

// Sound power minus the allowed sound power, without the binary noise of the subtraction
// when the sound power is stored to 0.1 dB as its field keeps it.
double takenOff(double lw, double allowed) {
    const bool stored = std::round(lw * 10) / 10 == lw;
    return stored ? std::round((lw - allowed) * 10) / 10 : lw - allowed;
}

// The largest grid value not above exact that meets the limit, never above now: the floor
// first, one step up where the floor's rounding lost it, steps down where the sums' did.
double largestMeeting(double exact, double now, double scale,
                      const std::function<bool(double)>& meets) {
    double n = std::floor(exact * scale);
    if (onGrid(n + 1, scale) < now && meets(onGrid(n + 1, scale))) n += 1;
    for (int guard = 0; guard < 5 && n > 0 && !meets(onGrid(n, scale)); ++guard)
        n -= 1;
    return onGrid(std::max(n, 0.0), scale);
}

} // namespace

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

PeriodEnergy periodEnergy(const State& state, const Assessment& a, int p) {
    PeriodEnergy e;
    e.periodHours = state.periodHours[p];
    e.energy = a.energySum[p];
    const SurchargeStep& step = a.surcharge;
    if (step.on == SurchargeStep::On::Source) {
        const SourceResult& r = state.results[step.kind][step.number];
        e.hasCandidate = true;
        e.candidateKind = step.kind;
        e.candidateNumber = step.number;
        e.k = pow10(step.k / 10.0);
        e.candidateHours = step.hours[p];
        e.candidateEnergy = contributes(r, p) ? pow10(r.laeq[p] / 10.0) : 0.0;
    } else if (step.on == SurchargeStep::On::Total) {
        e.totalK = pow10(step.k / 10.0);
    }
    return e;
}

SourceChange sourceChange(const State& state, const Assessment& a, SourceKind kind, int number,
                          int p) {
    const SourceRecord& s = state.sources[kind][number];
    const SourceResult& r = state.results[kind][number];
    const SurchargeStep& step = a.surcharge;
    SourceChange change;
    change.isCandidate =
        step.on == SurchargeStep::On::Source && step.kind == kind && step.number == number;
    change.energy = contributes(r, p) ? pow10(r.laeq[p] / 10.0) : 0.0;
    // The hours the surcharge step weighs a surcharge with: the whole route's vehicle-hours.
    if (r.cb[p] != kSilent)
        change.hours =
            kind == LineSource ? s.operatingHours[p] * s.pointCount : s.operatingHours[p];
    return change;
}

SheetReduction powerReduction(const PeriodEnergy& period, const SourceChange& change, double lwA,
                              double limitDb) {
    const double limitEnergy = pow10(limitDb / 10.0);
    const Solution s = solveScale(period, change, limitEnergy);
    if (s.kind == Solution::Kind::Met) return {Status::Met, 0, 0, lwA};
    if (s.kind == Solution::Kind::NotFeasible) return {Status::NotFeasible, 0, 0, 0};
    const double exact = -10.0 * log10Classic(s.x);
    const double allowed = largestMeeting(lwA - exact, lwA, 10, [&](double lw) {
        return meetsLimit(period, change, pow10((lw - lwA) / 10.0), limitEnergy);
    });
    return {Status::Needed, exact, takenOff(lwA, allowed), allowed};
}

SheetAmount amountReduction(const PeriodEnergy& period, SourceChange change, double now,
                            double scale, double limitDb) {
    const double limitEnergy = pow10(limitDb / 10.0);
    change.hoursScale = true;
    const Solution s = solveScale(period, change, limitEnergy);
    if (s.kind == Solution::Kind::Met) return {Status::Met, now, now};
    if (s.kind == Solution::Kind::NotFeasible || now <= 0) return {Status::NotFeasible, 0, 0};
    const double exact = s.x * now;
    const double allowed = largestMeeting(exact, now, scale, [&](double amount) {
        return meetsLimit(period, change, amount / now, limitEnergy);
    });
    return {Status::Needed, exact, allowed};
}

SheetReduction lamaxReduction(double lamax, double lwAMax, const std::optional<double>& limit) {
    if (!limit || lamax == 0) return {};
    if (lamax <= *limit) return {Status::Met, 0, 0, lwAMax};
    const double exact = lamax - *limit;
    const double allowed = largestMeeting(lwAMax - exact, lwAMax, 10, [&](double lw) {
        return lamax - (lwAMax - lw) <= *limit + 1e-9;
    });
    return {Status::Needed, exact, takenOff(lwAMax, allowed), allowed};
}

} // namespace orv::reduce
