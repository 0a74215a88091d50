// The calculation commands on the largest project: 500 line sources of 1000 point sources
// each and 500 mobile sources. Command 2 beside the same steps with the transmission
// written straight from the formulas (a power and a logarithm per point).

#include "calc/damaged.h"
#include "calc/geometry.h"
#include "calc/procedures.h"
#include "calc/reference.h"
#include "model/state.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>
#include <QRandomGenerator>

using namespace orv;

namespace {

double tenth(QRandomGenerator& rng, double low, double high) {
    return std::round((low + rng.bounded(high - low)) * 10) / 10;
}

// Every source within the form's limits, every line a valid triangle, all periods busy.
std::unique_ptr<State> largestProject() {
    auto s = std::make_unique<State>();
    Reset(*s);
    QRandomGenerator rng(2024);
    s->project.receiverHeight = 5;
    s->sourceCount = {kMaxSources, kMaxSources};
    for (int i = 1; i <= kMaxSources; ++i) {
        SourceRecord& l = s->sources[0][i];
        l.lwA = tenth(rng, 80, 110);
        l.lwAMax = l.lwA + 8;
        l.pointCount = 1000;
        l.length = tenth(rng, 50, 1000);
        l.speed = 5 + rng.bounded(76);
        for (double& m : l.movements)
            m = rng.bounded(200);
        l.height = tenth(rng, 0.5, 4);
        do {
            l.distanceA = tenth(rng, 1, 500);
            l.distanceB = tenth(rng, 1, 500);
        } while (std::abs(l.distanceA - l.distanceB) >= l.length ||
                 l.distanceA + l.distanceB <= l.length);
        SourceRecord& m = s->sources[1][i];
        m.lwA = tenth(rng, 80, 110);
        m.lwAMax = m.lwA + 6;
        m.pointCount = 1 + rng.bounded(20);
        m.operatingHours[0] = tenth(rng, 0, 12);
        m.operatingHours[1] = tenth(rng, 0, 4);
        m.operatingHours[2] = tenth(rng, 0, 8);
        m.height = tenth(rng, 0.5, 4);
        m.distanceA = tenth(rng, 1, 250);
        m.distanceB = tenth(rng, m.distanceA, 500);
    }
    s->sections = *Sections::fromText(QStringLiteral("1111"));
    if (!CheckIt(*s).done()) qFatal("benchmark project fails the geometry check");
    return s;
}

void command(benchmark::State& bench, ReportKind kind) {
    auto s = largestProject();
    s->reportKind = kind;
    for (auto _ : bench) {
        const bool damaged = !findDamagedValue(*s, kind).done();
        const Outcome run = runCalculationSteps(*s);
        benchmark::DoNotOptimize(damaged);
        benchmark::DoNotOptimize(run.done());
        benchmark::ClobberMemory();
    }
}

void BM_Command1_Largest(benchmark::State& bench) {
    command(bench, ReportKind::Cb);
}
void BM_Command2_Largest(benchmark::State& bench) {
    command(bench, ReportKind::Transmission);
}
void BM_Command3_Largest(benchmark::State& bench) {
    command(bench, ReportKind::Emission);
}

void BM_Command2_Direct_Largest(benchmark::State& bench) {
    auto s = largestProject();
    for (auto _ : bench) {
        const QString refusal = reference::transmissionSteps(*s);
        benchmark::DoNotOptimize(refusal.isEmpty());
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(BM_Command1_Largest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Command2_Largest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Command2_Direct_Largest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Command3_Largest)->Unit(benchmark::kMillisecond);
