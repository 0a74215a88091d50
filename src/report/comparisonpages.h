#pragma once
// The comparison of two variants on landscape A4 pages: a heading with both projects, the
// period table and the source table, with the page header and footer of the reports.

#include "model/state.h"
#include "report/comparisontable.h"
#include "report/surface.h"

namespace orv {

struct ComparisonPrint {
    VariantInfo a, b;
    QString limitsLine; // the limits given, empty for none
    ComparisonTable periods, sources;
};

// Draws the pages and returns their number. The font name and styles come from the print
// settings (start values where unset); the body size is theirs, made smaller where the source
// table would not fit across the page. Printer mode sets the paper and turns pages with
// newPage(); preview mode captures every page and clears the surface for the next.
int drawComparison(Surface& surface, const ComparisonPrint& print, const SettingsData& settings,
                   bool preview);

// "Grenswaarden LAr,LT dag/avond/nacht: 50,0 / 45,0 / 40,0 dB(A)" and the same for LAmax, as
// far as limits are given.
QString comparisonLimitsLine(const SheetLimits& limits);

} // namespace orv
