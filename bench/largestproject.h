#pragma once
// The largest project the input form allows: 500 line sources of 1000 point sources each and
// 500 mobile sources, every value within the form's limits, every line a valid triangle,
// all periods busy. The benchmarks of the commands and of the calculation sheet share it.

#include "model/state.h"

#include <memory>

namespace orv::bench {

// A fresh copy of the project (sections "1111", geometry checked); drawn once per process.
std::unique_ptr<State> largestProject();

} // namespace orv::bench
