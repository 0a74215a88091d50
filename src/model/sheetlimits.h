#pragma once
// The limits a permit sets at the receiving point, entered in the calculation sheet. They live
// with the session: kept in the state for as long as the program runs, never in a file.

#include "model/records.h"

#include <optional>

namespace orv {

struct SheetLimits {
    // Limit of the rated level LAr,LT per period (day, evening, night); empty: none.
    std::optional<double> rated[kPeriods];
    // Limit of LAmax per period; empty: none.
    std::optional<double> lamax[kPeriods];
};

} // namespace orv
