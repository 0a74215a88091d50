#include "calc/surchargetool.h"

#include "base/numberformat.h"
#include "base/win1252.h"
#include "calc/calcmath.h"

#include <algorithm>

namespace orv {

SurchargeTool::SurchargeTool(State& state) : state_(state) {
    entries_.append(kAllSourcesEntry);
    rows_.emplace_back();
    for (const SourceKind kind : kSourceKinds) {
        for (int i = 1; i <= state.sourceCount[kind]; ++i) {
            entries_.append(trimmed(state.sources[kind][i].description));
            rows_.push_back(state.results[kind][i]);
        }
    }
    std::copy(std::begin(state.totalLaeq), std::end(state.totalLaeq), totals_.begin());
}

const SourceRecord* SurchargeTool::sourceOf(int entry) const {
    const int lines = state_.sourceCount[LineSource];
    if (entry < 0 || entry >= entries_.size()) return nullptr;
    return entry <= lines ? &state_.sources[LineSource][entry]
                          : &state_.sources[MobileSource][entry - lines];
}

int SurchargeTool::preselection() const {
    for (int entry = static_cast<int>(entries_.size()) - 1; entry >= 1; --entry) {
        if (sourceOf(entry)->surchargeKx > 0) return entry;
    }
    return 0;
}

int SurchargeTool::storedSurcharge(int entry) const {
    const SourceRecord* source = sourceOf(entry);
    return source ? source->surchargeKx : 0;
}

int SurchargeTool::surchargeFor(int surchargeEntry, int entry) const {
    if (surchargeEntry >= 0 && surchargeEntry < static_cast<int>(kSurchargeValues.size()))
        return kSurchargeValues[static_cast<std::size_t>(surchargeEntry)];
    return storedSurcharge(entry);
}

SurchargeBoxes SurchargeTool::refresh(int period, int entry) const {
    SurchargeBoxes boxes;
    if (period < 0 || period >= kPeriods || !sourceOf(entry)) return boxes;
    const auto p = static_cast<std::size_t>(period);
    boxes.total = formatNumber(totals_[p], u"#0.0");
    if (entry > 0) {
        const SourceResult& row = rows_[static_cast<std::size_t>(entry)];
        boxes.sourceLevel = formatNumber(row.laeq[p], u"#0.0");
        // The operating time of one point source, as Cb was formed from it.
        const double hours =
            row.cb[p] == -99 ? 0.0 : calc::pow10(row.cb[p] / 10.0) * state_.periodHours[p];
        boxes.hours = formatNumber(hours, u"#0.0000");
    }
    const int k = storedSurcharge(entry);
    const auto offered = std::find(kSurchargeValues.begin(), kSurchargeValues.end(), k);
    boxes.surchargeEntry = offered == kSurchargeValues.end()
                               ? -1
                               : static_cast<int>(offered - kSurchargeValues.begin());
    return boxes;
}

std::optional<QString> SurchargeTool::clampedHours(double hours, int period) const {
    if (period < 0 || period >= kPeriods) return std::nullopt;
    const double length = state_.periodHours[period];
    if (!(hours > length)) return std::nullopt;
    return formatNumber(length, u"#0.0000");
}

RatedLevel SurchargeTool::rate(double total, double sourceLevel, double hours, int period,
                               int k) const {
    const double length = period >= 0 && period < kPeriods ? state_.periodHours[period] : 0;
    return ratedLevel(total, sourceLevel, hours, length, k);
}

} // namespace orv
