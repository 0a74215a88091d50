#include "app/instancelock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>

namespace orv {

InstanceLock::InstanceLock(const QString& folder)
    : folder_(folder), lock_(QDir(folder).filePath(QStringLiteral("ornaveld.lock"))) {
    // Never stale by age: a program may run for days. A lock whose process is gone (a crash,
    // a kill -9, a power cut) is recognised by its process id and taken over.
    lock_.setStaleLockTime(0);
}

QString InstanceLock::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

bool InstanceLock::acquire() {
    QDir().mkpath(folder_);
    if (lock_.tryLock(0)) return true;
    // Without a folder to lock in, one program more is better than none at all.
    return lock_.error() == QLockFile::LockFailedError ? false : true;
}

QString InstanceLock::serverName() const {
    // A full socket path is limited to about 100 bytes; the folder's hash keeps the name short
    // and still one per user (and per test folder).
    const QByteArray hash =
        QCryptographicHash::hash(QDir(folder_).absolutePath().toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return QStringLiteral("ornaveld-") + QString::fromLatin1(hash);
}

QByteArray handoverRequest(const QString& path) {
    return path.toUtf8() + '\n';
}

std::optional<QString> handoverPath(const QByteArray& received) {
    const qsizetype end = received.indexOf('\n');
    if (end < 0) return std::nullopt;
    return QString::fromUtf8(received.left(end));
}

QByteArray handoverReply(bool opened) {
    return opened ? QByteArrayLiteral("1\n") : QByteArrayLiteral("0\n");
}

bool handoverOpened(const QByteArray& reply) {
    return reply.startsWith('1');
}

QString secondStartMessage(const QString& project, bool opened) {
    if (opened) return {};
    const QString running = QStringLiteral("Ornaveld is al gestart; er kan maar één Ornaveld "
                                           "tegelijk open zijn.");
    if (project.isEmpty()) return running;
    return running + QStringLiteral("\r\n\r\nHet project ") + project +
           QStringLiteral(" is daar niet geopend, omdat er al een project of een venster open "
                          "is. Sluit dat eerst en open dit project daarna.");
}

} // namespace orv
