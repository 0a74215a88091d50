#pragma once
// Values that no input on the form can give and that the formulas cannot carry: a number
// that is not finite, a count below 1, a length, speed, distance or height not above 0,
// negative movements or hours, or a value so far outside any real site that the energy sums
// would overflow. Only a damaged project file brings them; a command refuses to run on them
// rather than print nonsense or stall.

#include "base/outcome.h"
#include "model/state.h"

#include <QString>

namespace orv {

// Checks what the steps of the command of reportKind will read, with the section
// already chosen. Refused with the warning naming the first damaged value.
Outcome findDamagedValue(const State& state, ReportKind reportKind);

} // namespace orv
