#pragma once
// The "*.prn" file: the overview as plain text, one byte per character in Windows-1252,
// written in one go and closed by one more line end.

#include "app/fileerror.h"

#include <QString>

namespace orv {

// Writes the overview text to path through a save file, so that a failed write leaves an
// existing file as it was. Characters that Windows-1252 lacks become "?".
FileError writePrnFile(const QString& path, const QString& overviewText);

} // namespace orv
