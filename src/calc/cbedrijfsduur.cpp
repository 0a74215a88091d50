#include "calc/calcmath.h"
#include "calc/procedures.h"

namespace orv {

using calc::log10Classic;
using calc::pow10;

void Cbedrijfsduur(State& state) {
    for (int i = 1; i <= state.sourceCount[LineSource]; ++i) {
        SourceRecord& source = state.sources[LineSource][i];
        SourceResult& row = state.results[LineSource][i];
        for (int p = 0; p < kPeriods; ++p) {
            const double periodHours = state.periodHours[p];
            if (source.movements[p] == 0) {
                row.cb[p] = kSilent;
                source.operatingHours[p] = 0;
                continue;
            }
            // One point source stands for length / pointCount metres of the route; at speed
            // km/h each vehicle passes it in that many metres over speed·1000 m/h.
            row.cb[p] =
                10.0 * log10Classic((source.length / source.pointCount) * source.movements[p] /
                                    (source.speed * 1000.0 * periodHours));
            source.operatingHours[p] = pow10(row.cb[p] / 10.0) * periodHours;
        }
    }
    for (int i = 1; i <= state.sourceCount[MobileSource]; ++i) {
        const SourceRecord& source = state.sources[MobileSource][i];
        SourceResult& row = state.results[MobileSource][i];
        for (int p = 0; p < kPeriods; ++p) {
            const double periodHours = state.periodHours[p];
            if (source.operatingHours[p] == 0) {
                row.cb[p] = kSilent;
                continue;
            }
            // The operating time is shared over the sub-sources.
            row.cb[p] =
                10.0 * log10Classic(source.operatingHours[p] / (source.pointCount * periodHours));
        }
    }
}

} // namespace orv
