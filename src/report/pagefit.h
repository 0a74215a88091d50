#pragma once
// Whether a report's tables fit across an A4 page. They are laid out in character units of
// the body size, so a large size cuts them at the right edge: 10 pt on landscape paper loses
// the night columns, 8 pt or more on portrait paper cuts the transmission table after "Ds".
// The print settings dialog, the preview and the command line all ask here.

#include "model/state.h"

#include <QList>
#include <QString>

namespace orv {

// The border a printer cannot print on, kept free on every side of a PDF page as well.
constexpr double kPrinterMarginPoints = 12.0;

// Whether the tables of the report kind, with its sections, fit across the page in these
// print settings (start values for those unset).
bool tablesFitPage(ReportKind kind, const Sections& sections, const SettingsData& settings);
// The same for the report standing in state, in the state's print settings.
bool reportFitsPage(const State& state);

// The report kinds whose tables, with every section, are cut in these print settings.
QList<ReportKind> reportKindsCut(const SettingsData& settings);

// "De tabellen van de overdrachtsberekening zijn breder dan de pagina ..." for the kinds cut
// in these settings, with what would make them fit; empty when none is cut.
QString pageCutWarning(const QList<ReportKind>& kinds, const SettingsData& settings);

} // namespace orv
