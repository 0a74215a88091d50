#include "calc/assessment.h"

#include "calc/calcmath.h"
#include "calc/surcharge.h"

#include <algorithm>

namespace orv {

using calc::log10Classic;
using calc::pow10;

namespace {

bool listed(const State& state, int kind) {
    return state.sections.sourcesListed(ReportKind::Transmission, kind);
}

} // namespace

void ToeslagK(State& state) {
    // The last listed source with a surcharge wins, mobile sources after line sources.
    int kind = -1;
    int number = 0;
    for (int k = 0; k < kKinds; ++k) {
        if (!listed(state, k)) continue;
        for (int i = 1; i <= state.sourceCount[k]; ++i) {
            if (state.sources[k][i].surchargeKx > 0) {
                kind = k;
                number = i;
            }
        }
    }

    if (kind < 0) {
        const qint16 k = state.sources[0][0].surchargeKx;
        if (k > 0) {
            for (double& total : state.totalLaeq) {
                if (total != 0) total += k;
            }
        }
        return;
    }

    const SourceRecord& source = state.sources[kind][number];
    const SourceResult& row = state.results[kind][number];
    const double k = source.surchargeKx;
    for (int p = 0; p < kPeriods; ++p) {
        const double periodHours = state.periodHours[p];
        double hours = 0;
        if (row.cb[p] != kSilent) {
            // A driving route's stored hours are per point source; the route as a whole is
            // driven for pointCount times as long.
            hours = kind == LineSource ? source.operatingHours[p] * source.pointCount
                                       : source.operatingHours[p];
        }
        if (row.laeq[p] == 0 || hours == 0) continue;
        double& total = state.totalLaeq[p];
        if (row.laeq[p] < total && source.operatingHours[p] != periodHours)
            total = surchargedTotal(total, row.laeq[p], hours, periodHours, k);
        else
            total += k;
    }
}

void assessLevels(State& state, const double energySum[3]) {
    for (int p = 0; p < kPeriods; ++p)
        state.totalLaeq[p] = energySum[p] > 0 ? 10.0 * log10Classic(energySum[p]) : 0.0;

    ToeslagK(state);

    // The penalty follows the energy sum, not the total: a period whose sources sum to a
    // level below 0 dB is still penalised.
    for (int p = 0; p < kPeriods; ++p)
        state.penalisedLevel[p] = energySum[p] > 0 ? state.totalLaeq[p] + 5.0 * p : 0.0;

    state.letmaal =
        std::max({state.penalisedLevel[0], state.penalisedLevel[1], state.penalisedLevel[2]});
    state.lnight = state.totalLaeq[2];
    // A period without sources still enters Lden, with 10^0 = 1 in its term.
    state.lden = 10.0 * log10Classic(12.0 / 24.0 * pow10(state.penalisedLevel[0] / 10.0) +
                                     4.0 / 24.0 * pow10(state.penalisedLevel[1] / 10.0) +
                                     8.0 / 24.0 * pow10(state.penalisedLevel[2] / 10.0));

    for (int p = 0; p < kPeriods; ++p) {
        bool any = false;
        double highest = 0;
        for (int k = 0; k < kKinds; ++k) {
            if (!listed(state, k)) continue;
            for (int i = 1; i <= state.sourceCount[k]; ++i) {
                const double level = state.results[k][i].lamax[p];
                highest = any ? std::max(highest, level) : level;
                any = true;
            }
        }
        state.totalLamax[p] = highest;
    }
}

} // namespace orv
