#pragma once
// The "*.prn" file: the overview as plain text, one byte per character in Windows-1252,
// written in one go and closed by one more line end.

#include "base/fileerror.h"

#include <QString>

namespace orv {

// The bytes of the file: the overview in Windows-1252 (a character it lacks becomes "?") and
// one more line end.
QByteArray prnBytes(const QString& overviewText);

// Writes them to path through a save file, so that a failed write leaves an existing file as
// it was.
FileError writePrnFile(const QString& path, const QString& overviewText);

} // namespace orv
