#include "calc/commands.h"

#include "calc/damaged.h"
#include "calc/geometry.h"
#include "calc/procedures.h"
#include "report/overzicht.h"

#include <array>
#include <memory>

namespace orv {

namespace {

void warn(Platform& platform, const QString& text) {
    platform.messageBox(text, MsgIcon::Exclamation, MsgButtons::Ok, QStringLiteral("Waarschuwing"));
}

// What the transmission command writes before a step can still refuse: kept so that a
// refused run leaves the results of the previous one.
struct TransmissionSnapshot {
    std::array<std::array<SourceResult, kMaxSources + 1>, kKinds> results;
    double lineHours[kMaxSources + 1][kPeriods];

    explicit TransmissionSnapshot(const State& state) : results(state.results) {
        for (int i = 0; i <= kMaxSources; ++i) {
            for (int p = 0; p < kPeriods; ++p)
                lineHours[i][p] = state.sources[LineSource][i].operatingHours[p];
        }
    }
    void restore(State& state) const {
        state.results = results;
        for (int i = 0; i <= kMaxSources; ++i) {
            for (int p = 0; p < kPeriods; ++p)
                state.sources[LineSource][i].operatingHours[p] = lineHours[i][p];
        }
    }
};

} // namespace

StepsRun runCalculationSteps(State& state, Platform& platform, int reportKind) {
    StepsRun run;
    switch (reportKind) {
    case 1:
        Cbedrijfsduur(state);
        break;
    case 2: {
        const auto snapshot = std::make_unique<TransmissionSnapshot>(state);
        Cbedrijfsduur(state);
        run.refusal = Overdracht(state);
        if (run.refusal.isEmpty()) {
            MaxLevelRun max = OverdrachtMax(state, platform);
            run.refusal = max.refusal;
            run.warnings = max.warnings;
        }
        if (!run.refusal.isEmpty()) {
            snapshot->restore(state);
            run.warnings.clear();
            break;
        }
        Immissie(state);
        break;
    }
    case 3:
        Cbedrijfsduur(state);
        Emissie(state);
        Bron_Hoogte(state);
        break;
    default:
        break;
    }
    return run;
}

QString commandMenuText(int reportKind) {
    switch (reportKind) {
    case 1:
        return QStringLiteral("Bedrijfsduurcorrectie");
    case 2:
        return QStringLiteral("Overdrachtsberekening");
    case 3:
        return QStringLiteral("Gecumuleerde geluidsemissie");
    default:
        return {};
    }
}

QString commandStatusText(int reportKind) {
    switch (reportKind) {
    case 1:
        return QStringLiteral("Berekening bedrijfsduurcorrectie Cb");
    case 2:
        return QStringLiteral("Berekening geluidsniveaus");
    case 3:
        return QStringLiteral("Gecumuleerde geluidsemissie (vervangende puntbron)");
    default:
        return {};
    }
}

CommandStatus runCalculationCommand(State& state, Platform& platform, MainView& view,
                                    int reportKind, QStringList* warnings) {
    if (warnings) warnings->clear();
    state.reportKind = reportKind;
    if (reportKind < 1 || reportKind > 3) return CommandStatus::NoSources;
    if (state.sourceCount[LineSource] < 1 && state.sourceCount[MobileSource] < 1)
        return CommandStatus::NoSources;
    if (reportKind == 2 && !CheckIt(state, platform)) return CommandStatus::GeometryRefused;

    // The dialog sets the flags afresh when it opens, whether or not it is confirmed.
    std::array<int, 4> flags{state.sectionFlags[0], state.sectionFlags[1], state.sectionFlags[2],
                             state.sectionFlags[3]};
    state.sectionsConfirmed = platform.composeSections(reportKind, flags);
    for (int i = 0; i < 4; ++i)
        state.sectionFlags[i] = flags[static_cast<std::size_t>(i)];
    if (!state.sectionsConfirmed) return CommandStatus::DialogCancelled;

    const QString damaged = findDamagedValue(state, reportKind);
    if (!damaged.isEmpty()) {
        warn(platform, damaged);
        return CommandStatus::DamagedValue;
    }

    platform.setBusy(true);
    const StepsRun run = runCalculationSteps(state, platform, reportKind);
    if (!run.refusal.isEmpty()) {
        platform.setBusy(false);
        warn(platform, run.refusal);
        return CommandStatus::GeometryRefused;
    }
    if (warnings) *warnings = run.warnings;

    MaakOverzicht(state, reportKind);
    view.closeForm(FormId::Invoer);
    view.showForm(FormId::Overzicht, false);
    view.setStatusText(2, commandStatusText(reportKind));
    platform.setBusy(false);
    return CommandStatus::Done;
}

} // namespace orv
