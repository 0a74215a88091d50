#pragma once
// The calculation steps of the three commands. Each runs over all sources of both kinds,
// line sources first, and talks to the others only through the state's tables.

#include "app/platform.h"
#include "model/state.h"

#include <QString>
#include <QStringList>

namespace orv {

// Operating-time correction cb per source and period; for line sources also the derived
// operating hours of one point source.
void Cbedrijfsduur(State& state);

// Transmission loss and Cm belonging to LAeq. Needs startCosine from CheckIt. Returns the
// refusal message when a point of a line source coincides with the receiving point, empty
// otherwise.
[[nodiscard]] QString Overdracht(State& state);

struct MaxLevelRun {
    QStringList warnings; // the minimum-point-source sentences, one per warned line source
    QString refusal;      // set when a line source runs through the receiving point
};

// Transmission loss and Cm at the nearest distance, for LAmax. Needs lineLength from
// CheckIt. Warns, in one message box, about every line source whose point sources lie too
// far apart for its distance; the run goes on.
MaxLevelRun OverdrachtMax(State& state, Platform& platform);

// LAeq and LAmax per source and period.
void Immissie(State& state);

// Corrected and cumulative sound power of the kinds chosen for report kind 3 (section flag
// 1: line sources, flag 2: mobile sources), and the height of the replacement point source.
void Emissie(State& state);
void Bron_Hoogte(State& state);

struct StepsRun {
    QString refusal;      // set when a step met a geometry it cannot compute
    QStringList warnings; // minimum-point-source sentences (report kind 2)
};

// The calculation steps of the command of reportKind, in their order, over the whole project:
// 1 Cbedrijfsduur; 2 Cbedrijfsduur, Overdracht, OverdrachtMax, Immissie (after CheckIt);
// 3 Cbedrijfsduur, Emissie, Bron_Hoogte. A refused run puts back every value it changed.
StepsRun runCalculationSteps(State& state, Platform& platform, int reportKind);

// The refusal when a point source of a line lies on the receiving point.
QString coincidentPointMessage(const QString& description);
// The refusal when the receiving point lies on a line source (its nearest distance is 0).
QString receiverOnLineMessage(const QString& description);
// The sentence of the minimum-point-source warning.
QString minimumPointsWarning(const QString& description, double minimumPoints);

} // namespace orv
