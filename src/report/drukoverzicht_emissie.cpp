// Report kind 3 on paper: the corrected sound power of every listed source and the
// cumulative emission of the replacement point source.

#include "base/win1252.h"
#include "calc/assessment.h"
#include "report/drukoverzicht_p.h"
#include "report/reporttexts.h"

namespace orv::druk {
namespace {

QString lwPair(const SourceRecord& src) {
    return (src.lwA == 0 ? str(texts::kMissing) : num(src.lwA, u"#0.0")) + QLatin1Char('/') +
           (src.lwAMax == 0 ? str(texts::kMissing) : num(src.lwAMax, u"#0.0"));
}

void headings(Pager& p) {
    p.left(0, str(texts::kHeadSource));
    p.left(28, str(texts::kHeadSpecification));
    p.right(67, str(texts::kHeadLw));
    p.right(74, str(texts::kHeadHeight));
    p.right(99, str(texts::kHeadSourceCorrections));
    p.right(124, str(texts::kHeadCorrectedLw));
    p.endLine();
    p.right(67, str(texts::kHeadDbA));
    p.right(74, str(texts::kHeadMetre));
    p.periodHeadings(83, 108);
}

void sourceRow(Pager& p, SourceKind kind, int i) {
    const State& st = p.state;
    const SourceRecord& src = st.sources[kind][i];
    const SourceResult& r = st.results[kind][i];
    p.left(0, rtrimmed(src.sourceName));
    p.left(28, rtrimmed(src.description));
    p.right(67, lwPair(src));
    p.right(74, num(src.height, u"#0.0"));
    for (int per = 0; per < kPeriods; ++per) {
        const QString text = r.cb[per] == kSilent
                                 ? str(texts::kMissing)
                                 : num(orv::sourceCorrection(src, r, per), u"#0.0");
        p.right(83 + 8 * per, text);
    }
    for (int per = 0; per < kPeriods; ++per) {
        const double lw = st.correctedLw[kind][i][per];
        const bool none = r.cb[per] == kSilent || src.lwA == 0;
        p.right(108 + 8 * per, none ? str(texts::kMissing) : num(lw, u"#0.0"));
    }
    p.endLine();
}

void closingRow(Pager& p) {
    const State& st = p.state;
    p.left(0, str(texts::kCumulative));
    p.right(74, num(st.replacementHeight, u"#0.0"));
    for (int per = 0; per < kPeriods; ++per) {
        const bool any = st.cumulativeLw[per] > 0;
        p.right(83 + 8 * per, any ? num(0, u"#0.0") : str(texts::kMissing));
    }
    for (int per = 0; per < kPeriods; ++per) {
        const bool any = st.cumulativeLw[per] > 0;
        p.right(108 + 8 * per, any ? num(st.cumulativeLw[per], u"#0.0") : str(texts::kMissing));
    }
    p.endLine();
}

} // namespace

void drukEmissie(Pager& p) {
    const State& st = p.state;
    Table t;
    t.continuation = str(texts::kContinuedEmission);
    t.width = p.column(125);
    t.headings = [&p](bool) { headings(p); };
    const double width = t.width;
    p.startTable(std::move(t), 2);
    p.tableHeadings(false);

    for (const SourceKind kind : kSourceKinds) {
        if (!st.sections.sourcesListed(st.reportKind, kind)) continue;
        for (int i = 1; i <= listedCount(st, kind); ++i) {
            p.beforeRow();
            sourceRow(p, kind, i);
        }
    }
    p.keepOnPage(60);
    p.streep(width);
    p.keepOnPage();
    closingRow(p);
    p.keepOnPage(60);
    p.streep(width);
    p.keepOnPage();
    p.lineOf(str(texts::kNoteEmission));
}

} // namespace orv::druk
