#pragma once
// The main window's working state and commands, apart from any window: start-up and
// shutdown, the *no file* and *file open* states of the eight switched menu items, and the
// file, user-name and tool commands. It drives a MainView and asks the user through Platform.
// Whether a project is open is kept in its Session; status panel 1 only shows it.

#include "app/mainview.h"
#include "app/programfolder.h"
#include "app/session.h"
#include "base/platform.h"
#include "base/reportkind.h"
#include "base/sectiondialog.h"
#include "input/undo.h"
#include "model/state.h"

#include <array>
#include <QDate>
#include <QString>

namespace orv {

class RecentProjects;
class RecoveryStore;
struct RecoveredProject;

inline const QString kNoFileText = QStringLiteral("Geen bestand");
inline const QString kProjectFilter = QStringLiteral("Bestand Ornaveld (*.orv)|*.orv");
inline const QString kTotalSurchargeNotSaved =
    QStringLiteral("De toeslag op het totaal (<alle bronnen>) wordt niet in het projectbestand "
                   "opgeslagen.");
inline const QString kSettingsFilter =
    QStringLiteral("Bestand Ornaveld.set (Ornaveld.set)|Ornaveld.set");

// Toolbar indexes of the buttons that follow a menu item, and the two that are always on.
constexpr int kButtonNieuw = 2;
constexpr int kButtonOpen = 3;
constexpr int kButtonBewerken = 5;
constexpr int kButtonSluiten = 6;
constexpr int kButtonOpslaan = 7;
constexpr int kButtonUser = 9;
constexpr int kButtonLettertype = 10;
constexpr int kButtonInfo = 12;
constexpr int kButtonCalc = 13;
constexpr int kToolbarSize = 14;

class MainState {
public:
    MainState(State& state, MainView& view, Platform& platform, SectionDialog& sectionDialog);

    // The date that becomes todayText at start-up; today unless a test sets another.
    void setToday(const QDate& date) { today_ = date; }
    // An installed program's folders; without them the program folder is the current folder.
    void setInstallFolders(const InstallFolders& folders) { install_ = folders; }
    // "levering.txt" for the about window.
    QString deliveryTextPath() const;
    // The window caption: program title, major and minor version ("Ornaveld 1.0").
    QString caption() const;
    // The settings file of the program folder; on a case-sensitive file system also a file
    // whose name differs only in case, as the search accepts it.
    QString settingsPath() const;
    bool menuEnabled(MenuItem item) const { return menu_[static_cast<std::size_t>(item)]; }
    bool startupCompleted() const { return startupCompleted_; }
    const Session& session() const { return session_; }
    // Whether the open project has had a transmission run (its results stand in the
    // tables); the view hears of every change through MainView::showTransmissionRun.
    bool hasTransmissionRun() const { return transmissionRun_; }
    bool processEnded() const { return ended_; }
    // Undo and redo of the open project: cleared whenever the project goes or another comes.
    // Its listeners hear of every committed change, undo and redo.
    ProjectHistory& history() { return history_; }

    // Start-up with the process's command line (the arguments as one text).
    void MDIForm_Load(const QString& commandLine);
    // Shutdown: the exit question, the settings file, the end of the process.
    void MDIForm_Unload();

    void DisType();
    void Settings();
    void ButtonChange();
    // Lets the user locate the settings file; false when the start-up must end.
    bool ZoekFile(const QString& filter);

    void mnuNieuw_Click();
    void mnuOpenen_Click();
    void mnuBewerken_Click();
    void mnuSluiten_Click();
    void mnuOpslaan_Click();
    void mnuExit_Click();
    void mnuGebruikersNaam_Click();
    void mnuLettertype_Click();
    void mnuInfo_Click();
    void Calculator();
    // The three items of the "Berekening" menu: mnuCb, mnuLi, mnuLwT.
    void mnuBerekening_Click(ReportKind kind);
    // Dispatch on the button's key: "Nieuw", "Open", "Bewerken", "Sluiten", "Opslaan",
    // "User", "Lettertype", "Info", "Calc"; any other key does nothing.
    void Toolbar1_ButtonClick(const QString& key);
    // The print preview opening (true) or closing: while it is open the user-name and
    // print-settings buttons are hidden and their menu items disabled; closing gives back
    // what they were.
    void setPreviewOpen(bool open);

    // The crash copy of the open project; without a store (the command line, most tests)
    // nothing is copied and nothing is offered at start.
    void setRecovery(RecoveryStore* store) { recovery_ = store; }
    // The last projects opened or saved; without a list none is kept.
    void setRecentProjects(RecentProjects* recent) { recent_ = recent; }
    // A change reached the open project (a commit, an undo, a redo) or the copy's clock
    // ticked: the crash copy is brought up to date, silently.
    void projectChanged();
    // An entry of the recent projects: opened as "Openen" would, or, when the file is gone,
    // dropped from the list with a message.
    void openRecent(const QString& path);
    // A project file dropped on the main window: with a project open, the close question
    // first; a "Nee" leaves everything as it was.
    void openDropped(const QString& path);
    // A project handed over by a second start of the program: opened when no project is open
    // (true), else refused (false) and the open project left alone.
    bool acceptHandover(const QString& path);
    // Whether a project handed over now would be opened.
    bool takesHandover(const QString& path) const;

private:
    enum class Column { NoFile, AfterNew, AfterOpen };
    void applyColumn(Column column);
    void setMenu(MenuItem item, bool enabled);
    bool readStartupFile();
    void openCommandLine(const QString& commandLine);
    // Opens path without a dialog, as the command line does.
    void openPath(const QString& path);
    // Start-up: each crash copy left behind is offered until one is opened; true then.
    bool offerRecovery();
    bool openRecovered(const RecoveredProject& copy);
    void showRecentProjects();
    // Empties the records and results (Reset) and forgets the transmission run.
    void resetProject();
    void setTransmissionRun(bool exists);
    void showUnexpectedError(const QString& procedure, int number, const QString& description);
    // One save attempt: true when the file was written, false after a failure message.
    bool writeProject(const QString& path);
    void endProcess();

    State& state_;
    MainView& view_;
    Platform& platform_;
    SectionDialog& sectionDialog_;
    RecoveryStore* recovery_ = nullptr;
    RecentProjects* recent_ = nullptr;
    Session session_;
    ProjectHistory history_;
    QDate today_;
    InstallFolders install_;
    std::array<bool, kMenuItemCount> menu_{};
    // The file dialog's name: proposed by the next open or save dialog, cleared by a save.
    QString dialogFileName_;
    bool startupCompleted_ = false;
    bool transmissionRun_ = false;
    bool previewOpen_ = false;
    bool userBeforePreview_ = false;
    bool lettertypeBeforePreview_ = false;
    bool ended_ = false;
};

} // namespace orv
