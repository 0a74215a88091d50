#pragma once
// The whole working state of one run, owned by main and handed by reference to every
// procedure. A test makes a fresh one. It is large (a few hundred KiB): keep it on the heap.

#include "base/reportkind.h"
#include "model/records.h"
#include "model/sheetlimits.h"

#include <array>
#include <QString>

namespace orv {

// Settings that outlive a run: they live in "Ornaveld.set".
struct SettingsData {
    QString userName = QString(kUserNameWidth, QLatin1Char(' '));
    QString userNameLabel = QString(kUserNameWidth, QLatin1Char(' '));
    qint16 paperOrientation = 0; // 1 "A4, staand", 2 "A4, liggend", 0 not yet set
    QString printFontName = QString(kPrintFontNameWidth, QLatin1Char(' '));
    qint16 printFontSize = 0;
    qint16 headerStyle = 0; // 1 normal, 2 italic, 3 bold, 4 bold italic; 0 not yet set
    qint16 bodyStyle1 = 0;
    qint16 bodyStyle2 = 0;
    qint16 libraryCount = 0;
    std::array<LibraryEntry, kMaxLibrary + 1> library{}; // entries 1..libraryCount
};

struct State {
    // Project data. sources[0][0].surchargeKx is the surcharge on the total level.
    std::array<std::array<SourceRecord, kMaxSources + 1>, kKinds> sources{};
    std::array<qint16, kKinds> sourceCount{0, 0};
    ProjectRecord project{};

    // Results, parallel to sources (row 0 unused).
    std::array<std::array<SourceResult, kMaxSources + 1>, kKinds> results{};
    double totalLaeq[kPeriods] = {0, 0, 0};
    double totalLamax[kPeriods] = {0, 0, 0};
    double penalisedLevel[kPeriods] = {0, 0, 0};
    double letmaal = 0;
    double lden = 0;
    double lnight = 0;
    double correctedLw[kKinds][kMaxSources + 1][kPeriods] = {};
    double cumulativeLw[kPeriods] = {0, 0, 0};
    double replacementHeight = 0;
    qint16 periodHours[kPeriods] = {12, 4, 8};

    // Limits entered in the calculation sheet; a project reset keeps them.
    SheetLimits sheetLimits{};

    // Settings file contents.
    SettingsData settings{};

    // Report: the kind of the last command, its sections, the ten blocks of text.
    ReportKind reportKind = ReportKind::None;
    Sections sections;
    bool sectionsConfirmed = false;
    QString reportBlocks[10];
};

// Empties the project and its results: both counts 0, every source record blank, the
// project at its defaults, every result cell and the assessment values 0. correctedLw,
// cumulativeLw and replacementHeight are left alone: the emission command rewrites them.
void Reset(State& state);

} // namespace orv
