#pragma once
// Whole-file reading and safe writing for the two binary files, with failures numbered as
// the classic runtime numbers them (see fileerror.h).

#include "base/fileerror.h"

#include <functional>
#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QString>

namespace orv {

// Opens path for reading when it is a regular file. A pipe, a device or a socket is refused
// as unreadable without waiting for a writer (opening a named pipe blocks until one comes);
// a name too long and a circle of symbolic links get their own cause instead of "not found".
FileError openInputFile(const QString& path, QFile& file);

// Whether the two names lead to one and the same existing file: the same device and inode
// (a hard link, a symbolic link or another spelling of the path), else the same canonical path.
bool sameExistingFile(const QString& a, const QString& b);

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

// Copies an existing regular file at path to path + suffix, replacing an older copy there,
// so that the next write over path keeps one generation. Nothing to do when path does not
// exist; an error when the copy cannot be made (the caller then leaves path alone).
FileError keepPreviousVersion(const QString& path, const QString& suffix);

// Lets write fill the process's standard output (for "-o -" on the command line).
FileError writeStandardOutput(const std::function<FileError(QIODevice&)>& write);

} // namespace orv
