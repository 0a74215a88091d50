#pragma once
// The start-up file "Ornaveld.set": 112 bytes of settings and 41 bytes per library entry.

#include "app/fileerror.h"
#include "model/state.h"

#include <QByteArray>
#include <QString>

namespace orv {

constexpr int kSettingsHeaderSize = 112;
constexpr int kLibraryEntrySize = 41;
inline const QString kSettingsFileName = QStringLiteral("Ornaveld.set");

QByteArray encodeSettings(const SettingsData& settings);
// Checks libraryCount (0..500) and the length before anything reaches settings; on
// failure settings is left untouched.
FileError decodeSettings(const QByteArray& bytes, SettingsData& settings);

FileError readSettingsFile(const QString& path, SettingsData& settings);
FileError writeSettingsFile(const QString& path, const SettingsData& settings);

} // namespace orv
