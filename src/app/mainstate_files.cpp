// The open and save commands. Saving always ends the project: the user opens the file
// again to go on.

#include "app/mainstate.h"
#include "app/projectfile.h"
#include "base/helpers.h"

#include <QDir>

namespace orv {
namespace {

bool endsInOrv(const QString& path) {
    return path.right(3).toLower() == QLatin1String("orv");
}

} // namespace

void MainState::mnuOpenen_Click() {
    Reset(state_);
    if (!state_.pendingOpenName.isEmpty()) {
        // A name from the command line opens without a dialog and without the extension test.
        state_.projectPath = state_.pendingOpenName;
        state_.pendingOpenName.clear();
    } else {
        FileDialogRequest request;
        request.initialFolder = state_.dialogFolder;
        request.filter = kProjectFilter;
        request.fileName = dialogFileName_;
        request.fileMustExist = true;
        request.noChangeDir = true;
        const FileDialogAnswer answer = platform_.openFileDialog(request);
        if (answer.cancelled || answer.path.isEmpty()) {
            platform_.setBusy(false);
            return;
        }
        dialogFileName_ = answer.path;
        state_.projectPath = answer.path;
        if (!endsInOrv(state_.projectPath)) return;
    }

    platform_.setBusy(true);
    // A relative name (from the command line) is taken from the current directory.
    const QString path = QDir(platform_.currentDirectory()).filePath(state_.projectPath);
    const FileError error = readProjectFile(path, state_);
    // The records were emptied above and a failed read leaves them so: the empty project is
    // shown under the file's name, as after any failed step of the open.
    if (!error.ok())
        showUnexpectedError(QStringLiteral("mnuOpenen_Click"), error.number, error.description);
    view_.setStatusText(1, GetFileName(state_.projectPath));
    applyColumn(Column::AfterOpen);
    mnuBewerken_Click();
    platform_.setBusy(false);
}

void MainState::mnuOpslaan_Click() {
    if (acceptPendingEdits) acceptPendingEdits();
    for (;;) {
        FileDialogRequest request;
        request.initialFolder = state_.dialogFolder;
        request.filter = kProjectFilter;
        request.fileName = dialogFileName_;
        request.confirmOverwrite = true;
        request.noChangeDir = true;
        const FileDialogAnswer answer = platform_.saveFileDialog(request);
        // No name is no save: the project stays open, as after a cancel.
        if (answer.cancelled || answer.path.isEmpty()) return;
        dialogFileName_ = answer.path;
        if (writeProject(answer.path)) break;
    }
    dialogFileName_.clear();
    view_.closeForm(FormId::PreView);
    view_.closeForm(FormId::Overzicht);
    view_.closeForm(FormId::Invoer);
    Settings();
    Reset(state_);
}

bool MainState::writeProject(const QString& path) {
    platform_.setBusy(true);
    const FileError error =
        writeProjectFile(QDir(platform_.currentDirectory()).filePath(path), state_);
    platform_.setBusy(false);
    if (error.ok()) return true;
    platform_.messageBox(QStringLiteral("Error ") + QString::number(error.number) + state_.crlf +
                             error.description,
                         MsgIcon::Critical, MsgButtons::Ok, QStringLiteral("Foutmelding"));
    return false;
}

} // namespace orv
