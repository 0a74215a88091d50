#include "app/programfolder.h"

#include "app/settingsfile.h"
#include "base/helpers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace orv {
namespace {

const QString kDeliveryFileName = QStringLiteral("levering.txt");

bool sameFolder(const QString& a, const QString& b) {
    return !a.isEmpty() && !b.isEmpty() && QDir(a) == QDir(b);
}

} // namespace

InstallFolders installFolders() {
    InstallFolders folders;
    folders.perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString beside =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/ornaveld"));
    folders.installed =
        QFileInfo::exists(beside)
            ? QDir::cleanPath(beside)
            : QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                     QStringLiteral("ornaveld"), QStandardPaths::LocateDirectory);
    folders.documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    // A fresh account may have no documents folder yet; a dialog then opens in the home folder.
    if (!QFileInfo(folders.documents).isDir()) folders.documents = QDir::homePath();
    return folders;
}

bool holdsSettingsFile(const QString& folder) {
    if (folder.isEmpty()) return false;
    return !QDir(folder)
                .entryList(QStringList{kSettingsFileName}, QDir::Files | QDir::Hidden)
                .isEmpty();
}

QString chooseProgramFolder(const QString& current, const InstallFolders& folders) {
    if (holdsSettingsFile(current) || folders.perUser.isEmpty()) return current;
    if (!holdsSettingsFile(folders.perUser)) {
        // Copied, never written from memory: the installed file is the one the program
        // was tested with. When the copy fails the start-up's search still follows.
        const QString source = joinPath(folders.installed, kSettingsFileName);
        const QString target = joinPath(folders.perUser, kSettingsFileName);
        if (!folders.installed.isEmpty() && QFile::exists(source) &&
            QDir().mkpath(folders.perUser) && QFile::copy(source, target)) {
            // The installed file is read-only for the user; its copy must be rewritten at exit.
            QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner |
                                              QFile::ReadOwner);
        }
    }
    return folders.perUser;
}

QString dialogFolder(const QString& programFolder, const InstallFolders& folders) {
    if (sameFolder(programFolder, folders.perUser) && !folders.documents.isEmpty())
        return folders.documents;
    return programFolder;
}

QString deliveryTextPath(const QString& programFolder, const InstallFolders& folders) {
    const QString own = joinPath(programFolder, kDeliveryFileName);
    if (QFileInfo::exists(own) || folders.installed.isEmpty()) return own;
    return joinPath(folders.installed, kDeliveryFileName);
}

} // namespace orv
