#include "calc/assessment.h"

#include "calc/calcmath.h"
#include "calc/surcharge.h"

#include <algorithm>

namespace orv {

using calc::log10Classic;
using calc::pow10;

namespace {

bool contributes(const SourceResult& r, int p) {
    return r.cb[p] != kSilent && r.laeq[p] != 0;
}

SurchargeStep surchargeStep(const State& state, ListedKinds listed) {
    SurchargeStep step;
    for (const SourceKind k : kSourceKinds) {
        if (!listed[k]) continue;
        for (int i = 1; i <= state.sourceCount[k]; ++i) {
            if (state.sources[k][i].surchargeKx > 0) {
                step.on = SurchargeStep::On::Source;
                step.kind = k;
                step.number = i;
            }
        }
    }
    if (step.on == SurchargeStep::On::None) {
        step.k = state.sources[LineSource][0].surchargeKx;
        if (step.k > 0) step.on = SurchargeStep::On::Total;
        return step;
    }
    const SourceRecord& source = state.sources[step.kind][step.number];
    const SourceResult& row = state.results[step.kind][step.number];
    step.k = source.surchargeKx;
    for (int p = 0; p < kPeriods; ++p) {
        if (row.cb[p] == kSilent) continue;
        // A driving route's stored hours are per point source; the route as a whole is
        // driven for pointCount times as long.
        step.hours[p] = step.kind == LineSource ? source.operatingHours[p] * source.pointCount
                                                : source.operatingHours[p];
    }
    return step;
}

} // namespace

ListedKinds listedKinds(const Sections& sections) {
    return {sections.linesListed(ReportKind::Transmission),
            sections.mobilesListed(ReportKind::Transmission)};
}

double energyOf(double level) {
    return pow10(level / 10.0);
}

double levelOf(double energy) {
    return energy > 0 ? 10.0 * log10Classic(energy) : 0.0;
}

double sourceCorrection(const SourceRecord& source, const SourceResult& result, int period) {
    return 10.0 * log10Classic(source.pointCount) + result.cb[period] - source.screening +
           source.reflection;
}

void ToeslagK(const State& state, Assessment& a) {
    const SurchargeStep& step = a.surcharge;
    if (step.on == SurchargeStep::On::Total) {
        for (double& total : a.totalLaeq) {
            if (total != 0) total += step.k;
        }
        return;
    }
    if (step.on != SurchargeStep::On::Source) return;

    const SourceRecord& source = state.sources[step.kind][step.number];
    const SourceResult& row = state.results[step.kind][step.number];
    for (int p = 0; p < kPeriods; ++p) {
        const double hours = step.hours[p];
        if (row.laeq[p] == 0 || hours == 0) continue;
        double& total = a.totalLaeq[p];
        // The stored hours, not the route's: a route of a whole period's hours per point
        // source raises the total by the full surcharge.
        if (row.laeq[p] < total && source.operatingHours[p] != state.periodHours[p])
            total = surchargedTotal(total, row.laeq[p], hours, state.periodHours[p], step.k);
        else
            total += step.k;
    }
}

Assessment assess(const State& state, ListedKinds listed) {
    Assessment a;
    a.listed = listed;
    for (const SourceKind k : kSourceKinds) {
        if (!listed[k]) continue;
        for (int i = 1; i <= state.sourceCount[k]; ++i) {
            const SourceResult& r = state.results[k][i];
            for (int p = 0; p < kPeriods; ++p) {
                if (contributes(r, p)) a.energySum[p] += energyOf(r.laeq[p]);
            }
        }
    }
    for (int p = 0; p < kPeriods; ++p)
        a.totalLaeq[p] = levelOf(a.energySum[p]);

    a.surcharge = surchargeStep(state, listed);
    ToeslagK(state, a);

    // The penalty follows the energy sum, not the total: a period whose sources sum to a
    // level below 0 dB is still penalised.
    for (int p = 0; p < kPeriods; ++p)
        a.penalisedLevel[p] = a.energySum[p] > 0 ? a.totalLaeq[p] + 5.0 * p : 0.0;

    a.letmaal = std::max({a.penalisedLevel[0], a.penalisedLevel[1], a.penalisedLevel[2]});
    a.lnight = a.totalLaeq[2];
    // A period without sources still enters Lden, with 10^0 = 1 in its term.
    a.lden = 10.0 * log10Classic(12.0 / 24.0 * pow10(a.penalisedLevel[0] / 10.0) +
                                 4.0 / 24.0 * pow10(a.penalisedLevel[1] / 10.0) +
                                 8.0 / 24.0 * pow10(a.penalisedLevel[2] / 10.0));

    for (int p = 0; p < kPeriods; ++p) {
        bool any = false;
        double highest = 0;
        for (const SourceKind k : kSourceKinds) {
            if (!listed[k]) continue;
            for (int i = 1; i <= state.sourceCount[k]; ++i) {
                const double level = state.results[k][i].lamax[p];
                highest = any ? std::max(highest, level) : level;
                any = true;
            }
        }
        a.totalLamax[p] = highest;
    }
    return a;
}

Assessment assess(const State& state) {
    return assess(state, listedKinds(state.sections));
}

void applyAssessment(State& state, const Assessment& a) {
    for (int p = 0; p < kPeriods; ++p) {
        state.totalLaeq[p] = a.totalLaeq[p];
        state.totalLamax[p] = a.totalLamax[p];
        state.penalisedLevel[p] = a.penalisedLevel[p];
    }
    state.letmaal = a.letmaal;
    state.lden = a.lden;
    state.lnight = a.lnight;
}

void assessListedSources(State& state) {
    if (state.reportKind != ReportKind::Transmission) return;
    const ListedKinds listed = listedKinds(state.sections);
    if (listed.any()) applyAssessment(state, assess(state, listed));
}

} // namespace orv
