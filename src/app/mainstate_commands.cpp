// The switched menu items and the commands of the main window other than open and save.

#include "app/mainstate.h"

#include "app/calculationrun.h"
#include "app/recovery.h"
#include "base/helpers.h"
#include "base/win1252.h"

namespace orv {

void MainState::setMenu(MenuItem item, bool enabled) {
    menu_[static_cast<std::size_t>(item)] = enabled;
    view_.setMenuEnabled(item, enabled);
}

void MainState::applyColumn(Column column) {
    const bool noFile = column == Column::NoFile;
    setMenu(MenuItem::Nieuw, noFile);
    setMenu(MenuItem::Openen, noFile);
    setMenu(MenuItem::Bewerken, !noFile);
    setMenu(MenuItem::Sluiten, !noFile);
    setMenu(MenuItem::Opslaan, !noFile);
    setMenu(MenuItem::GebruikersNaam, !noFile);
    setMenu(MenuItem::Lettertype, !noFile);
    if (column != Column::AfterNew) setMenu(MenuItem::Info, true);
    ButtonChange();
}

void MainState::DisType() {
    applyColumn(Column::NoFile);
}

void MainState::Settings() {
    session_.project = ProjectStatus::None;
    DisType();
    view_.setStatusText(1, kNoFileText);
    view_.setStatusText(2, caption());
}

void MainState::ButtonChange() {
    view_.setButtonEnabled(kButtonNieuw, menuEnabled(MenuItem::Nieuw));
    view_.setButtonEnabled(kButtonOpen, menuEnabled(MenuItem::Openen));
    view_.setButtonEnabled(kButtonBewerken, menuEnabled(MenuItem::Bewerken));
    view_.setButtonEnabled(kButtonSluiten, menuEnabled(MenuItem::Sluiten));
    view_.setButtonEnabled(kButtonOpslaan, menuEnabled(MenuItem::Opslaan));
    view_.setButtonEnabled(kButtonUser, menuEnabled(MenuItem::GebruikersNaam));
    view_.setButtonEnabled(kButtonLettertype, menuEnabled(MenuItem::Lettertype));
    view_.setButtonEnabled(kButtonInfo, true);
    view_.setButtonEnabled(kButtonCalc, true);
}

// Panel 1 keeps "Geen bestand"; the exit question is asked all the same.
void MainState::mnuNieuw_Click() {
    resetProject();
    session_.project = ProjectStatus::New;
    if (recovery_) recovery_->startProject(state_, QString());
    applyColumn(Column::AfterNew);
    view_.showForm(FormId::Invoer, false);
}

// The input form is built afresh from the records.
void MainState::mnuBewerken_Click() {
    view_.closeForm(FormId::Invoer);
    view_.closeForm(FormId::Overzicht);
    view_.closeForm(FormId::PreView);
    view_.showForm(FormId::Invoer, false);
}

void MainState::mnuSluiten_Click() {
    const int answer = platform_.messageBox(
        QStringLiteral("Wilt u het databestand sluiten zonder opslag van eventueel "
                       "ingevoerde/gewijzigde gegevens?"),
        MsgIcon::Question, MsgButtons::YesNo, QStringLiteral("Afsluiting programma"));
    if (answer != kAnswerYes) return;
    if (recovery_) recovery_->endProject();
    view_.closeForm(FormId::PreView);
    view_.closeForm(FormId::Overzicht);
    view_.closeForm(FormId::Invoer);
    Settings();
    resetProject();
}

void MainState::mnuExit_Click() {
    MDIForm_Unload();
}

void MainState::mnuGebruikersNaam_Click() {
    SettingsData& s = state_.settings;
    const QString current = trimmed(s.userName);
    s.userName = fixedText(current, kUserNameWidth);
    const QString answer =
        platform_.inputBox(QStringLiteral("Huidige instelling gebruikersnaam: ") + kCrlf + current +
                               kCrlf + kCrlf + QStringLiteral("Voer nieuwe gebruikersnaam in"),
                           QStringLiteral("Instelling gebruikersnaam"), current);
    if (answer.isEmpty()) return;
    s.userName = fixedText(trimmed(answer), kUserNameWidth);
    // The label shows "&" as a mnemonic marker, so its first "&" is doubled; the doubled
    // text is cut to the field again, losing its last character when the name is full.
    const qsizetype amp = s.userName.indexOf(QLatin1Char('&'));
    if (amp >= 0) {
        const QString doubled = s.userName.left(amp + 1) + s.userName.mid(amp, 29);
        s.userNameLabel = fixedText(trimmed(doubled), kUserNameWidth);
    } else {
        s.userNameLabel = fixedText(trimmed(s.userName), kUserNameWidth);
    }
}

void MainState::mnuLettertype_Click() {
    platform_.setBusy(true);
    view_.showForm(FormId::Lettertype, true);
    platform_.setBusy(false);
}

void MainState::setPreviewOpen(bool open) {
    if (open == previewOpen_) return;
    previewOpen_ = open;
    if (open) {
        userBeforePreview_ = menuEnabled(MenuItem::GebruikersNaam);
        lettertypeBeforePreview_ = menuEnabled(MenuItem::Lettertype);
    }
    setMenu(MenuItem::GebruikersNaam, open ? false : userBeforePreview_);
    setMenu(MenuItem::Lettertype, open ? false : lettertypeBeforePreview_);
    view_.setButtonVisible(kButtonUser, !open);
    view_.setButtonVisible(kButtonLettertype, !open);
    ButtonChange();
}

void MainState::mnuInfo_Click() {
    view_.showForm(FormId::About, true);
}

// Whether a calculator could be started is of no consequence to the program.
void MainState::Calculator() {
    platform_.startProgram(QStringLiteral("calc.exe"));
}

// The run shows its own messages; what it refused needs no further word here.
void MainState::mnuBerekening_Click(ReportKind kind) {
    const Outcome run = runCalculationCommand(state_, platform_, sectionDialog_, view_, kind);
    if (run.done() && kind == ReportKind::Transmission) setTransmissionRun(true);
}

void MainState::resetProject() {
    Reset(state_);
    history_.clear();
    setTransmissionRun(false);
}

void MainState::setTransmissionRun(bool exists) {
    if (exists == transmissionRun_) return;
    transmissionRun_ = exists;
    view_.showTransmissionRun(exists);
}

void MainState::Toolbar1_ButtonClick(const QString& key) {
    if (key == QLatin1String("Nieuw"))
        mnuNieuw_Click();
    else if (key == QLatin1String("Open"))
        mnuOpenen_Click();
    else if (key == QLatin1String("Bewerken"))
        mnuBewerken_Click();
    else if (key == QLatin1String("Sluiten"))
        mnuSluiten_Click();
    else if (key == QLatin1String("Opslaan"))
        mnuOpslaan_Click();
    else if (key == QLatin1String("User"))
        mnuGebruikersNaam_Click();
    else if (key == QLatin1String("Lettertype"))
        mnuLettertype_Click();
    else if (key == QLatin1String("Info"))
        mnuInfo_Click();
    else if (key == QLatin1String("Calc"))
        Calculator();
}

} // namespace orv
