#include "report/sheet.h"

#include "base/win1252.h"
#include "calc/assessment.h"

#include <algorithm>

namespace orv {

using reduce::PeriodEnergy;
using reduce::SourceChange;

namespace {

SheetRow makeRow(const State& state, SourceKind kind, int i, int p) {
    const SourceRecord& s = state.sources[kind][i];
    const SourceResult& r = state.results[kind][i];
    SheetRow row;
    row.kind = kind;
    row.number = i;
    row.period = p;
    row.source = trimmed(s.description);
    row.lwA = s.lwA;
    row.lwAMax = s.lwAMax;
    row.pointCount = s.pointCount;
    row.movements = kind == LineSource ? s.movements[p] : 0.0;
    row.hours = s.operatingHours[p];
    row.cb = r.cb[p];
    row.transmission = r.transmission;
    row.cm = r.cm;
    row.transmissionMax = r.transmissionMax;
    row.cmMax = r.cmMax;
    row.screening = s.screening;
    row.reflection = s.reflection;
    row.facade = state.project.facadeReflection;
    row.surchargeK = s.surchargeKx;
    row.laeq = r.laeq[p];
    row.laeqSurcharged = r.laeq[p] != 0 ? r.laeq[p] + s.surchargeKx : 0.0;
    row.lamax = r.lamax[p];
    row.contributes = r.cb[p] != kSilent && r.laeq[p] != 0;
    return row;
}

void fillLimits(Sheet& sheet, const State& state, const SheetLimits& limits, const Assessment& a,
                const PeriodEnergy (&energy)[kPeriods]) {
    for (SheetRow& row : sheet.rows) {
        const int p = row.period;
        const SheetPeriod& period = sheet.periods[p];
        row.lamaxCut = reduce::lamaxReduction(row.lamax, row.lwAMax, limits.lamax[p]);
        if (!period.limit || period.ratedLevel == 0) continue;
        const SourceChange change = reduce::sourceChange(state, a, row.kind, row.number, p);
        row.rated = reduce::powerReduction(energy[p], change, row.lwA, *period.limit);
        if (row.kind == LineSource)
            row.amount =
                reduce::amountReduction(energy[p], change, row.movements, 10, *period.limit);
        else
            row.amount =
                reduce::amountReduction(energy[p], change, row.hours, 10000, *period.limit);
    }
}

} // namespace

QString notFeasibleText() {
    return QStringLiteral("niet haalbaar met deze bron alleen");
}

Sheet buildSheet(const State& state, const SheetLimits& limits) {
    Sheet sheet;
    if (state.reportKind != ReportKind::Transmission) return sheet;
    const Assessment a = assess(state);
    PeriodEnergy energy[kPeriods];
    for (int p = 0; p < kPeriods; ++p) {
        energy[p] = reduce::periodEnergy(state, a, p);
        SheetPeriod& period = sheet.periods[p];
        period.energyLevel = levelOf(a.energySum[p]);
        period.ratedLevel = state.totalLaeq[p];
        period.lamax = state.totalLamax[p];
        period.limit = limits.rated[p];
        period.lamaxLimit = limits.lamax[p];
        if (period.limit && period.ratedLevel != 0)
            period.margin = *period.limit - period.ratedLevel;
        if (period.lamaxLimit && period.lamax != 0)
            period.lamaxMargin = *period.lamaxLimit - period.lamax;
        if (state.penalisedLevel[p] > state.penalisedLevel[sheet.decisivePeriod])
            sheet.decisivePeriod = p;
    }

    std::size_t count = 0;
    for (const SourceKind kind : kSourceKinds)
        count += a.listed[kind] ? static_cast<std::size_t>(state.sourceCount[kind]) : 0;
    sheet.rows.reserve(count * kPeriods);
    for (const SourceKind kind : kSourceKinds) {
        if (!a.listed[kind]) continue;
        for (int i = 1; i <= state.sourceCount[kind]; ++i) {
            for (int p = 0; p < kPeriods; ++p) {
                SheetRow row = makeRow(state, kind, i, p);
                if (row.contributes) {
                    const double total = sheet.periods[p].energyLevel;
                    row.shareDb = total - row.laeq;
                    row.sharePercent = 100.0 * energyOf(row.laeq) / a.energySum[p];
                }
                sheet.rows.push_back(std::move(row));
            }
        }
    }
    fillLimits(sheet, state, limits, a, energy);
    sortSheetByContribution(sheet);
    return sheet;
}

void sortSheetByContribution(Sheet& sheet) {
    std::vector<double> share(static_cast<std::size_t>(kKinds * (kMaxSources + 1)), -1.0);
    auto key = [](const SheetRow& row) {
        return static_cast<std::size_t>(row.kind * (kMaxSources + 1) + row.number);
    };
    for (const SheetRow& row : sheet.rows) {
        if (row.period == sheet.decisivePeriod && row.contributes)
            share[key(row)] = row.sharePercent;
    }
    std::stable_sort(sheet.rows.begin(), sheet.rows.end(),
                     [&](const SheetRow& a, const SheetRow& b) {
                         const double sa = share[key(a)];
                         const double sb = share[key(b)];
                         if (sa != sb) return sa > sb;
                         if (key(a) != key(b)) return key(a) < key(b);
                         return a.period < b.period;
                     });
}

} // namespace orv
