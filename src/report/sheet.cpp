#include "report/sheet.h"

#include "base/win1252.h"
#include "calc/calcmath.h"
#include "report/sheetsolve.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace orv {

using calc::log10Classic;
using calc::pow10;
using sheet::PeriodEnergy;
using sheet::SourceChange;
using Status = SheetReduction::Status;

namespace {

bool listed(const State& state, int kind) {
    return state.sections.sourcesListed(ReportKind::Transmission, kind);
}

bool contributes(const SourceResult& r, int p) {
    return r.cb[p] != kSilent && r.laeq[p] != 0;
}

// The hours the surcharge step weighs a source's surcharge with: the whole route's
// vehicle-hours for a line source.
double surchargeHours(const State& state, int kind, int number, int p) {
    const SourceRecord& s = state.sources[kind][number];
    if (state.results[kind][number].cb[p] == kSilent) return 0;
    return kind == LineSource ? s.operatingHours[p] * s.pointCount : s.operatingHours[p];
}

// The period as the assessment and the surcharge step formed it.
PeriodEnergy periodEnergy(const State& state, int p) {
    PeriodEnergy e;
    e.periodHours = state.periodHours[p];
    for (int kind = 0; kind < kKinds; ++kind) {
        if (!listed(state, kind)) continue;
        for (int i = 1; i <= state.sourceCount[kind]; ++i) {
            const SourceResult& r = state.results[kind][i];
            if (contributes(r, p)) e.energy += pow10(r.laeq[p] / 10.0);
            // The last listed source with a surcharge is the one the step applies.
            if (state.sources[kind][i].surchargeKx > 0) {
                e.hasCandidate = true;
                e.candidateKind = kind;
                e.candidateNumber = i;
            }
        }
    }
    if (e.hasCandidate) {
        const int kind = e.candidateKind;
        const int i = e.candidateNumber;
        const SourceResult& r = state.results[kind][i];
        e.k = pow10(state.sources[kind][i].surchargeKx / 10.0);
        e.candidateHours = surchargeHours(state, kind, i, p);
        e.candidateEnergy = contributes(r, p) ? pow10(r.laeq[p] / 10.0) : 0.0;
    } else if (state.sources[0][0].surchargeKx > 0) {
        e.totalK = pow10(state.sources[0][0].surchargeKx / 10.0);
    }
    return e;
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

// The sound power that alone meets the limit, rounded down to 0.1 dB.
SheetReduction powerReduction(const PeriodEnergy& period, const SourceChange& change, double lwA,
                              double limitEnergy) {
    const sheet::Solution s = sheet::solveScale(period, change, limitEnergy);
    if (s.kind == sheet::Solution::Kind::Met) return {Status::Met, 0, 0, lwA};
    if (s.kind == sheet::Solution::Kind::NotFeasible) return {Status::NotFeasible, 0, 0, 0};
    const double exact = -10.0 * log10Classic(s.x);
    const double allowed = largestMeeting(lwA - exact, lwA, 10, [&](double lw) {
        return sheet::meetsLimit(period, change, pow10((lw - lwA) / 10.0), limitEnergy);
    });
    return {Status::Needed, exact, takenOff(lwA, allowed), allowed};
}

// The hours or movements that alone meet the limit, rounded down to the field's grid.
SheetAmount amountReduction(const PeriodEnergy& period, SourceChange change, double now,
                            double scale, double limitEnergy) {
    change.hoursScale = true;
    const sheet::Solution s = sheet::solveScale(period, change, limitEnergy);
    if (s.kind == sheet::Solution::Kind::Met) return {Status::Met, now, now};
    if (s.kind == sheet::Solution::Kind::NotFeasible || now <= 0)
        return {Status::NotFeasible, 0, 0};
    const double exact = s.x * now;
    const double allowed = largestMeeting(exact, now, scale, [&](double amount) {
        return sheet::meetsLimit(period, change, amount / now, limitEnergy);
    });
    return {Status::Needed, exact, allowed};
}

SheetReduction lamaxReduction(const SheetRow& row, const std::optional<double>& limit) {
    if (!limit || row.lamax == 0) return {};
    if (row.lamax <= *limit) return {Status::Met, 0, 0, row.lwAMax};
    const double exact = row.lamax - *limit;
    const double allowed = largestMeeting(row.lwAMax - exact, row.lwAMax, 10, [&](double lw) {
        return row.lamax - (row.lwAMax - lw) <= *limit + 1e-9;
    });
    return {Status::Needed, exact, takenOff(row.lwAMax, allowed), allowed};
}

SheetRow makeRow(const State& state, int kind, int i, int p) {
    const SourceRecord& s = state.sources[kind][i];
    const SourceResult& r = state.results[kind][i];
    SheetRow row;
    row.kind = kind;
    row.number = i;
    row.period = p;
    row.source = trimmed(s.description);
    row.lwA = s.lwA;
    row.lwAMax = s.lwAMax;
    row.pointCount = s.pointCount;
    row.movements = kind == LineSource ? s.movements[p] : 0.0;
    row.hours = s.operatingHours[p];
    row.cb = r.cb[p];
    row.transmission = r.transmission;
    row.cm = r.cm;
    row.transmissionMax = r.transmissionMax;
    row.cmMax = r.cmMax;
    row.screening = s.screening;
    row.reflection = s.reflection;
    row.facade = state.project.facadeReflection;
    row.surchargeK = s.surchargeKx;
    row.laeq = r.laeq[p];
    row.laeqSurcharged = r.laeq[p] != 0 ? r.laeq[p] + s.surchargeKx : 0.0;
    row.lamax = r.lamax[p];
    row.contributes = contributes(r, p);
    return row;
}

void fillLimits(Sheet& sheet, const State& state, const SheetLimits& limits,
                const PeriodEnergy (&energy)[kPeriods]) {
    for (SheetRow& row : sheet.rows) {
        const int p = row.period;
        const SheetPeriod& period = sheet.periods[p];
        row.lamaxCut = lamaxReduction(row, limits.lamax[p]);
        if (!period.limit || period.ratedLevel == 0) continue;
        const double limitEnergy = pow10(*period.limit / 10.0);
        const PeriodEnergy& e = energy[p];
        SourceChange change;
        change.isCandidate =
            e.hasCandidate && e.candidateKind == row.kind && e.candidateNumber == row.number;
        change.energy = row.contributes ? pow10(row.laeq / 10.0) : 0.0;
        change.hours = surchargeHours(state, row.kind, row.number, p);
        row.rated = powerReduction(e, change, row.lwA, limitEnergy);
        if (row.kind == LineSource)
            row.amount = amountReduction(e, change, row.movements, 10, limitEnergy);
        else
            row.amount = amountReduction(e, change, row.hours, 10000, limitEnergy);
    }
}

} // namespace

QString notFeasibleText() {
    return QStringLiteral("niet haalbaar met deze bron alleen");
}

Sheet buildSheet(const State& state, const SheetLimits& limits) {
    Sheet sheet;
    if (state.reportKind != ReportKind::Transmission) return sheet;
    PeriodEnergy energy[kPeriods];
    for (int p = 0; p < kPeriods; ++p) {
        energy[p] = periodEnergy(state, p);
        SheetPeriod& period = sheet.periods[p];
        period.energyLevel = energy[p].energy > 0 ? 10.0 * log10Classic(energy[p].energy) : 0.0;
        period.ratedLevel = state.totalLaeq[p];
        period.lamax = state.totalLamax[p];
        period.limit = limits.rated[p];
        period.lamaxLimit = limits.lamax[p];
        if (period.limit && period.ratedLevel != 0)
            period.margin = *period.limit - period.ratedLevel;
        if (period.lamaxLimit && period.lamax != 0)
            period.lamaxMargin = *period.lamaxLimit - period.lamax;
        if (state.penalisedLevel[p] > state.penalisedLevel[sheet.decisivePeriod])
            sheet.decisivePeriod = p;
    }

    std::size_t count = 0;
    for (int kind = 0; kind < kKinds; ++kind)
        count += listed(state, kind) ? static_cast<std::size_t>(state.sourceCount[kind]) : 0;
    sheet.rows.reserve(count * kPeriods);
    for (int kind = 0; kind < kKinds; ++kind) {
        if (!listed(state, kind)) continue;
        for (int i = 1; i <= state.sourceCount[kind]; ++i) {
            for (int p = 0; p < kPeriods; ++p) {
                SheetRow row = makeRow(state, kind, i, p);
                if (row.contributes) {
                    const double total = sheet.periods[p].energyLevel;
                    row.shareDb = total - row.laeq;
                    row.sharePercent = 100.0 * pow10(row.laeq / 10.0) / energy[p].energy;
                }
                sheet.rows.push_back(std::move(row));
            }
        }
    }
    fillLimits(sheet, state, limits, energy);
    sortSheetByContribution(sheet);
    return sheet;
}

void sortSheetByContribution(Sheet& sheet) {
    std::vector<double> share(static_cast<std::size_t>(kKinds * (kMaxSources + 1)), -1.0);
    auto key = [](const SheetRow& row) {
        return static_cast<std::size_t>(row.kind * (kMaxSources + 1) + row.number);
    };
    for (const SheetRow& row : sheet.rows) {
        if (row.period == sheet.decisivePeriod && row.contributes)
            share[key(row)] = row.sharePercent;
    }
    std::stable_sort(sheet.rows.begin(), sheet.rows.end(),
                     [&](const SheetRow& a, const SheetRow& b) {
                         const double sa = share[key(a)];
                         const double sb = share[key(b)];
                         if (sa != sb) return sa > sb;
                         if (key(a) != key(b)) return key(a) < key(b);
                         return a.period < b.period;
                     });
}

} // namespace orv
