#pragma once
// The overview window's text and its character formats: the ten report blocks with plain
// line ends, and per block range the point size, bold and italic that the print settings'
// styles ask for.

#include "model/state.h"

#include <QList>
#include <QString>

namespace orv {

struct OverviewFormat {
    int start = 0;
    int length = 0;
    int pointSize = 8;
    bool bold = false;
    bool italic = false;
};

// The report text as the window shows it: the blocks joined, each CR LF as one line end.
QString overviewDisplayText(const State& state);

// Title block 10 pt in the heading style, project block 10 pt in the first body style, the
// tables 8 pt in the second body style, the assessment line bold. Positions count in the
// display text. A style outside 1..4 leaves its range upright and regular.
QList<OverviewFormat> overviewFormats(const State& state);

} // namespace orv
