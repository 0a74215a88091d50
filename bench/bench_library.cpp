// Importing a full text file into an empty sound power library: 499 lines in random order,
// every one kept in sorted order as it arrives, read from disk.

#include "base/quietplatform.h"
#include "library/library.h"
#include "library/libraryimport.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <QFile>
#include <QTemporaryDir>
#include <random>

namespace {

QByteArray fullImportFile() {
    const char* kinds[] = {"compressor",    "heftruck diesel", "ventilator dak", "pomp",
                           "koelunit",      "shovel",          "zaagmachine",    "afzuiging",
                           "transportband", "vrachtwagen"};
    std::mt19937 rng(42);
    QByteArray text;
    for (int i = 0; i < orv::kMaxLibrary - 1; ++i)
        text += QByteArray(kinds[rng() % 10]) + ' ' + QByteArray::number(rng() % 1000) + " ; " +
                QByteArray::number(80 + rng() % 30) + ",5 ; " +
                QByteArray::number(100 + rng() % 30) + "\r\n";
    return text;
}

void BM_ImportFullFile(benchmark::State& bench) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bronnen.txt"));
    QFile file(path);
    const QByteArray text = fullImportFile();
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
        bench.SkipWithError("cannot write the import file");
        return;
    }
    file.close();
    orv::QuietPlatform platform;
    auto state = std::make_unique<orv::State>();
    for (auto _ : bench) {
        bench.PauseTiming();
        state->settings.library[1] = orv::makeEntry(orv::kPlaceholderName, 0, 0);
        state->settings.libraryCount = 1;
        bench.ResumeTiming();
        const auto outcome = orv::importFile(state->settings, path, platform, u"\r\n");
        benchmark::DoNotOptimize(outcome);
        if (outcome.taken != orv::kMaxLibrary - 1) bench.SkipWithError("not every line was taken");
    }
}
BENCHMARK(BM_ImportFullFile)->Unit(benchmark::kMillisecond);

} // namespace
