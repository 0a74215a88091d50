#pragma once
// The assessment of the receiving point: the period totals of the listed sources, the
// surcharge step on them, the penalised levels, Letmaal, Lden, Lnight and the highest
// maximum level. The one place these numbers are formed: the calculation run stores them in
// the state, the reports print them, the calculation sheet solves against them.

#include "model/state.h"

namespace orv {

// Which source kinds the assessment covers: those the transmission report lists.
struct ListedKinds {
    bool lines = true;
    bool mobiles = true;
    bool operator[](SourceKind kind) const { return kind == LineSource ? lines : mobiles; }
    bool any() const { return lines || mobiles; }
};
ListedKinds listedKinds(const Sections& sections);

// The surcharge the surcharge step applies: on one listed source (the last one that carries
// one, mobile sources after line sources), else on the total level, else none.
struct SurchargeStep {
    enum class On { None, Source, Total } on = On::None;
    SourceKind kind = LineSource;
    int number = 0; // the surcharged source (On::Source)
    int k = 0;      // the surcharge in dB
    // The hours the surcharge is weighed with per period: the whole route's vehicle-hours for
    // a line source; 0 when the source is silent in the period.
    double hours[kPeriods] = {0, 0, 0};
};

struct Assessment {
    ListedKinds listed;
    // Sum of 10^(LAeq/10) over the listed sources that operate in the period with a level.
    double energySum[kPeriods] = {0, 0, 0};
    double totalLaeq[kPeriods] = {0, 0, 0}; // after the surcharge step
    double totalLamax[kPeriods] = {0, 0, 0};
    double penalisedLevel[kPeriods] = {0, 0, 0};
    double letmaal = 0;
    double lden = 0;
    double lnight = 0;
    SurchargeStep surcharge;
};

// The assessment over the sources of the listed kinds, from the LAeq and LAmax that Immissie
// left in the results table.
Assessment assess(const State& state, ListedKinds listed);
// The same over the kinds the state's sections list for the transmission report.
Assessment assess(const State& state);

// Stores totalLaeq, totalLamax, penalisedLevel, letmaal, lden and lnight in the state.
void applyAssessment(State& state, const Assessment& a);

// After the steps of a transmission run (state.reportKind): the assessment of the kinds the
// sections list, stored in the state. Nothing for other runs, nor for a report that lists no
// source: it prints no assessment, and the values of an earlier run stand.
void assessListedSources(State& state);

// The surcharge step: applies a.surcharge to a.totalLaeq. Runs between the period totals and
// the penalised levels.
void ToeslagK(const State& state, Assessment& a);

// 10^(level/10): the energy of a level in dB.
double energyOf(double level);
// 10·lg(energy); 0 for no energy.
double levelOf(double energy);

// The correction that turns a source's Lw into the Lw of the whole group over a period: its
// point sources, its share of the period, screening and reflection (cumulative emission).
double sourceCorrection(const SourceRecord& source, const SourceResult& result, int period);

} // namespace orv
