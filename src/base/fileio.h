#pragma once
// Whole-file reading and safe writing for the two binary files, with failures numbered as
// the classic runtime numbers them (see fileerror.h).

#include "base/fileerror.h"

#include <functional>
#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace orv {

// Reads at most maxBytes from the start of the file: both formats ignore whatever follows
// their last record, so a huge or endless file costs no more than the largest valid one.
FileError readFileStart(const QString& path, qint64 maxBytes, QByteArray& bytes);

// Writes bytes whole to an open device; a short or failed write is an error.
FileError writeBytes(QIODevice& device, const QByteArray& bytes);

// Opens path through QSaveFile, lets write fill it and commits only when write succeeded, so
// that a failed write leaves the old file whole. The new file has exactly the new length.
// A path that exists and is no regular file (a pipe, a device, a terminal) is written
// straight to instead; a symbolic link is followed.
FileError saveFile(const QString& path, const std::function<FileError(QIODevice&)>& write);

// Lets write fill the process's standard output (for "-o -" on the command line).
FileError writeStandardOutput(const std::function<FileError(QIODevice&)>& write);

} // namespace orv
