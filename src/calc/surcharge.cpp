#include "calc/surcharge.h"

#include "base/numberformat.h"
#include "calc/calcmath.h"

namespace orv {

using calc::log10Classic;
using calc::pow10;

double surchargedTotal(double total, double sourceLevel, double hours, double periodHours,
                       double k) {
    if (hours >= periodHours) return total + k;
    const double restEnergy = pow10(total / 10.0) - pow10(sourceLevel / 10.0);
    // Levels a rounding apart leave no rest of the site: the source is the whole total.
    if (!(restEnergy > 0)) return sourceLevel + k;
    const double rest = 10.0 * log10Classic(restEnergy);
    const double restSilent = 10.0 * log10Classic((periodHours - hours) / periodHours) + rest;
    const double restOperating = 10.0 * log10Classic(hours / periodHours) + rest;
    const double surcharged =
        10.0 * log10Classic(pow10(restOperating / 10.0) + pow10(sourceLevel / 10.0)) + k;
    return 10.0 * log10Classic(pow10(restSilent / 10.0) + pow10(surcharged / 10.0));
}

RatedLevel ratedLevel(double total, double sourceLevel, double hours, double periodHours, int k) {
    if (total == 0)
        return {
            Outcome::refused(Refusal::TotalMissing, QStringLiteral("LAeq(totaal) niet ingevuld!")),
            0};
    if (sourceLevel > total)
        return {Outcome::refused(Refusal::SourceAboveTotal,
                                 QStringLiteral("LAeq(deelbron) is groter dan LAeq(totaal)!")),
                0};
    if (sourceLevel == 0 || hours == 0) return {{}, total};
    if (sourceLevel == total) return {{}, sourceLevel + k};
    return {{}, surchargedTotal(total, sourceLevel, hours, periodHours, k)};
}

QString ratedLevelText(double value) {
    return QStringLiteral("LAr,LT = ") + formatNumber(value, u"#0.0") + QStringLiteral(" dB(A)");
}

void storeSurcharge(State& state, int selectedEntry, int k) {
    const int lineCount = state.sourceCount[LineSource];
    const bool onMobile = selectedEntry > lineCount;
    const SourceKind kind = onMobile ? MobileSource : LineSource;
    const int number = onMobile ? selectedEntry - lineCount : selectedEntry;
    if (number < 0 || number > state.sourceCount[kind]) return;
    state.sources[kind][number].surchargeKx = static_cast<qint16>(k);
    if (k < 1) return;
    for (int i = 0; i <= lineCount; ++i) {
        if (kind != LineSource || i != number) state.sources[LineSource][i].surchargeKx = 0;
    }
    for (int i = 1; i <= state.sourceCount[MobileSource]; ++i) {
        if (kind != MobileSource || i != number) state.sources[MobileSource][i].surchargeKx = 0;
    }
}

} // namespace orv
