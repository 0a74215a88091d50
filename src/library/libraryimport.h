#pragma once
// Importing library entries from a text file, one entry a line:
// "{omschrijving} ; {Lweq} ; {Lwmax}". Levels take "," or "." as decimal separator and are
// taken as they stand (no range check, no coupling); the name gets a capital first letter.

#include "base/platform.h"
#include "model/state.h"

#include <optional>
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace orv {

inline const QString kImportFilter = QStringLiteral("Tekstbestand (*.txt; *.csv)|*.txt; *.csv");

// Lines end at CR LF, CR or LF; a last line without its end counts as well.
QStringList splitLines(QStringView text);
// The bytes as UTF-8 when they are valid UTF-8 (a byte order mark dropped), else as
// Windows-1252, the code page of older files.
QString decodeText(const QByteArray& bytes);
// The characters of name that Windows-1252 has, whole code points only; lost tells whether
// any were dropped.
QString win1252Name(QStringView name, bool& lost);
// Exactly three fields with numeric levels; otherwise nothing. lost: whether the name lost
// characters that the file format cannot hold.
std::optional<LibraryEntry> parseImportLine(QStringView line, bool* lost = nullptr);
// Whether the name chosen in the dialog is a text file the import reads: its last three
// characters are "txt" or "csv" in any case.
bool isImportName(QStringView path);

struct ImportOutcome {
    int taken = 0;          // entries added
    int refused = 0;        // lines reported with the format message
    bool full = false;      // stopped because the library was full
    bool tooLarge = false;  // refused whole before anything was imported
    int lostCharacters = 0; // lines whose name lost characters
};

// Adds every good line, keeping the named entries sorted; a bad line is reported with its
// number and path and skipped; beyond ten such messages one summary counts the rest. The
// lines whose names lost characters are named in one message at the end. Once the library holds 500
// entries the import stops with one message and keeps what it took.
ImportOutcome importLines(SettingsData& settings, const QStringList& lines, const QString& path,
                          Platform& platform);

// Reads and imports path; an unreadable file gives the unexpected-error message, a file over
// 1 MB one warning, and neither imports anything.
ImportOutcome importFile(SettingsData& settings, const QString& path, Platform& platform,
                         QStringView crlf);

} // namespace orv
