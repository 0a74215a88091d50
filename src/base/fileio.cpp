#include "base/fileio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace orv {
namespace {

FileError fromDevice(const QIODevice& device) {
    if (const auto* file = qobject_cast<const QFileDevice*>(&device)) {
        switch (file->error()) {
        case QFileDevice::ResourceError:
            return makeFileError(kErrDiskFull); // ENOSPC
        case QFileDevice::PermissionsError:
            return makeFileError(kErrPermission);
        default:
            break;
        }
    }
    return makeFileError(kErrPathFileAccess);
}

bool folderExists(const QFileInfo& info) {
    return QFileInfo(info.absolutePath()).isDir();
}

} // namespace

FileError readFileStart(const QString& path, qint64 maxBytes, QByteArray& bytes) {
    if (path.isEmpty()) return makeFileError(kErrFileNotFound);
    const QFileInfo info(path);
    if (!folderExists(info)) return makeFileError(kErrPathNotFound);
    if (!info.exists()) return makeFileError(kErrFileNotFound);
    if (info.isDir()) return makeFileError(kErrPathFileAccess);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (file.error() == QFileDevice::PermissionsError || !info.isReadable())
            return makeFileError(kErrPermission);
        return makeFileError(kErrPathFileAccess);
    }
    QByteArray data = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError) return fromDevice(file);
    bytes = std::move(data);
    return {};
}

FileError writeBytes(QIODevice& device, const QByteArray& bytes) {
    if (!device.isWritable()) return makeFileError(kErrPathFileAccess);
    if (device.write(bytes) != bytes.size()) return fromDevice(device);
    // A buffered file reports a full disk only when its buffer goes out.
    if (auto* file = qobject_cast<QFileDevice*>(&device); file && !file->flush())
        return fromDevice(device);
    return {};
}

namespace {

// A pipe, a device or a terminal is written straight to: replacing it by a renamed file
// would leave its reader with nothing (and, run as root, turn a device into a plain file).
FileError writeInPlace(QFile& file, const std::function<FileError(QIODevice&)>& write) {
    if (!file.isOpen() && !file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return file.error() == QFileDevice::PermissionsError ? makeFileError(kErrPermission)
                                                             : fromDevice(file);
    }
    FileError e = write(file);
    if (e.ok() && !file.flush()) e = fromDevice(file);
    file.close();
    return e;
}

} // namespace

FileError writeStandardOutput(const std::function<FileError(QIODevice&)>& write) {
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return makeFileError(kErrPathFileAccess);
    return writeInPlace(out, write);
}

FileError saveFile(const QString& path, const std::function<FileError(QIODevice&)>& write) {
    if (path.isEmpty()) return makeFileError(kErrPathFileAccess);
    const QFileInfo info(path);
    if (!folderExists(info)) return makeFileError(kErrPathNotFound);
    if (info.isDir()) return makeFileError(kErrPathFileAccess);
    if (info.exists() && !info.isFile()) {
        QFile target(path);
        return writeInPlace(target, write);
    }
    // QSaveFile replaces the file by renaming, which would quietly override a read-only file.
    if (info.exists() && !info.isWritable()) return makeFileError(kErrPermission);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (!QFileInfo(info.absolutePath()).isWritable()) return makeFileError(kErrPermission);
        return fromDevice(file);
    }
    if (const FileError e = write(file); !e.ok()) {
        file.cancelWriting();
        return e;
    }
    if (!file.commit()) return fromDevice(file);
    return {};
}

} // namespace orv
