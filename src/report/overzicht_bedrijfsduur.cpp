// Report kind 1: the operating-time correction Cb of every source, line sources with their
// vehicle movements, mobile sources with their effective operating hours.

#include "report/overzicht.h"
#include "report/overzicht_p.h"
#include "report/reporttexts.h"

namespace orv::overzicht {
namespace {

using namespace orv::texts;

QString periodHeadings() {
    QString text;
    for (QStringView head : {kHeadDay, kHeadEvening, kHeadNight})
        put(text, spaces(8 - static_cast<int>(head.size())), head);
    return text;
}

// The three Cb columns; "---" where the source is silent in the period.
QString cbColumns(const SourceResult& r) {
    QString text;
    for (int p = 0; p < kPeriods; ++p)
        text += colOrMissing(r.cb[p] == kSilent, r.cb[p], u"#0.0", 8);
    return text;
}

void putRowStart(QString& row, const SourceRecord& s) {
    put(row, field(s.sourceName, kSourceNameWidth), spaces(2),
        field(s.description, kDescriptionWidth), spaces(2), FormatKolom(s.pointCount, u"#0", 5));
}

void writeLineTable(State& state) {
    QString& b = state.reportBlocks[2];
    put(b, kGroupLine, kCrLf, rule(124));
    put(b, kHeadSource, spaces(16), kHeadSpecification, spaces(14), kHeadCount, spaces(6),
        kHeadLengthSpeed, spaces(4), spaces(4), kHeadMovements, spaces(8), kHeadCbShort, kCrLf);
    put(b, spaces(72), periodHeadings(), spaces(2), periodHeadings(), kCrLf, rule(124));
    for (int i = 1; i <= state.sourceCount[LineSource]; ++i) {
        const SourceRecord& s = state.sources[LineSource][static_cast<std::size_t>(i)];
        const SourceResult& r = state.results[LineSource][static_cast<std::size_t>(i)];
        putRowStart(b, s);
        put(b, spaces(2), FormatKolom(s.length, u"#0.0", 6), QLatin1Char('/'),
            FormatKolom(s.speed, u"#0", 2), spaces(2));
        for (int p = 0; p < kPeriods; ++p)
            b += FormatKolom(s.movements[p], u"#0.0", 8);
        put(b, spaces(2), cbColumns(r), kCrLf);
    }
    b += rule(124);
    put(b, kNoteCbLine1, kCrLf, kNoteCbLine2, kCrLf, kNoteCbLine3, kCrLf);
    put(b, kCrLf, kCrLf);
}

void writeMobileTable(State& state) {
    QString& b = state.reportBlocks[3];
    put(b, kGroupMobile, kCrLf, rule(112));
    put(b, kHeadSource, spaces(16), kHeadSpecification, spaces(14), kHeadCount, spaces(2),
        QLatin1Char(' '), kHeadHours, QLatin1Char(' '), spaces(1), QLatin1Char(' '), kHeadCbLong,
        QLatin1Char(' '), kCrLf);
    put(b, spaces(60), periodHeadings(), spaces(2), periodHeadings(), kCrLf, rule(112));
    for (int i = 1; i <= state.sourceCount[MobileSource]; ++i) {
        const SourceRecord& s = state.sources[MobileSource][static_cast<std::size_t>(i)];
        const SourceResult& r = state.results[MobileSource][static_cast<std::size_t>(i)];
        putRowStart(b, s);
        b += spaces(1);
        for (int p = 0; p < kPeriods; ++p)
            b += FormatKolom(s.operatingHours[p], u"#0.0000", 8);
        put(b, spaces(2), cbColumns(r), kCrLf);
    }
    b += rule(112);
    put(b, kNoteCbMobile1, kCrLf, kNoteCbMobile2, kCrLf, kNoteCbMobile3, kCrLf);
}

} // namespace

void writeBedrijfsduur(State& state) {
    const bool lines = state.sections.linesListed(ReportKind::Cb);
    writeTitle(state);
    if (state.sections.projectBlock()) writeProject(state, lines ? 74 : 63, 2);
    if (lines) writeLineTable(state);
    if (state.sections.mobilesListed(ReportKind::Cb)) writeMobileTable(state);
}

} // namespace orv::overzicht
