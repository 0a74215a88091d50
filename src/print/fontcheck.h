#pragma once
// The print font as the font engine resolves it: a name that is not installed prints in a
// substitute (fontconfig offers Liberation Mono for "Courier New"), which the user is told.

#include <QString>

namespace orv {

bool fontInstalled(const QString& family);
// The family that text in the chosen font is drawn in.
QString printedFontFamily(const QString& chosen);
// "Lettertype "X" is niet geïnstalleerd; afgedrukt wordt in "Y"." Empty when it is.
QString fontSubstituteNote(const QString& chosen);

} // namespace orv
