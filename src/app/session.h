#pragma once
// What one run of the program knows beside the project: where its files are, the name
// handed over on the command line, today's date, and which project file is open. The main
// state owns it and alone changes it; windows read it, and never the status bar, to learn
// whether a project is open.

#include <QString>
#include <QStringView>

namespace orv {

enum class ProjectStatus {
    None,   // *no file*: panel 1 reads "Geen bestand"
    New,    // made with "Nieuw": the commands of an open project, panel 1 still "Geen bestand"
    Opened, // read from projectPath (or tried: a failed read leaves an empty project open)
};

struct Session {
    // The folder of "Ornaveld.set".
    QString programFolder;
    // First folder of the project, "*.prn" and import dialogs: the program folder, or the
    // user's documents when the program folder is the hidden per-user data folder.
    QString dialogFolder;
    // A project named on the command line, opened by the next open command without a dialog.
    QString pendingOpenName;
    // Today as "dd-mm-yyyy": the date of a new project and of an empty date box.
    QString todayText;
    // The file last opened; kept after a save, which closes the project all the same.
    QString projectPath;
    ProjectStatus project = ProjectStatus::None;

    bool projectOpen() const { return project != ProjectStatus::None; }
    // The file name shown in panel 1 and in the input form's caption; empty when no file is
    // open (also after "Nieuw").
    QString projectFileName() const;
};

// Whether a path names a project file: its last three characters are "orv" in any case.
// The command line and the open dialog both ask it.
bool isProjectFileName(QStringView path);

// The project file named by the command line (the arguments as one text, perhaps between
// double quotes); empty when it names none.
QString commandLineProject(const QString& commandLine);

} // namespace orv
