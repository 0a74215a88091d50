// Report kind 1 on paper: the operating-time correction Cb of the line sources and of the
// mobile sources, each in its own table.

#include "base/win1252.h"
#include "report/drukoverzicht_p.h"
#include "report/reporttexts.h"

namespace orv::druk {
namespace {

QString cbText(double cb) {
    return cb == kSilent ? str(texts::kMissing) : num(cb, u"#0.0");
}

void lineTable(Pager& p) {
    const State& st = p.state;
    Table t;
    t.continuation = str(texts::kContinuedLineCb);
    t.width = p.column(125);
    t.headings = [&p](bool) {
        p.left(0, str(texts::kHeadSource));
        p.left(28, str(texts::kHeadSpecification));
        p.right(63, str(texts::kHeadCount));
        p.right(73, str(texts::kHeadLengthSpeed));
        p.right(99, str(texts::kHeadMovements));
        p.right(124, str(texts::kHeadCbShort));
        p.endLine();
        p.periodHeadings(83, 108);
    };
    const double width = t.width;
    p.startTable(std::move(t), 3);
    p.lineOf(str(texts::kGroupLine));
    p.tableHeadings(false);

    for (int i = 1; i <= listedCount(st, LineSource); ++i) {
        const SourceRecord& src = st.sources[LineSource][i];
        const SourceResult& r = st.results[LineSource][i];
        p.beforeRow();
        p.left(0, rtrimmed(src.sourceName));
        p.left(28, rtrimmed(src.description));
        p.right(62, num(src.pointCount, u"#0"));
        p.right(73, num(src.length, u"#0.0") + QLatin1Char('/') + num(src.speed, u"#0"));
        for (int per = 0; per < kPeriods; ++per)
            p.right(83 + 8 * per, num(src.movements[per], u"#0.0"));
        for (int per = 0; per < kPeriods; ++per)
            p.right(108 + 8 * per, cbText(r.cb[per]));
        p.endLine();
    }
    p.keepOnPage(60);
    p.streep(width);
    for (QStringView note : {texts::kNoteCbLine1, texts::kNoteCbLine2, texts::kNoteCbLine3}) {
        p.keepOnPage();
        p.lineOf(str(note));
    }
    p.endLine();
    p.endLine();
}

void mobileTable(Pager& p) {
    const State& st = p.state;
    Table t;
    t.continuation = str(texts::kContinuedMobileCb);
    t.width = p.column(116);
    t.headings = [&p](bool) {
        p.left(0, str(texts::kHeadSource));
        p.left(28, str(texts::kHeadSpecification));
        p.right(63, str(texts::kHeadCount));
        p.right(90, str(texts::kHeadHoursShort));
        p.right(115, str(texts::kHeadCbShort));
        p.endLine();
        p.periodHeadings(74, 99);
    };
    const double width = t.width;
    p.startTable(std::move(t), 3);
    p.lineOf(str(texts::kGroupMobile));
    p.tableHeadings(false);

    for (int i = 1; i <= listedCount(st, MobileSource); ++i) {
        const SourceRecord& src = st.sources[MobileSource][i];
        const SourceResult& r = st.results[MobileSource][i];
        p.beforeRow();
        p.left(0, rtrimmed(src.sourceName));
        p.left(28, rtrimmed(src.description));
        p.right(62, num(src.pointCount, u"#0"));
        for (int per = 0; per < kPeriods; ++per)
            p.right(74 + 8 * per, num(src.operatingHours[per], u"#0.0000"));
        for (int per = 0; per < kPeriods; ++per)
            p.right(99 + 8 * per, cbText(r.cb[per]));
        p.endLine();
    }
    p.keepOnPage(60);
    p.streep(width);
    for (QStringView note : {texts::kNoteCbMobile1, texts::kNoteCbMobile2, texts::kNoteCbMobile3}) {
        p.keepOnPage();
        p.lineOf(str(note));
    }
}

} // namespace

void drukBedrijfsduur(Pager& p) {
    if (p.state.sections.linesListed(ReportKind::Cb)) lineTable(p);
    if (p.state.sections.mobilesListed(ReportKind::Cb)) mobileTable(p);
}

} // namespace orv::druk
