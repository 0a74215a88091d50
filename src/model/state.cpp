#include "model/state.h"

namespace orv {

void Reset(State& state) {
    for (auto& kind : state.sources)
        kind.fill(SourceRecord{});
    state.sourceCount = {0, 0};
    state.project = ProjectRecord{};
    for (auto& kind : state.results)
        kind.fill(SourceResult{});
    for (int p = 0; p < kPeriods; ++p) {
        state.totalLaeq[p] = 0;
        state.totalLamax[p] = 0;
        state.penalisedLevel[p] = 0;
    }
    state.letmaal = 0;
    state.lden = 0;
    state.lnight = 0;
}

} // namespace orv
