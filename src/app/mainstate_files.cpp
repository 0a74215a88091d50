// The open and save commands. Saving always ends the project: the user opens the file
// again to go on.

#include "app/mainstate.h"
#include "app/projectfile.h"
#include "app/recentprojects.h"
#include "app/recovery.h"
#include "base/helpers.h"

#include <QDir>
#include <QFileInfo>

namespace orv {

void MainState::mnuOpenen_Click() {
    resetProject();
    if (!session_.pendingOpenName.isEmpty()) {
        // A name from the command line opens without a dialog and without the extension test.
        session_.projectPath = session_.pendingOpenName;
        session_.pendingOpenName.clear();
    } else {
        const FileDialogAnswer answer = platform_.openFileDialog(fileDialogRequest(
            FileDialogUse::Open, session_.dialogFolder, kProjectFilter, dialogFileName_));
        if (answer.cancelled || answer.path.isEmpty()) {
            platform_.setBusy(false);
            return;
        }
        dialogFileName_ = answer.path;
        session_.projectPath = answer.path;
        if (!isProjectFileName(session_.projectPath)) return;
    }

    platform_.setBusy(true);
    // A relative name (from the command line) is taken from the current directory.
    const QString path = QDir(platform_.currentDirectory()).filePath(session_.projectPath);
    const FileError error = readProjectFile(path, state_);
    // The records were emptied above and a failed read leaves them so: the empty project is
    // shown under the file's name, as after any failed step of the open.
    if (!error.ok())
        showUnexpectedError(QStringLiteral("mnuOpenen_Click"), error.number, error.description);
    else if (recent_)
        recent_->add(path);
    showRecentProjects();
    if (recovery_) recovery_->startProject(state_, QFileInfo(path).absoluteFilePath());
    session_.project = ProjectStatus::Opened;
    view_.setStatusText(1, session_.projectFileName());
    applyColumn(Column::AfterOpen);
    mnuBewerken_Click();
    platform_.setBusy(false);
}

void MainState::mnuOpslaan_Click() {
    view_.acceptPendingEdits();
    for (;;) {
        const FileDialogAnswer answer = platform_.saveFileDialog(fileDialogRequest(
            FileDialogUse::Save, session_.dialogFolder, kProjectFilter, dialogFileName_));
        // No name is no save: the project stays open, as after a cancel.
        if (answer.cancelled || answer.path.isEmpty()) return;
        dialogFileName_ = answer.path;
        if (writeProject(answer.path)) break;
    }
    if (recent_) recent_->add(QDir(platform_.currentDirectory()).filePath(dialogFileName_));
    showRecentProjects();
    if (recovery_) recovery_->endProject();
    // The file has no place for the surcharge on the total level: it goes with the project.
    if (state_.sources[0][0].surchargeKx > 0)
        platform_.messageBox(kTotalSurchargeNotSaved, MsgIcon::Exclamation, MsgButtons::Ok,
                             QStringLiteral("Waarschuwing"));
    dialogFileName_.clear();
    view_.closeForm(FormId::PreView);
    view_.closeForm(FormId::Overzicht);
    view_.closeForm(FormId::Invoer);
    Settings();
    resetProject();
}

bool MainState::writeProject(const QString& path) {
    platform_.setBusy(true);
    const FileError error =
        writeProjectFile(QDir(platform_.currentDirectory()).filePath(path), state_);
    platform_.setBusy(false);
    if (error.ok()) return true;
    platform_.messageBox(QStringLiteral("Error ") + QString::number(error.number) + kCrlf +
                             error.description,
                         MsgIcon::Critical, MsgButtons::Ok, QStringLiteral("Foutmelding"));
    return false;
}

} // namespace orv
