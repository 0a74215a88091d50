#pragma once
// The captions of the boxes of "Samenstellen overzichten": what each of the four section
// boxes offers in each report.

#include "base/reportkind.h"

#include <QStringView>

namespace orv {

// The caption of box 0..3 for a report; empty for a box that report does not use.
QStringView sectionCaption(ReportKind reportKind, int box);

} // namespace orv
