#pragma once
// The three calculation commands of the main window's "Berekening" menu. Each runs its
// calculation steps over the whole project, builds its report and shows the overview.

#include "app/mainview.h"
#include "app/platform.h"
#include "model/state.h"

#include <QString>
#include <QStringList>

namespace orv {

enum class CommandStatus {
    Done,            // calculated, report built, overview shown
    NoSources,       // neither kind has a source: nothing shown
    GeometryRefused, // a line or mobile source does not fit its distances (message shown)
    DamagedValue,    // a value that only a damaged file can hold (message shown)
    DialogCancelled, // the section dialog was left without confirming: nothing changed
};

// Report kind 1 "Bedrijfsduurcorrectie", 2 "Overdrachtsberekening", 3 "Gecumuleerde
// geluidsemissie". When warnings is given it receives the minimum-point-source sentences
// shown during the run (report kind 2), one per warned line source. A refused run leaves the
// results of earlier runs as they were.
CommandStatus runCalculationCommand(State& state, Platform& platform, MainView& view,
                                    int reportKind, QStringList* warnings = nullptr);

// The menu text of the command of a report kind ("Overdrachtsberekening", ...).
QString commandMenuText(int reportKind);
// The text the command leaves in the second panel of the status bar.
QString commandStatusText(int reportKind);

} // namespace orv
