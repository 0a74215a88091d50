#include "calc/calcmath.h"
#include "calc/procedures.h"

namespace orv {

using calc::log10Classic;

void Immissie(State& state) {
    const double facade = state.project.facadeReflection;
    for (const SourceKind k : kSourceKinds) {
        for (int i = 1; i <= state.sourceCount[k]; ++i) {
            const SourceRecord& source = state.sources[k][i];
            SourceResult& row = state.results[k][i];
            row.levelEqBase = source.lwA - row.transmission - source.screening + source.reflection;
            row.levelMaxBase =
                source.lwAMax - row.transmissionMax - source.screening + source.reflection;
            for (int p = 0; p < kPeriods; ++p) {
                if (row.cb[p] == kSilent) {
                    row.laeq[p] = 0;
                    row.lamax[p] = 0;
                } else {
                    // cb is per point source: the count of point sources comes back here.
                    // LAmax is one passing source at its nearest: no cb, no count.
                    row.laeq[p] = row.cb[p] + row.levelEqBase - row.cm + facade +
                                  10.0 * log10Classic(source.pointCount);
                    row.lamax[p] = row.levelMaxBase - row.cmMax + facade;
                }
                if (source.lwA == 0) row.laeq[p] = 0;
                if (source.lwAMax == 0) row.lamax[p] = 0;
            }
        }
    }
}

} // namespace orv
