#pragma once
// What one source alone would have to give up to bring a period's rated level, or its own
// maximum level, within a limit: less sound power, fewer hours or fewer movements.
//
// The rated level is the period total after the surcharge step. In energies that step is
// linear: with one surcharged source c (energy e, hours T of a period To, factor k = 10^(K/10))
// the rated energy is rest · (1 + (k - 1) · T / To) + k · e, where the rest is the energy of
// every other listed source; the rest is surcharged only for the time c operates. Without a
// surcharged source a surcharge on the total multiplies the whole sum. So quietening c keeps
// the surcharge on the rest while c runs, and only fewer hours take it off.

#include "calc/assessment.h"
#include "model/state.h"

#include <optional>

namespace orv {

// What one source alone would have to give up to bring a period within a limit.
struct SheetReduction {
    enum class Status {
        NoLimit,     // no limit for the period, or the period has no level
        Met,         // the period is within the limit already: nothing to give up
        Needed,      // the values below meet the limit
        NotFeasible, // "niet haalbaar met deze bron alleen"
    };
    Status status = Status::NoLimit;
    double exactDb = 0;   // the reduction of the sound power that just meets the limit
    double roundedDb = 0; // sound power minus allowedLw: what applying allowedLw takes off
    double allowedLw = 0; // the sound power rounded down to its field's 0.1 dB
};

struct SheetAmount {
    SheetReduction::Status status = SheetReduction::Status::NoLimit;
    double exact = 0;   // hours (mobile) or movements (line) that just meet the limit
    double allowed = 0; // rounded down to the field's precision ("#0.0000" or "##0.0")
};

namespace reduce {

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

// The period as the assessment and its surcharge step formed it.
PeriodEnergy periodEnergy(const State& state, const Assessment& a, int p);

// Source `number` of `kind` as it stands in period p.
SourceChange sourceChange(const State& state, const Assessment& a, SourceKind kind, int number,
                          int p);

// The sound power that alone brings the rated level within limitDb, rounded down to 0.1 dB.
SheetReduction powerReduction(const PeriodEnergy& period, const SourceChange& change, double lwA,
                              double limitDb);

// The hours or movements (now) that alone bring the rated level within limitDb, rounded down
// to the field's grid of 1/scale.
SheetAmount amountReduction(const PeriodEnergy& period, SourceChange change, double now,
                            double scale, double limitDb);

// The maximum sound power that brings a source's LAmax within limit; Needed only for a source
// above it.
SheetReduction lamaxReduction(double lamax, double lwAMax, const std::optional<double>& limit);

} // namespace reduce
} // namespace orv
