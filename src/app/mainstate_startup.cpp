// Start-up and shutdown of the main window: the settings file is read once at start and
// written once at the end, and only when the start-up completed.

#include "app/mainstate.h"
#include "app/settingsfile.h"
#include "base/helpers.h"
#include "base/version.h"
#include "report/printsettings.h"

#include <QDir>

namespace orv {

MainState::MainState(State& state, MainView& view, Platform& platform, SectionDialog& sectionDialog)
    : state_(state), view_(view), platform_(platform), sectionDialog_(sectionDialog) {
    // Every committed change, undo and redo brings the crash copy up to date at once.
    history_.addProjectChangedListener([this] { projectChanged(); });
}

QString MainState::caption() const {
    return QStringLiteral("%1 %2.%3")
        .arg(QLatin1String(kProgramTitle))
        .arg(kVersionMajor)
        .arg(kVersionMinor);
}

QString MainState::settingsPath() const {
    const QString exact = joinPath(session_.programFolder, kSettingsFileName);
    if (QFileInfo::exists(exact)) return exact;
    // The search accepts ORNAVELD.SET in any case; on a file system that tells cases apart
    // the file must then be read and written back under the name it really has.
    const QString folder =
        session_.programFolder.isEmpty() ? QStringLiteral("/") : session_.programFolder;
    const QStringList found = QDir(folder).entryList(QStringList{kSettingsFileName},
                                                     QDir::Files | QDir::Hidden, QDir::Name);
    return found.isEmpty() ? exact : joinPath(session_.programFolder, found.front());
}

QString MainState::deliveryTextPath() const {
    return orv::deliveryTextPath(session_.programFolder, install_);
}

void MainState::MDIForm_Load(const QString& commandLine) {
    // Until the settings are read, only the commands that need no project stay usable.
    view_.setStatusText(1, QString());
    for (int i = 0; i < kMenuItemCount; ++i)
        setMenu(static_cast<MenuItem>(i), static_cast<MenuItem>(i) == MenuItem::Info);
    ButtonChange();

    view_.setCaption(caption());
    const QDate today = today_.isValid() ? today_ : QDate::currentDate();
    session_.todayText = today.toString(QStringLiteral("dd-MM-yyyy"));
    view_.setStatusText(2, caption());
    session_.programFolder = chooseProgramFolder(platform_.currentDirectory(), install_);

    if (!readStartupFile()) return;
    // After the search, too: a located file in a visible folder keeps the dialogs there.
    session_.dialogFolder = dialogFolder(session_.programFolder, install_);
    fillEmptyLibrary(state_.settings);
    state_.periodHours[0] = 12;
    state_.periodHours[1] = 4;
    state_.periodHours[2] = 8;
    Settings();
    startupCompleted_ = true;
    showRecentProjects();
    // A recovered project takes the place of one named on the command line.
    if (offerRecovery()) return;
    openCommandLine(commandLine);
}

bool MainState::readStartupFile() {
    for (;;) {
        const FileError error = readSettingsFile(settingsPath(), state_.settings);
        if (error.ok()) {
            if (const QString size = limitPrintFontSize(state_.settings); !size.isEmpty())
                platform_.messageBox(size, MsgIcon::Exclamation, MsgButtons::Ok,
                                     QStringLiteral("Waarschuwing"));
            return true;
        }
        if (error.number != kErrFileNotFound && error.number != kErrPathNotFound) {
            showUnexpectedError(QStringLiteral("MDIForm_Load"), error.number, error.description);
            return false;
        }
        platform_.setBusy(false);
        platform_.messageBox(QStringLiteral("Opstartbestand Ornaveld.set niet gevonden"),
                             MsgIcon::Critical, MsgButtons::Ok, QStringLiteral("Foutmelding"));
        if (!ZoekFile(kSettingsFilter)) return false;
    }
}

bool MainState::ZoekFile(const QString& filter) {
    const FileDialogAnswer answer = platform_.openFileDialog(
        fileDialogRequest(FileDialogUse::Locate, session_.programFolder, filter));
    if (!answer.cancelled) {
        if (answer.path.isEmpty()) return true; // nothing chosen: the start-up looks again
        if (GetFileName(answer.path).toLower() == kSettingsFileName.toLower()) {
            session_.programFolder = GetFolder(answer.path);
            return true;
        }
    }
    platform_.messageBox(answer.path + QStringLiteral(" geen of onbruikbaar opstartbestand"),
                         MsgIcon::Critical, MsgButtons::Ok, QStringLiteral("Opstartfout"));
    MDIForm_Unload(); // the start-up has not completed: ends without writing
    return false;
}

void MainState::openCommandLine(const QString& commandLine) {
    const QString name = commandLineProject(commandLine);
    if (name.isEmpty()) return;
    session_.pendingOpenName = name;
    mnuOpenen_Click();
}

void MainState::MDIForm_Unload() {
    if (ended_) return;
    if (!startupCompleted_) {
        endProcess();
        return;
    }
    platform_.setCurrentDirectory(session_.programFolder);
    view_.acceptPendingEdits();
    // Whatever the answer below, the copy holds the project as the user left it; a save
    // removes it.
    projectChanged();
    // Also after "Nieuw": panel 1 still reads "Geen bestand", but the project typed since
    // is the one most at risk.
    if (session_.projectOpen()) {
        const int answer = platform_.messageBox(QStringLiteral("Berekeningsbestand eerst opslaan?"),
                                                MsgIcon::Question, MsgButtons::YesNo,
                                                QStringLiteral("Programma afsluiten"));
        if (answer == kAnswerYes) mnuOpslaan_Click();
    }
    const FileError error = writeSettingsFile(settingsPath(), state_.settings);
    if (!error.ok())
        showUnexpectedError(QStringLiteral("MDIForm_Unload"), error.number, error.description);
    endProcess();
}

void MainState::endProcess() {
    ended_ = true;
    view_.endProcess();
}

void MainState::showUnexpectedError(const QString& procedure, int number,
                                    const QString& description) {
    const QString text = QStringLiteral("Onverwachte fout in procedure ") + procedure +
                         QStringLiteral(" van Form frmStart.") + kCrlf + QStringLiteral("Fout ") +
                         QString::number(number) + QStringLiteral(" - ") + description +
                         QLatin1Char('.');
    platform_.messageBox(text, MsgIcon::Critical, MsgButtons::Ok, QLatin1String(kProgramTitle));
}

} // namespace orv
