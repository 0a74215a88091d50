// Report kind 2 on paper: the transmission table with its total row, footnotes, surcharge
// notes and the assessment line.

#include "base/win1252.h"
#include "report/drukoverzicht_p.h"
#include "report/overzicht.h"
#include "report/reporttexts.h"

namespace orv::druk {
namespace {

constexpr int kLaeqEnd = 109; // day; evening and night 14 further
constexpr int kLamaxEnd = 116;
constexpr int kPeriodStep = 14;

QString lwPair(const SourceRecord& src) {
    return (src.lwA == 0 ? str(texts::kMissing) : num(src.lwA, u"#0.0")) + QLatin1Char('/') +
           (src.lwAMax == 0 ? str(texts::kMissing) : num(src.lwAMax, u"#0.0"));
}

void headings(Pager& p, bool continued) {
    p.left(0, str(texts::kHeadSource));
    p.left(28, str(texts::kHeadSpecification));
    p.right(67, str(texts::kHeadLw));
    p.right(74, str(texts::kHeadHeight));
    p.right(87, continued ? str(texts::kHeadDistancesContinued) : str(texts::kHeadDistances));
    p.right(92, str(texts::kHeadScreening));
    p.right(97, str(texts::kHeadReflection));
    p.right(101, str(texts::kHeadCm));
    p.right(144, str(texts::kHeadLevels));
    p.endLine();
    p.right(67, str(texts::kHeadDbA));
    p.right(74, str(texts::kHeadMetre));
    p.right(86, str(texts::kHeadMetre));
    p.right(91, str(texts::kHeadDb));
    p.right(96, str(texts::kHeadDb));
    p.right(101, str(texts::kHeadDb));
    p.right(116, str(texts::kHeadDayPeriod));
    p.right(130, str(texts::kHeadEveningPeriod));
    p.right(144, str(texts::kHeadNightPeriod));
    p.endLine();
    for (int per = 0; per < kPeriods; ++per) {
        p.right(kLaeqEnd + kPeriodStep * per, str(texts::kHeadLaeq));
        p.right(kLamaxEnd + kPeriodStep * per, str(texts::kHeadLamax));
    }
    p.endLine();
}

// A level that carries a surcharge is marked right after its last digit.
void laeqCell(Pager& p, int per, double level, bool marked) {
    p.right(kLaeqEnd + kPeriodStep * per, num(level, u"#0.0"));
    if (marked) p.text(QString(texts::kSurchargeMark));
}

void dash(Pager& p, int endColumn) {
    p.right(endColumn, str(texts::kMissing));
}

void sourceRow(Pager& p, SourceKind kind, int i) {
    const SourceRecord& src = p.state.sources[kind][i];
    const SourceResult& r = p.state.results[kind][i];
    p.left(0, rtrimmed(src.sourceName));
    p.left(28, rtrimmed(src.description));
    p.right(67, lwPair(src));
    p.right(74, num(src.height, u"#0.0"));
    p.right(87, num(src.distanceA, u"#0.0") + QLatin1Char('/') + num(src.distanceB, u"#0.0"));
    p.right(91, num(src.screening, u"#0"));
    p.right(96, num(src.reflection, u"#0"));
    p.right(101, num(r.cm, u"#0.0"));
    for (int per = 0; per < kPeriods; ++per) {
        const int step = kPeriodStep * per;
        if (r.cb[per] == kSilent) {
            dash(p, kLaeqEnd + step);
            dash(p, kLamaxEnd + step);
            continue;
        }
        if (r.laeq[per] == 0)
            dash(p, kLaeqEnd + step);
        else
            laeqCell(p, per, r.laeq[per] + src.surchargeKx, src.surchargeKx > 0);
        if (r.lamax[per] == 0)
            dash(p, kLamaxEnd + step);
        else
            p.right(kLamaxEnd + step, num(r.lamax[per], u"#0.0"));
    }
    p.endLine();
}

void totalRow(Pager& p) {
    const State& st = p.state;
    const bool marked = st.sources[LineSource][0].surchargeKx > 0;
    p.left(0, str(texts::kTotal));
    for (int per = 0; per < kPeriods; ++per) {
        const int step = kPeriodStep * per;
        if (st.totalLaeq[per] == 0)
            dash(p, kLaeqEnd + step);
        else
            laeqCell(p, per, st.totalLaeq[per], marked);
        if (st.totalLamax[per] == 0)
            dash(p, kLamaxEnd + step);
        else
            p.right(kLamaxEnd + step, num(st.totalLamax[per], u"#0.0"));
    }
    p.endLine();
}

void printLine(Pager& p, const QString& text) {
    p.keepOnPage();
    p.lineOf(text);
}

} // namespace

void drukOverdracht(Pager& p) {
    const State& st = p.state;
    const bool lines = st.sections.linesListed(ReportKind::Transmission);
    const bool mobiles = st.sections.mobilesListed(ReportKind::Transmission);
    if (!lines && !mobiles) return;

    Table t;
    t.continuation = str(texts::transmissionContinued(lines, mobiles));
    t.width = p.column(145);
    t.headings = [&p](bool continued) { headings(p, continued); };
    const double width = t.width;
    p.startTable(std::move(t), 4);
    p.lineOf(str(texts::transmissionGroup(lines, mobiles)));
    p.tableHeadings(false);

    if (lines)
        for (int i = 1; i <= listedCount(st, LineSource); ++i) {
            p.beforeRow();
            sourceRow(p, LineSource, i);
        }
    if (mobiles)
        for (int i = 1; i <= listedCount(st, MobileSource); ++i) {
            p.beforeRow();
            sourceRow(p, MobileSource, i);
        }

    p.keepOnPage(60);
    p.streep(width);
    p.keepOnPage();
    totalRow(p);
    p.keepOnPage(60);
    p.streep(width);
    for (QStringView note :
         {texts::kNoteTransmission1, texts::kNoteTransmission2, texts::kNoteTransmission3})
        printLine(p, str(note));
    for (const QString& note : orv::surchargeNotes(st))
        printLine(p, note);
    p.endLine();
    p.keepOnPage();
    p.s.setFontBold(true);
    p.lineOf(orv::assessmentLine(st));
}

} // namespace orv::druk
