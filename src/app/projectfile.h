#pragma once
// The project file "*.orv": two counts with 168-byte source records and one 165-byte
// project record, little-endian, texts as Windows-1252 bytes. No header, no checksum.

#include "base/fileerror.h"
#include "model/state.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace orv {

constexpr int kSourceRecordSize = 168;
constexpr int kProjectRecordSize = 165;
// The previous version of a saved project stays beside it as "naam.orv.bak".
inline const QString kBackupSuffix = QStringLiteral(".bak");

// Length of a project file with these counts: 2 + 168 L + 2 + 168 M + 165.
qsizetype projectFileSize(int lineCount, int mobileCount);

// Bytes of a project file for the sources and project in state.
QByteArray encodeProject(const State& state);
// Checks the bytes whole first (counts 0..500, length), and only then fills sourceCount,
// sources 1..count of both kinds and project. On failure state is left untouched.
FileError decodeProject(const QByteArray& bytes, State& state);

// Reads a file from disk into state (decodeProject); state untouched on failure.
FileError readProjectFile(const QString& path, State& state);
// Writes through QSaveFile: a failed write leaves the old file whole. An existing file is
// first copied to path + ".bak" (one generation); when that copy fails nothing is written.
FileError writeProjectFile(const QString& path, const State& state);
// Writes to an open device (used by tests with a device that fails after N bytes).
FileError writeProject(QIODevice& device, const State& state);

} // namespace orv
