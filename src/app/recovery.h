#pragma once
// The crash copy of the open project. While a project is open and differs from what was last
// kept, it is written (the project file's own layout, through QSaveFile) into a folder of the
// user's data, never beside or over the project itself. "Opslaan" and "Sluiten" remove it; an
// exit that leaves changes unsaved keeps it, and the next start offers it back. A failed write
// says nothing and is tried again at the next change or tick.

#include "base/fileerror.h"
#include "model/state.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace orv {

// A crash copy found in the folder: the copy itself and the project file it belongs to
// (empty for a project made with "Nieuw" and never saved).
struct RecoveredProject {
    QString copyPath;
    QString originalPath;
    QDateTime keptAt;
};

class RecoveryStore {
public:
    // folder: where the copies live; created when the first copy is written.
    explicit RecoveryStore(const QString& folder);

    // "herstel" in the per-user data folder of the program.
    static QString defaultFolder();

    // Copies left by earlier runs, oldest first; this run's own copy is not among them.
    QList<RecoveredProject> leftBehind() const;

    // A project was opened or started: what it holds now is the mark, nothing is written
    // until it changes. This run's copy (if any) goes, as it belonged to the previous one.
    void startProject(const State& state, const QString& originalPath);
    // The project comes from a copy left behind: that copy becomes this run's copy.
    void adopt(const RecoveredProject& copy, const State& state);
    // Writes the copy when the project differs from the mark or the last copy; true when the
    // copy on disk now holds the project (also when nothing had to be written).
    bool keep(const State& state);
    // The project was saved or closed: its copy goes.
    void endProject();
    // This run's copy, empty while none is written.
    QString copyPath() const { return written_ ? copyPath_ : QString(); }

    static FileError read(const RecoveredProject& copy, State& state);
    static void remove(const RecoveredProject& copy);

private:
    QString folder_;
    QString copyPath_;
    QString originalPath_;
    QByteArray last_;
    bool active_ = false;
    bool written_ = false;
};

} // namespace orv
