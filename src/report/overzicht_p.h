#pragma once
// Inside the text overview: the pieces every report kind writes with.

#include "model/state.h"

#include <QString>
#include <QStringView>

namespace orv::overzicht {

inline constexpr QStringView kCrLf = u"\r\n";

// Appends every part in order: texts, views and single characters.
template <typename... Parts> void put(QString& block, const Parts&... parts) {
    (block.append(parts), ...);
}

inline QString spaces(int n) {
    return QString(n > 0 ? n : 0, QLatin1Char(' '));
}
// The em dash n times and a line end.
QString rule(int n);
// A Text(N) field printed as stored: exactly width characters, whatever the QString holds.
QString field(const QString& text, int width);
// Right-aligned value, or "---" right-aligned in the same width for a missing one.
QString colOrMissing(bool missing, double value, QStringView format, int width);

void writeTitle(State& state);
// The project block with "Datum : " ending its first line at dateColumn characters after
// the label ("Projectnummer  : ").
void writeProject(State& state, int dateColumn, int emptyLinesAfter);

void writeBedrijfsduur(State& state);
void writeOverdracht(State& state);
void writeEmissie(State& state);

} // namespace orv::overzicht
