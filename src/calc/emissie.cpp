#include "calc/calcmath.h"
#include "calc/procedures.h"

namespace orv {

using calc::log10Classic;
using calc::pow10;

namespace {

bool selected(const State& state, SourceKind kind) {
    return state.sections.sourcesListed(ReportKind::Emission, kind);
}

bool emits(const State& state, SourceKind kind, int number, int period) {
    return state.results[kind][number].cb[period] != kSilent &&
           state.sources[kind][number].lwA != 0;
}

} // namespace

void Emissie(State& state) {
    double energy[kPeriods] = {0, 0, 0};
    for (const SourceKind k : kSourceKinds) {
        if (!selected(state, k)) continue;
        for (int i = 1; i <= state.sourceCount[k]; ++i) {
            const SourceRecord& source = state.sources[k][i];
            const SourceResult& row = state.results[k][i];
            for (int p = 0; p < kPeriods; ++p) {
                double& corrected = state.correctedLw[k][i][p];
                if (emits(state, k, i, p)) {
                    corrected = row.cb[p] + source.lwA + 10.0 * log10Classic(source.pointCount) -
                                source.screening + source.reflection;
                } else {
                    corrected = kNoCorrectedLw;
                }
                // A silent source still adds its 10^-20: a period where every source is
                // silent sums to a tiny positive energy, not to none.
                energy[p] += pow10(corrected / 10.0);
            }
        }
    }
    for (int p = 0; p < kPeriods; ++p)
        state.cumulativeLw[p] = energy[p] > 0 ? 10.0 * log10Classic(energy[p]) : 0.0;
}

void Bron_Hoogte(State& state) {
    double weighted[kPeriods] = {0, 0, 0};
    state.replacementHeight = 0;
    for (const SourceKind k : kSourceKinds) {
        if (!selected(state, k)) continue;
        for (int i = 1; i <= state.sourceCount[k]; ++i) {
            const double height = state.sources[k][i].height;
            for (int p = 0; p < kPeriods; ++p) {
                // The source's share of the period's cumulative emission.
                const double share = emits(state, k, i, p)
                                         ? pow10(state.correctedLw[k][i][p] / 10.0) /
                                               pow10(state.cumulativeLw[p] / 10.0)
                                         : 0.0;
                weighted[p] += height * share;
            }
        }
    }
    int periods = kPeriods;
    for (int p = 0; p < kPeriods; ++p) {
        if (weighted[p] == 0) --periods;
        state.replacementHeight += weighted[p];
    }
    if (periods > 0) state.replacementHeight /= periods;
}

} // namespace orv
