#include "app/recentprojects.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace orv {
namespace {

const QString kKey = QStringLiteral("RecenteProjecten");

// Two spellings of one file (a relative path, a "..") are one entry.
QString normalised(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

RecentProjects::RecentProjects(QSettings* store) : store_(store) {
    if (!store_) return;
    for (const QString& path : store_->value(kKey).toStringList()) {
        if (!path.isEmpty() && !paths_.contains(path) && paths_.size() < kMaxCount)
            paths_.append(path);
    }
}

void RecentProjects::add(const QString& path) {
    const QString entry = normalised(path);
    paths_.removeAll(entry);
    paths_.prepend(entry);
    while (paths_.size() > kMaxCount)
        paths_.removeLast();
    store();
}

void RecentProjects::remove(const QString& path) {
    if (paths_.removeAll(path) == 0 && paths_.removeAll(normalised(path)) == 0) return;
    store();
}

QString RecentProjects::menuText(int index, const QString& path) {
    // A "&" in the name would be read as the mnemonic marker.
    QString name = QFileInfo(path).fileName();
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QLatin1Char('&') + QString::number(index + 1) + QLatin1Char(' ') + name;
}

void RecentProjects::store() {
    if (!store_) return;
    store_->setValue(kKey, paths_);
    store_->sync();
}

} // namespace orv
