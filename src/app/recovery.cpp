#include "app/recovery.h"

#include "app/projectfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace orv {
namespace {

const QString kCopySuffix = QStringLiteral(".orv");
// Beside each copy, the project file it belongs to, as UTF-8 text.
const QString kOriginalSuffix = QStringLiteral(".pad");

QString originalFile(const QString& copyPath) {
    return copyPath.chopped(kCopySuffix.size()) + kOriginalSuffix;
}

bool saveBytes(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

RecoveryStore::RecoveryStore(const QString& folder) : folder_(folder) {
    // One name per run: a copy kept for later by the start-up is never written over.
    copyPath_ = QDir(folder_).filePath(
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")) +
        QLatin1Char('-') + QString::number(QCoreApplication::applicationPid()) + kCopySuffix);
}

QString RecoveryStore::defaultFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("herstel"));
}

QList<RecoveredProject> RecoveryStore::leftBehind() const {
    QList<RecoveredProject> found;
    const QDir dir(folder_);
    const QStringList names =
        dir.entryList({QLatin1Char('*') + kCopySuffix}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        const QString path = dir.filePath(name);
        if (path == copyPath_) continue;
        QFile original(originalFile(path));
        RecoveredProject copy{path, {}, QFileInfo(path).lastModified()};
        if (original.open(QIODevice::ReadOnly))
            copy.originalPath = QString::fromUtf8(original.readAll());
        found.append(copy);
    }
    return found;
}

void RecoveryStore::startProject(const State& state, const QString& originalPath) {
    endProject();
    originalPath_ = originalPath;
    last_ = encodeProject(state);
    active_ = true;
}

void RecoveryStore::adopt(const RecoveredProject& copy, const State& state) {
    endProject();
    copyPath_ = copy.copyPath;
    originalPath_ = copy.originalPath;
    last_ = encodeProject(state);
    active_ = true;
    written_ = true;
}

bool RecoveryStore::keep(const State& state) {
    if (!active_) return true;
    const QByteArray bytes = encodeProject(state);
    if (bytes == last_) return true;
    if (!QDir().mkpath(folder_)) return false;
    // The name first: a copy without it would be offered as a project never saved.
    if (!written_ && !saveBytes(originalFile(copyPath_), originalPath_.toUtf8())) return false;
    if (!saveBytes(copyPath_, bytes)) return false;
    last_ = bytes;
    written_ = true;
    return true;
}

void RecoveryStore::endProject() {
    if (written_) remove({copyPath_, originalPath_, {}});
    written_ = false;
    active_ = false;
    last_.clear();
}

FileError RecoveryStore::read(const RecoveredProject& copy, State& state) {
    return readProjectFile(copy.copyPath, state);
}

void RecoveryStore::remove(const RecoveredProject& copy) {
    QFile::remove(copy.copyPath);
    QFile::remove(originalFile(copy.copyPath));
}

} // namespace orv
