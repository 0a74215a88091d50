#pragma once
// The calculation sheet as text for other programs: tab-separated for the clipboard (pastes
// into a spreadsheet as numbers, since the cells carry the locale's decimal separator) and
// CSV for a file.

#include "base/fileerror.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace orv {

// A text cell that a spreadsheet program would run as a formula (it starts with "=", "+",
// "-", "@", a tab or a carriage return) gets a leading apostrophe, which makes it plain text
// there; a number, and the no-value mark "---", stay as they are. Every CSV and tab-separated
// export passes its cells here.
QString spreadsheetSafeCell(const QString& cell);

// One line per table line, cells separated by tabs; a tab or line break inside a cell
// becomes a space.
QString sheetTsv(const QList<QStringList>& table);

// The CSV separator that goes with a decimal separator: ";" where the decimal separator is
// ",", else ",".
QChar csvSeparator(QChar decimalSeparator);

// UTF-8 with a byte order mark (so that spreadsheet programs read "ë" right), CR LF line
// ends, a field quoted when it holds the separator, a quote or a line break, quotes doubled.
QByteArray sheetCsv(const QList<QStringList>& table, QChar separator);

// Writes the CSV bytes whole, or leaves an existing file as it was.
FileError writeSheetCsv(const QString& path, const QByteArray& csv);

// The message of a failed save, in the program's form for an unexpected error.
QString sheetSaveErrorText(const FileError& error);

} // namespace orv
