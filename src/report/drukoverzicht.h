#pragma once
// The paged print renderer: the current report laid out on pages, with a header and a
// footer on every page, page breaks with continuation headings, and every text placed at
// an absolute position so that proportional fonts align as well as fixed-pitch ones.

#include "model/state.h"
#include "report/surface.h"

namespace orv {

// Draws the report of state.reportKind with state.sections on the surface, from
// the first page to the last, and returns the number of pages. It formats what the
// calculation run and the text overview left in state (the assessment values of report
// kind 2 are read as they stand) and computes no totals of its own. The print settings come from
// state.settings, with the print dialog's start values for those still unset; state is not
// changed. Printer mode (preview false) sets A4 paper and the orientation and turns pages
// with newPage(); preview mode hands every finished page to capturePage() and wipes the
// surface with clear() for the next. Another report kind draws one page with the page
// furniture only.
int DrukOverzicht(Surface& surface, const State& state, bool preview);

// Width of the report's widest table in character units of the body font (12 x its size in
// twips): the tables' rules end there, and so does the date of the project line.
int reportWidthColumns(const State& state);
int reportWidthColumns(ReportKind kind, const Sections& sections);

// Where the page-break test lies for the report kind and orientation (twips from the top):
// a table row that would start below it goes to the next page. Report kind 2 breaks
// earlier, because its total row, footnotes and assessment line follow the table.
double pageBreakThreshold(ReportKind reportKind, int orientation);

} // namespace orv
