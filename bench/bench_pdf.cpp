// The printed report of the largest project (500 line and 500 mobile sources, report kind
// 2): laid out on the recording surface alone, and drawn into a PDF in memory.

#include "base/win1252.h"
#include "common/recordingsurface.h"
#include "model/state.h"
#include "print/pdfreport.h"
#include "print/previewsurface.h"
#include "report/drukoverzicht.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <QBuffer>
#include <QGuiApplication>

using namespace orv;

namespace {

std::unique_ptr<State> largestTransmissionReport() {
    auto st = std::make_unique<State>();
    st->reportKind = ReportKind::Transmission;
    st->sections = Sections::initial(ReportKind::Transmission);
    st->settings.paperOrientation = 2;
    st->settings.printFontName = fixedText(u"Courier New", kPrintFontNameWidth);
    st->settings.printFontSize = 8;
    st->settings.headerStyle = 3;
    st->settings.bodyStyle1 = 1;
    st->settings.bodyStyle2 = 2;
    st->settings.userName = fixedText(u"Akoestisch Adviesbureau", kUserNameWidth);
    st->project.projectNumber = fixedText(u"24.117", kProjectNumberWidth);
    st->project.projectName = fixedText(u"Distributiecentrum", kProjectNameWidth);
    st->project.projectDate = fixedText(u"14-03-2025", kProjectDateWidth);
    st->sourceCount = {kMaxSources, kMaxSources};
    for (const SourceKind kind : kSourceKinds)
        for (int i = 1; i <= kMaxSources; ++i) {
            SourceRecord& s = st->sources[kind][i];
            SourceResult& r = st->results[kind][i];
            s.sourceName = fixedText(QStringLiteral("Bron %1").arg(i), kSourceNameWidth);
            s.description = fixedText(u"laden en lossen", kDescriptionWidth);
            s.lwA = 95 + i % 10;
            s.lwAMax = 105 + i % 7;
            s.height = 1.5;
            s.distanceA = 40 + i % 50;
            s.distanceB = 120 + i % 70;
            s.surchargeKx = static_cast<qint16>(i % 50 == 0 ? 5 : 0);
            for (int p = 0; p < kPeriods; ++p) {
                r.cb[p] = i % 13 == 0 && p == 2 ? kSilent : -10.0 - p;
                r.laeq[p] = 30 + (i % 17) * 0.7 - p;
                r.lamax[p] = 50 + (i % 11) * 0.9 - p;
            }
            r.cm = 0.1 * (i % 20);
        }
    for (int p = 0; p < kPeriods; ++p) {
        st->totalLaeq[p] = 62.4 - 2 * p;
        st->totalLamax[p] = 75.2 - p;
    }
    st->letmaal = 63.1;
    st->lden = 65.2;
    st->lnight = 58.3;
    return st;
}

// Fonts need a GUI application; the benchmark main starts none.
void ensureGuiApplication() {
    if (QCoreApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "ornaveld_bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

void BM_Render_1000Sources_Recording(benchmark::State& bench) {
    const auto st = largestTransmissionReport();
    int pages = 0;
    for (auto _ : bench) {
        RecordingSurface surface;
        pages = DrukOverzicht(surface, *st, false);
        benchmark::DoNotOptimize(surface.log().constData());
    }
    bench.counters["pages"] = pages;
}
BENCHMARK(BM_Render_1000Sources_Recording)->Unit(benchmark::kMillisecond);

void BM_Pdf_1000Sources(benchmark::State& bench) {
    ensureGuiApplication();
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        bench.SkipWithError("a core application runs already: no fonts");
        return;
    }
    const auto st = largestTransmissionReport();
    PdfResult outcome;
    qint64 bytes = 0;
    for (auto _ : bench) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        outcome = renderReportPdf(*st, buffer);
        bytes = buffer.size();
    }
    bench.counters["pages"] = outcome.pages;
    bench.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_Pdf_1000Sources)->Unit(benchmark::kMillisecond);

// Opening the print preview: every page laid out into the page list, and the last page (the
// one the window opens on) painted at 100 % on a 96 dpi screen.
void BM_PreviewOpen_1000Sources(benchmark::State& bench) {
    ensureGuiApplication();
    const auto st = largestTransmissionReport();
    std::size_t pages = 0;
    for (auto _ : bench) {
        const PreviewPages preview = renderPreviewPages(*st);
        pages = preview.pages.size();
        const QImage image =
            paintPreviewPage(preview.pages.back(), preview.paper, preview.edge, 96);
        benchmark::DoNotOptimize(image.constBits());
    }
    bench.counters["pages"] = static_cast<double>(pages);
}
BENCHMARK(BM_PreviewOpen_1000Sources)->Unit(benchmark::kMillisecond);

// A change of zoom: one full page of that report painted afresh ("Zoom passend" in a
// window of about 900 x 600 pixels comes to some 64 dpi).
void BM_PreviewZoom_OnePage(benchmark::State& bench) {
    ensureGuiApplication();
    const auto st = largestTransmissionReport();
    const PreviewPages preview = renderPreviewPages(*st);
    for (auto _ : bench) {
        const QImage image = paintPreviewPage(preview.pages[1], preview.paper, preview.edge, 64);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PreviewZoom_OnePage)->Unit(benchmark::kMillisecond);

} // namespace
