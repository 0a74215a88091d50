#include "base/fileio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

FileError openInputFile(const QString& path, QFile& file) {
    if (path.isEmpty()) return makeFileError(kErrFileNotFound);
#ifdef Q_OS_UNIX
    // O_NONBLOCK: a named pipe opens at once instead of waiting for a writer, and is then
    // refused below because it is no regular file.
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        switch (errno) {
        case ENAMETOOLONG:
            return makeFileError(kErrNameTooLong);
        case ELOOP:
            return makeFileError(kErrLinkLoop);
        case EACCES:
        case EPERM:
            return makeFileError(kErrPermission);
        case ENOENT:
            return makeFileError(folderExists(QFileInfo(path)) ? kErrFileNotFound
                                                               : kErrPathNotFound);
        case ENOTDIR:
            return makeFileError(kErrPathNotFound);
        default:
            return makeFileError(kErrPathFileAccess);
        }
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return makeFileError(kErrPathFileAccess);
    }
    // Back to blocking reads for the regular file; QFile takes the descriptor over.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return makeFileError(kErrPathFileAccess);
    }
    return {};
#else
    const QFileInfo info(path);
    if (!folderExists(info)) return makeFileError(kErrPathNotFound);
    if (!info.exists()) return makeFileError(kErrFileNotFound);
    if (!info.isFile()) return makeFileError(kErrPathFileAccess);
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (file.error() == QFileDevice::PermissionsError || !info.isReadable())
            return makeFileError(kErrPermission);
        return makeFileError(kErrPathFileAccess);
    }
    return {};
#endif
}

bool sameExistingFile(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return false;
#ifdef Q_OS_UNIX
    struct stat sa {};
    struct stat sb {};
    if (::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
        ::stat(QFile::encodeName(b).constData(), &sb) == 0)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
#endif
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

FileError readFileStart(const QString& path, qint64 maxBytes, QByteArray& bytes) {
    QFile file;
    if (const FileError e = openInputFile(path, file); !e.ok()) return e;
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

FileError keepPreviousVersion(const QString& path, const QString& suffix) {
    const QFileInfo info(path);
    if (!info.isFile()) return {};
    const QString backup = path + suffix;
    const QFileInfo old(backup);
    if (old.exists() || old.isSymLink()) {
        // Only a file of our own making is replaced; a folder or a pipe by that name is not.
        if (!old.isFile() || old.isSymLink()) return makeFileError(kErrPathFileAccess);
        if (!QFile::remove(backup)) return makeFileError(kErrPermission);
    }
    if (!QFile::copy(path, backup)) {
        return !info.isReadable() || !QFileInfo(info.absolutePath()).isWritable()
                   ? makeFileError(kErrPermission)
                   : makeFileError(kErrPathFileAccess);
    }
    return {};
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
