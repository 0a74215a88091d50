#pragma once
// The three calculation commands of the "Berekening" menu. Each checks and runs its
// calculation steps over the whole project, builds its report and shows the overview.

#include "app/mainview.h"
#include "base/outcome.h"
#include "base/platform.h"
#include "base/sectiondialog.h"
#include "model/state.h"

#include <QString>

namespace orv {

// Runs the command of reportKind: the geometry check (transmission), the section dialog,
// the damaged-value check, the steps, the report, then the input form closes and the
// overview opens. The sections come from sectionDialog. Every message of the run (warnings,
// refusals) is shown through platform
// as it comes. Refused: NoSources (nothing shown), Cancelled (the dialog was left; nothing
// changed), Geometry or DamagedValue (message shown). A refused run leaves the results of
// earlier runs as they were. The outcome's warnings are the minimum-point-source sentences.
Outcome runCalculationCommand(State& state, Platform& platform, SectionDialog& sectionDialog,
                              MainView& view, ReportKind reportKind);

// The menu text of the command of a report kind ("Overdrachtsberekening", ...).
QString commandMenuText(ReportKind reportKind);
// The text the command leaves in the second panel of the status bar.
QString commandStatusText(ReportKind reportKind);

} // namespace orv
