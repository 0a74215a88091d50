// The calculation commands on the largest project: 500 line sources of 1000 point sources
// each and 500 mobile sources. Command 2 beside the same steps with the transmission
// written straight from the formulas (a power and a logarithm per point).

#include "calc/damaged.h"
#include "calc/procedures.h"
#include "calc/reference.h"
#include "largestproject.h"
#include "model/state.h"

#include <benchmark/benchmark.h>

using namespace orv;
using orv::bench::largestProject;

namespace {

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
