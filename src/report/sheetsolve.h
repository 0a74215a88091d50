#pragma once
// What one source alone would have to give up to bring a period's rated level within a limit.
//
// The rated level is the period total after the surcharge step. In energies that step is
// linear: with one surcharged source c (energy e, hours T of a period To, factor k = 10^(K/10))
// the rated energy is rest · (1 + (k - 1) · T / To) + k · e, where the rest is the energy of
// every other listed source; the rest is surcharged only for the time c operates. Without a
// surcharged source a surcharge on the total multiplies the whole sum. So quietening c keeps
// the surcharge on the rest while c runs, and only fewer hours take it off.

#include "model/state.h"

namespace orv::sheet {

// One period of the run as the surcharge step sees it.
struct PeriodEnergy {
    double energy = 0;      // sum of 10^(LAeq/10) over the contributing listed sources
    double periodHours = 0; // To
    bool hasCandidate = false;
    int candidateKind = 0, candidateNumber = 0;
    double candidateEnergy = 0; // 0 when silent in the period
    double candidateHours = 0;  // T: vehicle-hours of the whole route, or hours; 0 when silent
    double k = 1;               // 10^(K/10) of the candidate's surcharge
    double totalK = 1;          // 10^(K/10) of a surcharge on the total, 1 for none
};

// Which source changes, and how: its energy is scaled by x; when hoursScale is set its hours
// are scaled by x too (fewer hours or movements) and x = 0 silences it.
struct SourceChange {
    bool isCandidate = false;
    double energy = 0; // the source's energy in the period now
    double hours = 0;  // its T now (candidate only)
    bool hoursScale = false;
};

// The rated energy of the period after scaling the source by x (0..1).
double ratedEnergy(const PeriodEnergy& period, const SourceChange& change, double x);

struct Solution {
    enum class Kind { Met, Scaled, NotFeasible } kind = Kind::Met;
    double x = 1; // the largest scale that meets limitEnergy (Scaled)
};

// The largest x in 0..1 whose rated energy is at most limitEnergy. Scaling the sound power
// never silences the source: x only tends to 0, so a limit met only at 0 is not feasible.
Solution solveScale(const PeriodEnergy& period, const SourceChange& change, double limitEnergy);

// Whether the rated energy at x meets limitEnergy, within a rounding of the sums.
bool meetsLimit(const PeriodEnergy& period, const SourceChange& change, double x,
                double limitEnergy);

} // namespace orv::sheet
