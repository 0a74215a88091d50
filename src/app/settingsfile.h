#pragma once
// The start-up file "Ornaveld.set": 112 bytes of settings and 41 bytes per library entry.

#include "base/fileerror.h"
#include "model/state.h"

#include <QByteArray>
#include <QString>

namespace orv {

constexpr int kSettingsHeaderSize = 112;
constexpr int kLibraryEntrySize = 41;
inline const QString kSettingsFileName = QStringLiteral("Ornaveld.set");

// Length of a settings file with this many library entries: 112 + 41 N.
qsizetype settingsFileSize(int libraryCount);

QByteArray encodeSettings(const SettingsData& settings);
// Checks libraryCount (0..500) and the length before anything reaches settings; on
// failure settings is left untouched.
FileError decodeSettings(const QByteArray& bytes, SettingsData& settings);

// A library read as empty gets the one entry "<selecteer geluidsbron>" with both levels 0,
// so that a source can always name an entry. Returns whether it did so.
bool fillEmptyLibrary(SettingsData& settings);

FileError readSettingsFile(const QString& path, SettingsData& settings);
FileError writeSettingsFile(const QString& path, const SettingsData& settings);

} // namespace orv
