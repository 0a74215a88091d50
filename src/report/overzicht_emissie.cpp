// Report kind 3: the cumulative emission, one row per listed source with its source
// corrections and corrected sound power, and the replacement point source below.

#include "calc/assessment.h"
#include "report/overzicht.h"
#include "report/overzicht_p.h"
#include "report/reporttexts.h"

namespace orv::overzicht {
namespace {

using namespace orv::texts;

constexpr int kWidth = 124;

QString periodHeadings() {
    QString text;
    for (QStringView head : {kHeadDay, kHeadEvening, kHeadNight})
        put(text, spaces(8 - static_cast<int>(head.size())), head);
    return text;
}

void putRow(QString& b, const SourceRecord& s, const SourceResult& r,
            const double (&correctedLw)[kPeriods]) {
    put(b, field(s.sourceName, kSourceNameWidth), spaces(2),
        field(s.description, kDescriptionWidth), spaces(1));
    put(b, colOrMissing(s.lwA == 0, s.lwA, u"#0.0", 5), QLatin1Char('/'),
        colOrMissing(s.lwAMax == 0, s.lwAMax, u"#0.0", 5), FormatKolom(s.height, u"#0.0", 7),
        spaces(3));
    for (int p = 0; p < kPeriods; ++p) {
        b += colOrMissing(r.cb[p] == kSilent, sourceCorrection(s, r, p), u"#0.0", 8);
    }
    b += spaces(2);
    for (int p = 0; p < kPeriods; ++p)
        b += colOrMissing(r.cb[p] == kSilent || s.lwA == 0, correctedLw[p], u"#0.0", 8);
    b += kCrLf;
}

} // namespace

void writeEmissie(State& state) {
    const bool lines = state.sections.linesListed(ReportKind::Emission);
    writeTitle(state);
    if (state.sections.projectBlock()) writeProject(state, lines ? 74 : 63, 2);

    QString& b = state.reportBlocks[2];
    b += rule(kWidth);
    put(b, kHeadSource, spaces(16), kHeadSpecification, spaces(16), kHeadLw, spaces(2), kHeadHeight,
        spaces(12), kHeadSourceCorrections, spaces(5), kHeadCorrectedLw, kCrLf);
    put(b, spaces(55), spaces(4), kHeadDbA, spaces(6), kHeadMetre, spaces(3), periodHeadings(),
        spaces(2), periodHeadings(), kCrLf, rule(kWidth));
    for (const SourceKind kind : kSourceKinds) {
        if (!state.sections.sourcesListed(ReportKind::Emission, kind)) continue;
        for (int i = 1; i <= state.sourceCount[kind]; ++i) {
            const auto n = static_cast<std::size_t>(i);
            putRow(b, state.sources[kind][n], state.results[kind][n], state.correctedLw[kind][n]);
        }
    }
    b += rule(kWidth);

    QString& c = state.reportBlocks[3];
    put(c, kCumulative, spaces(13), FormatKolom(state.replacementHeight, u"#0.0", 8), spaces(3));
    // The replacement source stands for the whole group: its own correction is 0.
    for (int p = 0; p < kPeriods; ++p)
        c += colOrMissing(!(state.cumulativeLw[p] > 0), 0.0, u"#0.0", 8);
    c += spaces(2);
    for (int p = 0; p < kPeriods; ++p)
        c += colOrMissing(!(state.cumulativeLw[p] > 0), state.cumulativeLw[p], u"#0.0", 8);
    put(c, kCrLf, rule(kWidth), kNoteEmission, kCrLf);
}

} // namespace orv::overzicht
