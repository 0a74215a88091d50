// The input form on the largest project: building it with both lists filled (what "Openen"
// and "Bewerken" cost), and sorting 500 sources of one kind.

#include "base/quietplatform.h"
#include "base/win1252.h"
#include "input/listops.h"
#include "ui/invoer/frminvoer.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <QApplication>
#include <QListWidget>

namespace {

// Sources in an order far from sorted, with names that repeat so that the descriptions
// decide often.
std::unique_ptr<orv::State> largestProject() {
    auto state = std::make_unique<orv::State>();
    const char16_t* names[] = {
        u"Vrachtwagen (rijdend)", u"Heftruck diesel", u"Bestelbus", u"Shovel", u"kar", u"Karretje"};
    state->settings.libraryCount = 6;
    for (int i = 0; i < 6; ++i)
        state->settings.library[static_cast<std::size_t>(i + 1)] = {
            orv::fixedText(names[i], orv::kEntryNameWidth), 90.0 + i, 100.0 + i};
    for (const orv::SourceKind kind : orv::kSourceKinds) {
        for (int n = 1; n <= orv::kMaxSources; ++n) {
            orv::SourceRecord& s = state->sources[kind][n];
            s.sourceName = orv::fixedText(names[(n * 7) % 6], orv::kSourceNameWidth);
            s.description = orv::fixedText(QStringLiteral("Route %1").arg((n * 389) % 1000),
                                           orv::kDescriptionWidth);
            s.pointCount = 100;
            s.length = 250;
            s.speed = 15;
            s.height = 1;
            s.distanceA = 100;
            s.distanceB = 200;
        }
        state->sourceCount[kind] = orv::kMaxSources;
    }
    return state;
}

void BM_OpenLargestIntoForm(benchmark::State& bench) {
    const auto state = largestProject();
    orv::QuietPlatform platform;
    const orv::Session session;
    for (auto _ : bench) {
        orv::frmInvoer form(*state, session, platform, nullptr);
        benchmark::DoNotOptimize(
            form.findChild<QListWidget*>(QStringLiteral("lstBron_1"))->count());
    }
}
BENCHMARK(BM_OpenLargestIntoForm)->Unit(benchmark::kMillisecond);

void BM_Sort500Sources(benchmark::State& bench) {
    const auto original = largestProject();
    auto state = std::make_unique<orv::State>();
    for (auto _ : bench) {
        bench.PauseTiming();
        state->sources = original->sources;
        state->sourceCount = original->sourceCount;
        bench.ResumeTiming();
        orv::sortSources(*state, orv::LineSource);
    }
}
BENCHMARK(BM_Sort500Sources)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
