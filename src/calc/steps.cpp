#include "calc/procedures.h"

#include <array>
#include <memory>

namespace orv {

namespace {

// What the transmission command writes before a step can still refuse: kept so that a
// refused run leaves the results of the previous one.
struct TransmissionSnapshot {
    std::array<std::array<SourceResult, kMaxSources + 1>, kKinds> results;
    double lineHours[kMaxSources + 1][kPeriods];

    explicit TransmissionSnapshot(const State& state) : results(state.results) {
        for (int i = 0; i <= kMaxSources; ++i) {
            for (int p = 0; p < kPeriods; ++p)
                lineHours[i][p] = state.sources[LineSource][i].operatingHours[p];
        }
    }
    void restore(State& state) const {
        state.results = results;
        for (int i = 0; i <= kMaxSources; ++i) {
            for (int p = 0; p < kPeriods; ++p)
                state.sources[LineSource][i].operatingHours[p] = lineHours[i][p];
        }
    }
};

} // namespace

Outcome runCalculationSteps(State& state) {
    switch (state.reportKind) {
    case ReportKind::Cb:
        Cbedrijfsduur(state);
        return {};
    case ReportKind::Transmission: {
        const auto snapshot = std::make_unique<TransmissionSnapshot>(state);
        Cbedrijfsduur(state);
        Outcome run = Overdracht(state);
        if (run.done()) run = OverdrachtMax(state);
        if (!run.done()) {
            snapshot->restore(state);
            run.warnings.clear();
            return run;
        }
        Immissie(state);
        return run;
    }
    case ReportKind::Emission:
        Cbedrijfsduur(state);
        Emissie(state);
        Bron_Hoogte(state);
        return {};
    case ReportKind::None:
        break;
    }
    return {};
}

} // namespace orv
