// Report kind 2: the transmission to the receiving point, one row per listed source, the
// period totals with their surcharge, and the assessment line.

#include "base/numberformat.h"
#include "base/win1252.h"
#include "report/overzicht.h"
#include "report/overzicht_p.h"
#include "report/reporttexts.h"

#include <algorithm>

namespace orv {
namespace overzicht {
namespace {

using namespace orv::texts;

constexpr int kWidth = 141;

void putHeadings(QString& b) {
    put(b, kHeadSource, spaces(16), kHeadSpecification, spaces(17), kHeadLw, spaces(2), kHeadHeight,
        spaces(6), kHeadDistances, spaces(2), kHeadScreening, spaces(2), kHeadReflection, spaces(3),
        kHeadCm, spaces(9), kHeadLevels, kCrLf);
    put(b, spaces(56), spaces(4), kHeadDbA, spaces(6), kHeadMetre, spaces(10), kHeadMetre,
        spaces(1), spaces(2), kHeadDb, spaces(1), spaces(2), kHeadDb, spaces(1), spaces(3),
        kHeadDb);
    put(b, spaces(4), kHeadDayPeriod, spaces(1), spaces(1), kHeadEveningPeriod, spaces(1),
        spaces(1), kHeadNightPeriod, kCrLf);
    b += spaces(99);
    for (int p = 0; p < kPeriods; ++p)
        put(b, spaces(3), kHeadLaeq, spaces(2), kHeadLamax);
    b += kCrLf;
}

void putRow(QString& b, const SourceRecord& s, const SourceResult& r) {
    put(b, field(s.sourceName, kSourceNameWidth), spaces(2),
        field(s.description, kDescriptionWidth), spaces(2));
    put(b, colOrMissing(s.lwA == 0, s.lwA, u"#0.0", 5), QLatin1Char('/'),
        colOrMissing(s.lwAMax == 0, s.lwAMax, u"#0.0", 5));
    put(b, FormatKolom(s.height, u"#0.0", 7), FormatKolom(s.distanceA, u"#0.0", 6),
        QLatin1Char('/'), FormatKolom(s.distanceB, u"#0.0", 5), FormatKolom(s.screening, u"#0", 4),
        FormatKolom(s.reflection, u"#0", 5), FormatKolom(r.cm, u"#0.0", 6));
    for (int p = 0; p < kPeriods; ++p) {
        if (r.cb[p] == kSilent) {
            put(b, spaces(4), kMissing, spaces(4), kMissing);
            continue;
        }
        if (r.laeq[p] == 0) {
            put(b, spaces(4), kMissing, spaces(1));
        } else {
            // The row shows the level the source is assessed with; the total is formed from
            // the level without it, and the surcharge is applied to the total once.
            put(b, FormatKolom(r.laeq[p] + s.surchargeKx, u"#0.0", 7),
                s.surchargeKx > 0 ? kSurchargeMark : QChar(u' '));
        }
        b += colOrMissing(r.lamax[p] == 0, r.lamax[p], u"#0.0", 6);
    }
    b += kCrLf;
}

void putTotalRow(QString& b, const State& state) {
    const bool marked = state.sources[LineSource][0].surchargeKx > 0;
    put(b, kTotal, spaces(93));
    for (int p = 0; p < kPeriods; ++p) {
        // A missing total is seven characters wide, with no mark column after it.
        if (state.totalLaeq[p] == 0)
            put(b, spaces(4), kMissing);
        else
            put(b, FormatKolom(state.totalLaeq[p], u"#0.0", 7),
                marked ? kSurchargeMark : QChar(u' '));
        if (state.totalLamax[p] == 0)
            put(b, spaces(4), kMissing);
        else
            b += FormatKolom(state.totalLamax[p], u"#0.0", 6);
    }
    b += kCrLf;
}

// The totals and the assessment line print what the calculation run assessed.
void writeTable(State& state) {
    const bool lines = state.sections.linesListed(ReportKind::Transmission);
    const bool mobiles = state.sections.mobilesListed(ReportKind::Transmission);
    QString& b = state.reportBlocks[2];
    put(b, transmissionGroup(lines, mobiles), kCrLf, rule(kWidth));
    putHeadings(b);
    b += rule(kWidth);
    for (const SourceKind kind : kSourceKinds) {
        if (!(kind == LineSource ? lines : mobiles)) continue;
        for (int i = 1; i <= state.sourceCount[kind]; ++i) {
            const auto n = static_cast<std::size_t>(i);
            putRow(b, state.sources[kind][n], state.results[kind][n]);
        }
    }
    b += rule(kWidth);
    putTotalRow(b, state);
    b += rule(kWidth);
    put(b, kNoteTransmission1, kCrLf, kNoteTransmission2, kCrLf, kNoteTransmission3, kCrLf);
    for (const QString& note : surchargeNotes(state))
        put(b, note, kCrLf);
    b += kCrLf;
    put(state.reportBlocks[4], assessmentLine(state), kCrLf);
}

void putParameter(State& state, QStringView label, const QString& value) {
    put(state.reportBlocks[1], label.toString().leftJustified(kLabelWidth), kLabelSeparator, value,
        kCrLf);
}

} // namespace

void writeOverdracht(State& state) {
    writeTitle(state);
    if (state.sections.projectBlock()) writeProject(state, 89, 1);
    if (state.sections.parameterBlock(ReportKind::Transmission)) {
        const ProjectRecord& p = state.project;
        putParameter(state, kReceiver, trimmed(p.receiverDescription));
        QString height = trimmed(formatNumber(p.receiverHeight, u"#0.0"));
        put(height, kMeterUnit);
        putParameter(state, kReceiverHeight, height);
        putParameter(state, kGround, trimmed(p.groundType));
        QString facade = trimmed(formatNumber(p.facadeReflection, u"#0"));
        put(facade, kDbUnit);
        putParameter(state, kFacadeReflection, facade);
        state.reportBlocks[1] += kCrLf;
    }
    state.reportBlocks[1] += kCrLf;
    if (state.sections.linesListed(ReportKind::Transmission) ||
        state.sections.mobilesListed(ReportKind::Transmission))
        writeTable(state);
}

} // namespace overzicht

QStringList surchargeNotes(const State& state) {
    QStringList notes;
    const int total = state.sources[LineSource][0].surchargeKx;
    if (total > 0) {
        QString note = texts::kSurchargeTotal.toString();
        overzicht::put(note, QString::number(total), texts::kSurchargeDb);
        notes.append(note);
        return notes;
    }
    for (const SourceKind kind : kSourceKinds) {
        // The printed report is also drawn from a state with damaged counts: stay in the table.
        const int count = std::clamp(int{state.sourceCount[kind]}, 0, kMaxSources);
        for (int i = 1; i <= count; ++i) {
            const int k = state.sources[kind][static_cast<std::size_t>(i)].surchargeKx;
            if (k > 0) {
                QString note = texts::kSurchargeSource.toString();
                overzicht::put(note, QString::number(k), texts::kSurchargeDb,
                               texts::kSurchargeSentence);
                notes.append(note);
                break;
            }
        }
    }
    return notes;
}

QString assessmentLine(const State& state) {
    QString line = texts::kLetmaal.toString();
    overzicht::put(line, formatNumber(state.letmaal, u"#0.0"), texts::kAfterLetmaal, texts::kLden,
                   formatNumber(state.lden, u"#0.0"), texts::kAfterLden, texts::kLnight,
                   formatNumber(state.lnight, u"#0.0"), texts::kAfterLnight);
    return line;
}

} // namespace orv
