// The overview window filled with the transmission report of the largest project (500 line
// and 500 mobile sources): the text set into the box and its block formats applied.

#include "app/mainview.h"
#include "base/win1252.h"
#include "model/state.h"
#include "report/overzicht.h"
#include "ui/overzicht/frmoverzicht.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <QApplication>
#include <QTextEdit>

using namespace orv;

namespace {

std::unique_ptr<State> largestReport() {
    auto st = std::make_unique<State>();
    st->sections = Sections::initial(ReportKind::Transmission);
    st->settings.headerStyle = 3;
    st->settings.bodyStyle1 = 1;
    st->settings.bodyStyle2 = 2;
    st->sourceCount = {kMaxSources, kMaxSources};
    for (const SourceKind kind : kSourceKinds) {
        for (int i = 1; i <= kMaxSources; ++i) {
            SourceRecord& s = st->sources[kind][i];
            s.sourceName = fixedText(QStringLiteral("Bron %1").arg(i), kSourceNameWidth);
            s.description = fixedText(u"laden en lossen", kDescriptionWidth);
            s.lwA = 95 + i % 10;
            s.lwAMax = 105 + i % 7;
            s.distanceA = 40 + i % 50;
            s.distanceB = 120 + i % 70;
            SourceResult& r = st->results[kind][i];
            for (int p = 0; p < kPeriods; ++p) {
                r.cb[p] = -10.0 - p;
                r.laeq[p] = 30 + (i % 17) * 0.7 - p;
                r.lamax[p] = 50 + (i % 11) * 0.9 - p;
            }
        }
    }
    st->reportKind = ReportKind::Transmission;
    MaakOverzicht(*st);
    return st;
}

void BM_Overzicht_1000Sources(benchmark::State& bench) {
    const auto st = largestReport();
    NoWindows view;
    for (auto _ : bench) {
        frmOverzicht window(*st, view);
        benchmark::DoNotOptimize(window.textBox()->document()->blockCount());
    }
}
// The repetitions give the median that the performance table quotes.
BENCHMARK(BM_Overzicht_1000Sources)->Unit(benchmark::kMillisecond)->Repetitions(9);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
