#pragma once
// The text overview: the three reports as fixed-pitch text in ten blocks.

#include "model/state.h"

#include <QString>
#include <QStringList>

namespace orv {

// Empties the ten report blocks and writes the report of state.reportKind into them, with
// the sections in state. Report kind 2 prints the assessment values (period totals,
// Letmaal, Lden, Lnight) that the calculation run stored. Other kinds leave the blocks empty.
void MaakOverzicht(State& state);

// The value formatted with the display format and right-aligned in width characters; a
// value longer than the width is returned whole.
QString FormatKolom(double value, QStringView format, int width);

// The surcharge notes under the transmission table, on screen and on paper: the one line of a
// total-level surcharge, or else one line for the first surcharged line source and one for the
// first surcharged mobile source (listed or not). Without the line ends.
QStringList surchargeNotes(const State& state);

// "Letmaal = ... dB(A) (Lden = ... dB, Lnight = ... dB)" from the assessment values as they
// stand, without the line end.
QString assessmentLine(const State& state);

// The report text: the ten blocks joined.
QString reportText(const State& state);

} // namespace orv
