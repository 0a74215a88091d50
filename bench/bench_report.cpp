// Building the transmission report of the largest project: 500 line sources and 500 mobile
// sources with every result filled, so that each row formats all its columns.

#include "base/win1252.h"
#include "model/state.h"
#include "report/overzicht.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

std::unique_ptr<orv::State> largestReport() {
    auto state = std::make_unique<orv::State>();
    state->settings.userName = orv::fixedText(u"Ir. J. de Vries", orv::kUserNameWidth);
    for (const orv::SourceKind kind : orv::kSourceKinds) {
        for (int n = 1; n <= orv::kMaxSources; ++n) {
            orv::SourceRecord& s = state->sources[kind][n];
            s.sourceName = orv::fixedText(u"Vrachtwagen (rijdend)", orv::kSourceNameWidth);
            s.description =
                orv::fixedText(QStringLiteral("Route %1 België").arg(n), orv::kDescriptionWidth);
            s.lwA = 105;
            s.lwAMax = 108;
            s.height = 1 + n % 7 * 0.5;
            s.distanceA = 100 + n % 50;
            s.distanceB = 200 + n % 70;
            s.reflection = static_cast<qint16>(n % 2 * 2);
            orv::SourceResult& r = state->results[kind][n];
            r.cm = 0.1 * (n % 20);
            for (int p = 0; p < orv::kPeriods; ++p) {
                r.cb[p] = -20.0 - p - 0.01 * n;
                r.laeq[p] = 30.0 + 0.013 * n + p;
                r.lamax[p] = 60.0 + 0.007 * n;
            }
        }
        state->sourceCount[kind] = orv::kMaxSources;
    }
    state->reportKind = orv::ReportKind::Transmission;
    state->sections = orv::Sections::initial(orv::ReportKind::Transmission);
    return state;
}

void BM_TextReport_1000Sources(benchmark::State& bench) {
    const auto state = largestReport();
    for (auto _ : bench) {
        orv::MaakOverzicht(*state);
        benchmark::DoNotOptimize(state->reportBlocks[2].size());
    }
    bench.SetItemsProcessed(bench.iterations() * 2 * orv::kMaxSources);
}
// The repetitions give the median that the performance table quotes.
BENCHMARK(BM_TextReport_1000Sources)->Unit(benchmark::kMillisecond)->Repetitions(9);

} // namespace
