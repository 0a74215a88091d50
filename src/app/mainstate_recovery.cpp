// What keeps a day's work safe around the file commands: the crash copy and its offer at
// start, the recent projects, a dropped file and a project handed over by a second start.

#include "app/mainstate.h"
#include "app/recentprojects.h"
#include "app/recovery.h"
#include "base/helpers.h"

#include <QFileInfo>

namespace orv {

void MainState::projectChanged() {
    if (recovery_ && session_.projectOpen()) recovery_->keep(state_);
}

void MainState::openPath(const QString& path) {
    session_.pendingOpenName = path;
    mnuOpenen_Click();
}

void MainState::openRecent(const QString& path) {
    if (session_.projectOpen()) return;
    if (!QFileInfo(path).isFile()) {
        platform_.messageBox(
            QStringLiteral("Het project ") + path + QStringLiteral(" bestaat niet meer.") + kCrlf +
                QStringLiteral("Het is uit de lijst van recente projecten gehaald."),
            MsgIcon::Exclamation, MsgButtons::Ok, QStringLiteral("Waarschuwing"));
        if (recent_) recent_->remove(path);
        showRecentProjects();
        return;
    }
    openPath(path);
}

void MainState::openDropped(const QString& path) {
    if (!startupCompleted_ || ended_ || !isProjectFileName(path)) return;
    if (session_.projectOpen()) mnuSluiten_Click();
    if (session_.projectOpen()) return;
    openPath(path);
}

bool MainState::takesHandover(const QString& path) const {
    return startupCompleted_ && !ended_ && !session_.projectOpen() && isProjectFileName(path);
}

bool MainState::acceptHandover(const QString& path) {
    if (!takesHandover(path)) return false;
    openPath(path);
    return true;
}

bool MainState::offerRecovery() {
    if (!recovery_) return false;
    for (const RecoveredProject& copy : recovery_->leftBehind()) {
        const QString name = copy.originalPath.isEmpty()
                                 ? QStringLiteral("(een nieuw project, nog zonder bestandsnaam)")
                                 : copy.originalPath;
        const QString text =
            QStringLiteral("Het programma is eerder beëindigd zonder dat de wijzigingen in dit "
                           "project zijn opgeslagen:") +
            kCrlf + name + kCrlf + QStringLiteral("laatst bijgewerkt op ") +
            copy.keptAt.toString(QStringLiteral("dd-MM-yyyy HH:mm")) + kCrlf + kCrlf +
            QStringLiteral("Ja: het herstelde project openen.") + kCrlf +
            QStringLiteral("Nee: het herstelbestand weggooien.") + kCrlf +
            QStringLiteral("Annuleren: het herstelbestand bewaren voor later.");
        const int answer = platform_.messageBox(text, MsgIcon::Question, MsgButtons::YesNoCancel,
                                                QStringLiteral("Project herstellen"));
        // Only a clear "Nee" throws the copy away; no answer keeps it for the next start.
        if (answer == kAnswerNo) RecoveryStore::remove(copy);
        if (answer == kAnswerYes && openRecovered(copy)) return true;
    }
    return false;
}

bool MainState::openRecovered(const RecoveredProject& copy) {
    resetProject();
    if (const FileError error = RecoveryStore::read(copy, state_); !error.ok()) {
        platform_.messageBox(QStringLiteral("Het herstelbestand ") + copy.copyPath +
                                 QStringLiteral(" kan niet worden gelezen.") + kCrlf +
                                 QStringLiteral("Fout ") + QString::number(error.number) +
                                 QStringLiteral(" - ") + error.description + QLatin1Char('.'),
                             MsgIcon::Critical, MsgButtons::Ok, QStringLiteral("Foutmelding"));
        resetProject();
        return false;
    }
    recovery_->adopt(copy, state_);
    // "Opslaan" proposes the project's own file; a project never saved has none to propose.
    dialogFileName_ = copy.originalPath;
    session_.projectPath = copy.originalPath;
    if (copy.originalPath.isEmpty()) {
        session_.project = ProjectStatus::New;
        applyColumn(Column::AfterNew);
        view_.showForm(FormId::Invoer, false);
    } else {
        session_.project = ProjectStatus::Opened;
        view_.setStatusText(1, session_.projectFileName());
        applyColumn(Column::AfterOpen);
        mnuBewerken_Click();
    }
    return true;
}

void MainState::showRecentProjects() {
    view_.showRecentProjects(recent_ ? recent_->paths() : QStringList());
}

} // namespace orv
