#pragma once
// The transmission written straight from its formulas, a power of ten and a logarithm per
// point source. It is the yardstick for the fast transmission: the tests hold the two
// together to 1e-9 dB and the benchmarks measure the gain.

#include "model/state.h"

#include <QString>

namespace orv::reference {

// Same contract as Overdracht: writes transmission and cm of every source (and
// equivalentDistance of mobile sources); returns the refusal message for a point source on
// the receiving point, empty otherwise.
QString Overdracht(State& state);

// The steps of the transmission command with the transmission above: Cbedrijfsduur,
// reference Overdracht, OverdrachtMax (warnings discarded), Immissie.
QString transmissionSteps(State& state);

} // namespace orv::reference
