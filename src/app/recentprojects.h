#pragma once
// The projects last opened or saved, newest first, as the "Bestand" menu lists them. Kept in
// the user's own configuration, apart from "Ornaveld.set", whose layout has no room for them.

#include <QString>
#include <QStringList>

class QSettings;

namespace orv {

class RecentProjects {
public:
    static constexpr int kMaxCount = 6;

    // store: where the list lives between runs; without one it lives for this run only.
    explicit RecentProjects(QSettings* store = nullptr);

    const QStringList& paths() const { return paths_; }
    // The project goes to the top; one that stood lower moves up, the seventh falls off.
    void add(const QString& path);
    void remove(const QString& path);

    // The menu text of entry index (0 first): "&1 naam.orv".
    static QString menuText(int index, const QString& path);

private:
    void store();

    QSettings* store_;
    QStringList paths_;
};

} // namespace orv
