#pragma once
// Surcharges for tonal, impulsive or music noise: storing one on a source or on the total
// level, and the rated level of a site of which one source carries it.

#include "base/outcome.h"
#include "model/state.h"

#include <QString>

namespace orv {

// The level of a whole site, total dB(A), when one source of level sourceLevel, operating
// hours of a period of periodHours, carries surcharge k: the rest of the site keeps its
// level, the source's share is raised by k for the time it operates. A source operating the
// whole period (or longer, which only typed or rounded-up hours can bring) raises the total
// by k. Expects sourceLevel < total and hours > 0.
double surchargedTotal(double total, double sourceLevel, double hours, double periodHours,
                       double k);

struct RatedLevel {
    Outcome outcome;  // refused with the warning to show (caption "Waarschuwing")
    double value = 0; // LAr,LT in dB(A) when done
};

// LAr,LT of one period from the site's LAeq, the source's LAeq and the source's operating
// time, with surcharge k.
RatedLevel ratedLevel(double total, double sourceLevel, double hours, double periodHours, int k);

// The result line: "LAr,LT = 53,4 dB(A)".
QString ratedLevelText(double value);

// Stores surcharge k on the entry chosen in the source list of the surcharge tool: 0 is
// "<alle bronnen>" (the total level, kept in sources[0][0]), 1..sourceCount[0] a line
// source, above that mobile source (entry - sourceCount[0]). Only one surcharge is kept at a
// time: a k of 1 or more clears every other one.
void storeSurcharge(State& state, int selectedEntry, int k);

} // namespace orv
