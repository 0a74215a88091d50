#pragma once
// The bundled example: a small distribution site with three driving routes and five mobile
// or fixed sources at one dwelling, and the start-up file with a library of typical sources.
// The generator writes them to examples/, and a test checks that the committed files are
// exactly what these functions produce.

#include "model/state.h"

namespace orv::examples {

// User name, print settings and a library of named sources (entries 1..libraryCount).
void buildSettings(SettingsData& settings);

// The example project in state's sources, counts and project record; levels are copied from
// the library that buildSettings makes, as the input form does at commit.
void buildProject(State& state);

} // namespace orv::examples
