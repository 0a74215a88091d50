#include "app/calculationrun.h"

#include "base/helpers.h"
#include "calc/assessment.h"
#include "calc/damaged.h"
#include "calc/geometry.h"
#include "calc/procedures.h"
#include "report/overzicht.h"

namespace orv {

namespace {

void warn(Platform& platform, const QString& text) {
    platform.messageBox(text, MsgIcon::Exclamation, MsgButtons::Ok, QStringLiteral("Waarschuwing"));
}

// A refusal's message, shown where it has one; the outcome is handed on.
Outcome shown(Platform& platform, Outcome outcome) {
    if (!outcome.message.isEmpty()) warn(platform, outcome.message);
    return outcome;
}

} // namespace

QString commandMenuText(ReportKind reportKind) {
    switch (reportKind) {
    case ReportKind::Cb:
        return QStringLiteral("Bedrijfsduurcorrectie");
    case ReportKind::Transmission:
        return QStringLiteral("Overdrachtsberekening");
    case ReportKind::Emission:
        return QStringLiteral("Gecumuleerde geluidsemissie");
    case ReportKind::None:
        break;
    }
    return {};
}

QString commandStatusText(ReportKind reportKind) {
    switch (reportKind) {
    case ReportKind::Cb:
        return QStringLiteral("Berekening bedrijfsduurcorrectie Cb");
    case ReportKind::Transmission:
        return QStringLiteral("Berekening geluidsniveaus");
    case ReportKind::Emission:
        return QStringLiteral("Gecumuleerde geluidsemissie (vervangende puntbron)");
    case ReportKind::None:
        break;
    }
    return {};
}

Outcome runCalculationCommand(State& state, Platform& platform, SectionDialog& sectionDialog,
                              MainView& view, ReportKind reportKind) {
    state.reportKind = reportKind;
    if (reportKind == ReportKind::None ||
        (state.sourceCount[LineSource] < 1 && state.sourceCount[MobileSource] < 1))
        return Outcome::refused(Refusal::NoSources);
    if (reportKind == ReportKind::Transmission) {
        if (Outcome check = CheckIt(state); !check.done()) return shown(platform, check);
    }

    // The dialog sets the sections afresh when it opens, whether or not it is confirmed.
    state.sectionsConfirmed = sectionDialog.composeSections(reportKind, state.sections);
    if (!state.sectionsConfirmed) return Outcome::refused(Refusal::Cancelled);

    if (Outcome damaged = findDamagedValue(state, reportKind); !damaged.done())
        return shown(platform, damaged);

    platform.setBusy(true);
    Outcome run = runCalculationSteps(state);
    if (!run.warnings.isEmpty()) warn(platform, run.warnings.join(kCrlf));
    if (!run.done()) {
        platform.setBusy(false);
        return shown(platform, run);
    }

    assessListedSources(state);
    MaakOverzicht(state);
    view.closeForm(FormId::Invoer);
    view.showForm(FormId::Overzicht, false);
    view.setStatusText(2, commandStatusText(reportKind));
    platform.setBusy(false);
    return run;
}

} // namespace orv
