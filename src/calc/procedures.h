#pragma once
// The calculation steps of the three commands. Each runs over all sources of both kinds,
// line sources first, and talks to the others only through the state's tables.

#include "base/outcome.h"
#include "model/state.h"

#include <QString>
#include <QStringList>

namespace orv {

// Operating-time correction cb per source and period; for line sources also the derived
// operating hours of one point source.
void Cbedrijfsduur(State& state);

// Transmission loss and Cm belonging to LAeq. Needs startCosine from CheckIt. Refused when a
// point of a line source coincides with the receiving point.
[[nodiscard]] Outcome Overdracht(State& state);

// Transmission loss and Cm at the nearest distance, for LAmax. Needs lineLength from
// CheckIt. Its warnings name every line source whose point sources lie too far apart for
// its distance (the run goes on; they are shown together in one message). Refused when a
// line source runs through the receiving point.
[[nodiscard]] Outcome OverdrachtMax(State& state);

// LAeq and LAmax per source and period.
void Immissie(State& state);

// Corrected and cumulative sound power of the kinds chosen for report kind 3 (section flag
// 1: line sources, flag 2: mobile sources), and the height of the replacement point source.
void Emissie(State& state);
void Bron_Hoogte(State& state);

// The calculation steps of the command of state.reportKind, in their order, over the whole
// project: Cb: Cbedrijfsduur; transmission (after CheckIt): Cbedrijfsduur, Overdracht,
// OverdrachtMax, Immissie; emission: Cbedrijfsduur, Emissie, Bron_Hoogte. A refused run puts
// back every value it changed and carries no warnings.
Outcome runCalculationSteps(State& state);

// The refusal when a point source of a line lies on the receiving point.
QString coincidentPointMessage(const QString& description);
// The refusal when the receiving point lies on a line source (its nearest distance is 0).
QString receiverOnLineMessage(const QString& description);
// The sentence of the minimum-point-source warning.
QString minimumPointsWarning(const QString& description, double minimumPoints);

} // namespace orv
