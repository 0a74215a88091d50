#pragma once
// A small project filled in by hand, with results chosen so that the reports show every
// kind of cell: values, the "---" of a silent period, of a missing level and of a missing
// sound power, negative corrections and exact halves that round to the even neighbour.

#include "app/win1252.h"
#include "model/state.h"

#include <memory>
#include <QStringList>

namespace orvtest {

inline void setSource(orv::State& st, int kind, int n, const char* name, const char* spec) {
    orv::SourceRecord& s = st.sources[kind][n];
    s.sourceName = orv::fixedText(QString::fromUtf8(name), orv::kSourceNameWidth);
    s.description = orv::fixedText(QString::fromUtf8(spec), orv::kDescriptionWidth);
}

inline void setPeriods(double (&target)[3], double d, double e, double n) {
    target[0] = d;
    target[1] = e;
    target[2] = n;
}

inline std::unique_ptr<orv::State> makeReportState() {
    using namespace orv;
    auto st = std::make_unique<State>();
    st->settings.userName = fixedText(u"Ir. J. de Vries", kUserNameWidth);
    ProjectRecord& p = st->project;
    p.projectNumber = fixedText(u"123", kProjectNumberWidth);
    p.projectName = fixedText(u"Distributiecentrum Oost", kProjectNameWidth);
    p.remarks = fixedText(u"Nachtelijke bevoorrading", kRemarksWidth);
    p.projectDate = QStringLiteral("01-02-2024");
    p.receiverDescription = fixedText(u"Woning Dorpsstraat 12", kReceiverDescriptionWidth);
    p.receiverHeight = 5;
    p.groundType = QStringLiteral("zacht");
    p.facadeReflection = 3;

    st->sourceCount = {2, 2};
    setSource(*st, 0, 1, "Vrachtwagen", "Aanvoer noord");
    SourceRecord* s = &st->sources[0][1];
    s->lwA = 103.5, s->lwAMax = 108, s->pointCount = 20, s->length = 200, s->speed = 30;
    setPeriods(s->movements, 10, 2, 0);
    s->height = 1, s->distanceA = 50, s->distanceB = 120, s->reflection = 2, s->screening = 0;
    SourceResult* r = &st->results[0][1];
    setPeriods(r->cb, -3.2, -7.5, kSilent);
    setPeriods(r->laeq, 45.3, 38.1, 0);
    setPeriods(r->lamax, 60.2, 60.2, 0);
    r->cm = 1.25;
    setPeriods(st->correctedLw[0][1], 101.2, 97.3, kNoCorrectedLw);

    setSource(*st, 0, 2, "Bestelbus", "Afvoer zuid");
    s = &st->sources[0][2];
    s->lwA = 95, s->lwAMax = 0, s->pointCount = 8, s->length = 75.5, s->speed = 15;
    setPeriods(s->movements, 40, 12.5, 6);
    s->height = 0.75, s->distanceA = 30, s->distanceB = 60.5, s->reflection = 0, s->screening = 5;
    r = &st->results[0][2];
    setPeriods(r->cb, -1.0, -4.25, -9.05);
    setPeriods(r->laeq, 40.05, 35, 30);
    setPeriods(r->lamax, 0, 0, 0);
    r->cm = 0;
    setPeriods(st->correctedLw[0][2], 93.45, 90.1, 85.0);

    setSource(*st, 1, 1, "Heftruck", "Laden en lossen");
    s = &st->sources[1][1];
    s->lwA = 98, s->lwAMax = 110, s->pointCount = 4;
    setPeriods(s->operatingHours, 6, 1.5, 0);
    s->height = 1.5, s->distanceA = 40, s->distanceB = 80;
    r = &st->results[1][1];
    setPeriods(r->cb, -9.031, -10.2, kSilent);
    setPeriods(r->laeq, 34.494, 27.3, 0);
    setPeriods(r->lamax, 52.1, 52.1, 0);
    r->cm = 2;
    setPeriods(st->correctedLw[1][1], 95.0, 93.8, kNoCorrectedLw);

    setSource(*st, 1, 2, "Koelunit", "Oplegger");
    s = &st->sources[1][2];
    s->lwA = 0, s->lwAMax = 0, s->pointCount = 1;
    setPeriods(s->operatingHours, 12, 4, 8);
    s->height = 4, s->distanceA = 25, s->distanceB = 25;
    r = &st->results[1][2];
    setPeriods(r->cb, 0, 0, 0);
    r->cm = 0.5;
    setPeriods(st->correctedLw[1][2], kNoCorrectedLw, kNoCorrectedLw, kNoCorrectedLw);

    setPeriods(st->cumulativeLw, 101.3, 95, 0);
    st->replacementHeight = 1.25;
    return st;
}

inline void setFlags(orv::State& st, const QString& flags) {
    for (int i = 0; i < 4; ++i)
        st.sectionFlags[i] = flags.at(i) == QLatin1Char('1') ? 1 : 0;
}

// The lines of a report text, split at CR LF (the last, empty piece after the final line
// end dropped).
inline QStringList reportLines(const QString& text) {
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

// The first line that starts with prefix, or a null string.
inline QString lineStarting(const QStringList& lines, const QString& prefix) {
    for (const QString& line : lines) {
        if (line.startsWith(prefix)) return line;
    }
    return QString();
}

} // namespace orvtest
