#pragma once
// The assessment of the receiving point: period totals, the surcharge on them, Letmaal,
// Lden, Lnight and the highest maximum level, formed while the transmission report is built.

#include "model/state.h"

namespace orv {

// Runs while report kind 2 is built, after the report went through its listed rows.
// energySum[p] = sum of 10^(laeq/10) over the listed rows whose LAeq part was formatted.
// The listed rows are those of the kinds the sections list.
void assessLevels(State& state, const double energySum[3]);

// Applies the stored surcharge (on one listed source, or on the total level in
// sources[0][0].surchargeKx) to totalLaeq. Called by assessLevels between the period totals
// and the penalised levels.
void ToeslagK(State& state);

} // namespace orv
