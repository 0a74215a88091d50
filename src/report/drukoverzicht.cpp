// The paged renderer's entry: the run from the first header to the last footer, and the
// project block of the first page.

#include "report/drukoverzicht.h"

#include "base/win1252.h"
#include "report/drukoverzicht_p.h"
#include "report/printsettings.h"
#include "report/reporttexts.h"

namespace orv {
namespace {

using druk::str;

// Label, and the value after ": " at the label column, as the text overview has it.
void projectLine(druk::Pager& p, QStringView label, const QString& value) {
    p.text(label.toString());
    p.left(texts::kLabelWidth, str(texts::kLabelSeparator) + value);
    p.endLine();
}

void projectBlock(druk::Pager& p) {
    const State& st = p.state;
    const ProjectRecord& pr = st.project;
    if (st.sections.projectBlock()) {
        p.text(str(texts::kProjectNumber));
        p.left(texts::kLabelWidth, str(texts::kLabelSeparator) + trimmed(pr.projectNumber));
        // The date ends where the widest table ends, measured in the table font's columns.
        p.rightAtX(reportWidthColumns(st) * 12.0 * p.bodySize(),
                   str(texts::kDate) + pr.projectDate);
        p.endLine();
        projectLine(p, texts::kProjectName, trimmed(pr.projectName));
        projectLine(p, texts::kRemarks, trimmed(pr.remarks));
        p.endLine();
        p.endLine();
    }
    if (st.sections.parameterBlock(st.reportKind)) {
        projectLine(p, texts::kReceiver, trimmed(pr.receiverDescription));
        projectLine(p, texts::kReceiverHeight,
                    trimmed(druk::num(pr.receiverHeight, u"#0.0")) + str(texts::kMeterUnit));
        projectLine(p, texts::kGround, trimmed(pr.groundType));
        projectLine(p, texts::kFacadeReflection,
                    trimmed(druk::num(pr.facadeReflection, u"#0")) + str(texts::kDbUnit));
        p.endLine();
    }
}

} // namespace

int reportWidthColumns(const State& state) {
    return reportWidthColumns(state.reportKind, state.sections);
}

int reportWidthColumns(ReportKind kind, const Sections& sections) {
    switch (kind) {
    case ReportKind::Cb:
        return sections.linesListed(kind) ? 125 : 116;
    case ReportKind::Transmission:
        return 145;
    default:
        return 125;
    }
}

int DrukOverzicht(Surface& surface, const State& state, bool preview) {
    SettingsData settings = state.settings;
    applyPrintStartValues(settings);

    druk::Pager p(surface, state, settings, preview);
    p.start();
    if (state.reportKind != ReportKind::None) {
        projectBlock(p);
        p.setTableFont();
        if (state.reportKind == ReportKind::Cb)
            druk::drukBedrijfsduur(p);
        else if (state.reportKind == ReportKind::Transmission)
            druk::drukOverdracht(p);
        else
            druk::drukEmissie(p);
    }
    p.finish();
    return p.pageNumber();
}

} // namespace orv
