#pragma once
// Two variants of one site side by side: each project runs the transmission command on its
// own copy over all its sources, and the comparison lines up the period totals and the
// sources of both. The projects themselves are never changed.

#include "base/outcome.h"
#include "model/sheetlimits.h"
#include "model/state.h"

#include <optional>
#include <QString>
#include <vector>

namespace orv {

// One source of a variant after its run: its levels at the receiving point (0: no level).
struct VariantSource {
    SourceKind kind = LineSource;
    int number = 0;
    QString description; // trimmed
    QString sourceName;  // trimmed: the library entry its sound power came from
    QString key;         // variantKey(sourceName, description)
    double laeq[kPeriods] = {0, 0, 0};
    double lamax[kPeriods] = {0, 0, 0};
};

// The key sources match on: name and description (trimmed by the caller), without regard
// to case.
QString variantKey(const QString& sourceName, const QString& description);

// What the transmission command and its assessment give for one project.
struct VariantLevels {
    Outcome outcome;                          // refused: geometry, damaged value or no sources
    double energyLevel[kPeriods] = {0, 0, 0}; // LAeq total, before any surcharge
    double ratedLevel[kPeriods] = {0, 0, 0};  // LAr,LT: the total with the surcharge applied
    double totalLamax[kPeriods] = {0, 0, 0};
    double penalisedLevel[kPeriods] = {0, 0, 0};
    double letmaal = 0, lden = 0, lnight = 0;
    std::vector<VariantSource> sources; // line sources first, each kind in its own order
};

// Runs the transmission command over every source of project, on a copy.
VariantLevels assessVariant(const State& project);

// A value in both variants; empty where a variant has none (no level, no limit).
struct ValuePair {
    std::optional<double> a, b;
    std::optional<double> difference() const;
};

struct ComparedPeriod {
    ValuePair laeq, lamax, surcharge, rated;
    ValuePair margin, lamaxMargin; // limit minus level, with a limit given
};

struct ComparedSource {
    QString description, sourceName, key;
    SourceKind kind = LineSource;
    int numberA = 0, numberB = 0; // 0: not in that variant
    ValuePair laeq[kPeriods], lamax[kPeriods];
    double largestChange = 0; // over both levels and all periods, a missing level as 0 dB
};

struct Comparison {
    ComparedPeriod periods[kPeriods];
    std::optional<double> limit[kPeriods], lamaxLimit[kPeriods];
    ValuePair letmaal, lden, lnight;
    int decisiveA = 0, decisiveB = 0;    // the period whose penalised level gives Letmaal
    std::vector<ComparedSource> sources; // largest change first, then by name and description
};

// Sources match on description and library name, trimmed and without regard to case; the
// n-th of several equal ones in A matches the n-th in B.
Comparison compareVariants(const VariantLevels& a, const VariantLevels& b,
                           const SheetLimits& limits);

} // namespace orv
