#pragma once
// Limits typed by the user: one number per period, "," or "." as decimal separator.

#include "model/sheetlimits.h"

#include <array>
#include <optional>
#include <QString>

namespace orv {

// A limit in dB(A), 0..150, kept as its field shows it ("#0.0"); empty for a blank text;
// not ok for anything else.
struct LimitText {
    bool ok = false;
    std::optional<double> value;
};
LimitText parseLimit(QStringView text);

// "D/E/N": three limits joined by "/", each a number. nullopt for anything else.
std::optional<std::array<double, kPeriods>> parseLimitTriple(QStringView text);

} // namespace orv
