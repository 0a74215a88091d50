// Reading and writing the largest project: 500 line sources and 500 mobile sources, in
// memory and through a file on disk.

#include "app/projectfile.h"
#include "base/win1252.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <QTemporaryDir>

namespace {

std::unique_ptr<orv::State> largestProject() {
    auto state = std::make_unique<orv::State>();
    for (const orv::SourceKind kind : orv::kSourceKinds) {
        for (int n = 1; n <= orv::kMaxSources; ++n) {
            orv::SourceRecord& s = state->sources[kind][n];
            s.sourceName = orv::fixedText(u"Vrachtwagen (rijdend)", orv::kSourceNameWidth);
            s.description =
                orv::fixedText(QStringLiteral("Route %1 België").arg(n), orv::kDescriptionWidth);
            s.lwA = 105;
            s.lwAMax = 108;
            s.pointCount = 1000;
            s.length = 250 + n;
            s.speed = 15;
            s.movements[0] = 40;
            s.height = 1;
            s.distanceA = 100 + n % 50;
            s.distanceB = 200 + n % 70;
        }
        state->sourceCount[kind] = orv::kMaxSources;
    }
    return state;
}

void BM_WriteProject_Largest(benchmark::State& bench) {
    const auto state = largestProject();
    for (auto _ : bench)
        benchmark::DoNotOptimize(orv::encodeProject(*state));
    bench.SetBytesProcessed(bench.iterations() * orv::projectFileSize(500, 500));
}
BENCHMARK(BM_WriteProject_Largest)->Unit(benchmark::kMicrosecond);

void BM_ReadProject_Largest(benchmark::State& bench) {
    const QByteArray bytes = orv::encodeProject(*largestProject());
    auto state = std::make_unique<orv::State>();
    for (auto _ : bench) {
        const orv::FileError e = orv::decodeProject(bytes, *state);
        benchmark::DoNotOptimize(e);
    }
    bench.SetBytesProcessed(bench.iterations() * bytes.size());
}
BENCHMARK(BM_ReadProject_Largest)->Unit(benchmark::kMicrosecond);

void BM_WriteProjectFile_Largest(benchmark::State& bench) {
    const auto state = largestProject();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("groot.orv"));
    for (auto _ : bench) {
        if (!orv::writeProjectFile(path, *state).ok()) bench.SkipWithError("write failed");
    }
    bench.SetBytesProcessed(bench.iterations() * orv::projectFileSize(500, 500));
}
BENCHMARK(BM_WriteProjectFile_Largest)->Unit(benchmark::kMicrosecond);

void BM_ReadProjectFile_Largest(benchmark::State& bench) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("groot.orv"));
    if (!orv::writeProjectFile(path, *largestProject()).ok()) bench.SkipWithError("write failed");
    auto state = std::make_unique<orv::State>();
    for (auto _ : bench) {
        if (!orv::readProjectFile(path, *state).ok()) bench.SkipWithError("read failed");
    }
    bench.SetBytesProcessed(bench.iterations() * orv::projectFileSize(500, 500));
}
BENCHMARK(BM_ReadProjectFile_Largest)->Unit(benchmark::kMicrosecond);

} // namespace
