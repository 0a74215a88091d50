#pragma once
// States for the renderer tests, filled by hand so that the layout is tested apart from
// the calculation: every source has distinct, recognisable values.

#include "base/win1252.h"
#include "common/recordingsurface.h"
#include "model/state.h"

#include <memory>
#include <QString>

namespace orvtest {

inline QString lineName(int i) {
    return QStringLiteral("Route %1").arg(i, 3, 10, QLatin1Char('0'));
}
inline QString mobileName(int i) {
    return QStringLiteral("Heftruck %1").arg(i, 3, 10, QLatin1Char('0'));
}

// A report of the kind with the sources given, every section chosen, print settings as
// the "Standaard" button leaves them apart from the orientation.
inline std::unique_ptr<orv::State> makeReportState(int kind, int lines, int mobiles,
                                                   int orientation = 1, int size = 8) {
    using namespace orv;
    auto st = std::make_unique<State>();
    st->reportKind = static_cast<ReportKind>(kind);
    st->sections = Sections::initial(st->reportKind);
    st->settings.userName = fixedText(u"ing. J. de Vries", kUserNameWidth);
    st->settings.paperOrientation = static_cast<qint16>(orientation);
    st->settings.printFontName = fixedText(u"Courier New", kPrintFontNameWidth);
    st->settings.printFontSize = static_cast<qint16>(size);
    st->settings.headerStyle = 3, st->settings.bodyStyle1 = 1, st->settings.bodyStyle2 = 2;
    st->project.projectNumber = fixedText(u"P-2024-17", kProjectNumberWidth);
    st->project.projectName = fixedText(u"Distributiecentrum Oost", kProjectNameWidth);
    st->project.remarks = fixedText(u"Nieuwe vergunning", kRemarksWidth);
    st->project.projectDate = fixedText(u"14-03-2024", kProjectDateWidth);
    st->project.receiverDescription = fixedText(u"Woning Dorpsstraat 4", kReceiverDescriptionWidth);
    st->project.receiverHeight = 5, st->project.facadeReflection = 3;
    st->project.groundType = fixedText(u"zacht", kGroundTypeWidth);

    st->sourceCount = {static_cast<qint16>(lines), static_cast<qint16>(mobiles)};
    for (int kind2 = 0; kind2 < kKinds; ++kind2) {
        const int n = st->sourceCount[kind2];
        for (int i = 1; i <= n; ++i) {
            SourceRecord& s = st->sources[kind2][i];
            SourceResult& r = st->results[kind2][i];
            s.sourceName = fixedText(kind2 == 0 ? lineName(i) : mobileName(i), kSourceNameWidth);
            s.description = fixedText(u"laden en lossen", kDescriptionWidth);
            s.lwA = 100 + (i % 7), s.lwAMax = 108 + (i % 5), s.pointCount = 1 + i % 9;
            s.length = 80 + i, s.speed = 15, s.height = 1.5;
            s.distanceA = 40 + i, s.distanceB = 95.5 + i;
            s.screening = static_cast<qint16>(i % 2 ? 5 : 0);
            s.reflection = static_cast<qint16>(i % 3 ? 0 : 2);
            for (int p = 0; p < kPeriods; ++p) {
                s.movements[p] = 10.0 * (3 - p) + i % 4;
                s.operatingHours[p] = 0.25 * (3 - p);
                r.cb[p] = -10.0 - p - 0.1 * (i % 10);
                r.laeq[p] = 40.0 - 3 * p + 0.1 * (i % 10);
                r.lamax[p] = 60.0 - 2 * p + 0.1 * (i % 10);
                st->correctedLw[kind2][i][p] = 95.0 - p + 0.1 * (i % 10);
            }
            r.cm = 0.4 + 0.1 * (i % 5);
        }
    }
    for (int p = 0; p < kPeriods; ++p) {
        st->totalLaeq[p] = 55.0 - 3 * p;
        st->totalLamax[p] = 70.0 - 2 * p;
        st->cumulativeLw[p] = 104.0 - p;
    }
    st->letmaal = 56.3, st->lden = 58.1, st->lnight = 49.2, st->replacementHeight = 1.5;
    return st;
}

} // namespace orvtest
