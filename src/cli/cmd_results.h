#pragma once
// The JSON of "ornaveld-cli results".

#include "model/state.h"

#include <QJsonObject>
#include <QStringList>

namespace orv::cli {

// The results of the last command run on state, with the minimum-point-source warnings
// it showed. Every number at full double precision.
QJsonObject resultsJson(const State& state, const QStringList& warnings);

} // namespace orv::cli
