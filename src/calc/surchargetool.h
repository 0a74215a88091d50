#pragma once
// What the surcharge tool lists and shows: the source list with "<alle bronnen>" first, the
// entry it opens on, the values its boxes show for a period and an entry, the operating time
// kept within a period, and the surcharge stored on an entry. The tool keeps the result rows
// and the site totals as they were when it opened.

#include "calc/surcharge.h"
#include "model/state.h"

#include <array>
#include <optional>
#include <QString>
#include <QStringList>
#include <vector>

namespace orv {

inline const QString kAllSourcesEntry = QStringLiteral("<alle bronnen>");
// The surcharges offered, in list order.
inline constexpr std::array<int, 3> kSurchargeValues{0, 5, 10};

// What the boxes show after a refresh. The source's level and operating time are only set
// for a source; with "<alle bronnen>" the boxes keep what was typed.
struct SurchargeBoxes {
    QString total;
    std::optional<QString> sourceLevel;
    std::optional<QString> hours;
    int surchargeEntry = -1; // entry of kSurchargeValues; -1 for a value not offered
};

class SurchargeTool {
public:
    explicit SurchargeTool(State& state);

    // "<alle bronnen>", then the line sources, then the mobile sources, by description.
    const QStringList& entries() const { return entries_; }
    // The last listed source that carries a surcharge, else "<alle bronnen>".
    int preselection() const;
    SurchargeBoxes refresh(int period, int entry) const;
    // The operating time typed, brought back to the period's length when it is longer; the
    // new text, or nothing when it fits.
    std::optional<QString> clampedHours(double hours, int period) const;
    int storedSurcharge(int entry) const;
    // The surcharge of the list's entry, or the stored one when the list shows none.
    int surchargeFor(int surchargeEntry, int entry) const;
    void store(int entry, int k) { storeSurcharge(state_, entry, k); }
    RatedLevel rate(double total, double sourceLevel, double hours, int period, int k) const;

private:
    const SourceRecord* sourceOf(int entry) const;

    State& state_;
    QStringList entries_;
    std::vector<SourceResult> rows_; // in list order; row 0 stands for "<alle bronnen>"
    std::array<double, kPeriods> totals_{};
};

} // namespace orv
