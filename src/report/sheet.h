#pragma once
// The calculation sheet ("Rekenblad") of the last transmission run: one row per listed source
// and period with every term the calculation held for it, its share of the period's energy,
// and, against the limits entered, what it would take of that source alone to meet them.

#include "calc/reduction.h"
#include "model/sheetlimits.h"
#include "model/state.h"

#include <QString>
#include <vector>

namespace orv {

struct SheetRow {
    SourceKind kind = LineSource; // LineSource or MobileSource
    int number = 0;               // source number 1..sourceCount[kind]
    int period = 0;               // 0 day, 1 evening, 2 night
    QString source;               // description, trimmed
    double lwA = 0, lwAMax = 0, pointCount = 0;
    double movements = 0; // line sources: vehicles in the period
    double hours = 0;     // operating hours as stored (per point source for a line source)
    double cb = 0;        // kSilent when the source does not operate in the period
    double transmission = 0, cm = 0, transmissionMax = 0, cmMax = 0;
    int screening = 0, reflection = 0, facade = 0, surchargeK = 0;
    double laeq = 0;           // 0: no level
    double laeqSurcharged = 0; // laeq plus the source's own surcharge, as the report shows it
    double lamax = 0;          // 0: no level
    bool contributes = false;  // counted in the period's energy sum
    double shareDb = 0;        // dB below the period's energy total
    double sharePercent = 0;   // per cent of the period's energy
    SheetReduction rated;      // against the LAr,LT limit
    SheetAmount amount;        // the same as hours or movements
    SheetReduction lamaxCut;   // against the LAmax limit: Needed only for sources above it
};

struct SheetPeriod {
    double energyLevel = 0;              // 10·lg of the energy sum of the listed sources (0: none)
    double ratedLevel = 0;               // LAr,LT: the period total with the surcharge applied
    double lamax = 0;                    // highest LAmax of the listed sources
    std::optional<double> limit, margin; // LAr,LT: limit minus level
    std::optional<double> lamaxLimit, lamaxMargin; // LAmax: limit minus level
};

struct Sheet {
    std::vector<SheetRow> rows; // in the default order (see sortSheetByContribution)
    SheetPeriod periods[kPeriods];
    int decisivePeriod = 0; // the period whose penalised level gives Letmaal
};

// The sheet of the transmission run whose results stand in state, over the sources its
// section flags listed, against limits. Empty when the last run was another command.
Sheet buildSheet(const State& state, const SheetLimits& limits);

// The default order: sources by their share in the decisive period, largest first; the
// rows of one source together, day, evening, night.
void sortSheetByContribution(Sheet& sheet);

// "niet haalbaar met deze bron alleen"
QString notFeasibleText();

} // namespace orv
