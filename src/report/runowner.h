#pragma once
// Whose results a window or a document holds: the project they were calculated for, and
// whether they are those of a transmission run, the only run a calculation sheet is made of.

#include "model/state.h"

#include <QDateTime>
#include <QString>

namespace orv {

// Project number and name, trimmed, joined by a space; what is blank is left out.
QString projectTitle(const ProjectRecord& project);

// The results standing in state are those of a confirmed transmission run: a Cb or an
// emission run overwrites part of them and leaves the assessment values of neither.
bool sheetOffered(const State& state);

// Why the sheet's button is disabled.
QString sheetUnavailableText();

// "Project 12 Werf, overdrachtsberekening van 06-12-2026 10:15" above the sheet.
QString sheetOwnerText(const State& state, const QDateTime& ranAt);

} // namespace orv
