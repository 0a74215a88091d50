#pragma once
// Where the program keeps "Ornaveld.set". Started from a folder that holds one (a working
// copy, the bundled example, the tests) that folder is the program folder, as it always was.
// An installed program started from anywhere else keeps its settings in the user's own data
// folder, which receives the default settings installed with the program whenever it holds
// none, so that a fresh install starts without asking where the file is.

#include <QString>

namespace orv {

struct InstallFolders {
    QString perUser;   // the user's data folder of the program; empty: none
    QString installed; // the read-only files installed with the program; empty: none
    QString documents; // where the user keeps projects
};

// This user's folders and the installation's data folder ("share/ornaveld" beside the
// executable's "bin", or in the system's data folders).
InstallFolders installFolders();

// Whether folder holds "Ornaveld.set", in any case of the name, as the search accepts it.
bool holdsSettingsFile(const QString& folder);

// The current folder when it holds "Ornaveld.set"; otherwise the per-user folder, which gets
// a copy of the installed default settings when it holds none. A file already there is never
// replaced, damaged or not: the start-up judges it as any other. Without a per-user folder
// the current folder stays, and the start-up's search follows.
QString chooseProgramFolder(const QString& current, const InstallFolders& folders);

// The first folder of the project, "*.prn" and import dialogs: the documents folder when the
// program folder is the hidden per-user folder, otherwise the program folder.
QString dialogFolder(const QString& programFolder, const InstallFolders& folders);

// "levering.txt" of the program folder, else the one installed with the program.
QString deliveryTextPath(const QString& programFolder, const InstallFolders& folders);

} // namespace orv
