#include "report/pagefit.h"

#include "report/drukoverzicht.h"
#include "report/printsettings.h"
#include "report/surface.h"

namespace orv {
namespace {

// A4 in points, 210 x 297 mm.
constexpr double kA4ShortPoints = 595.276;
constexpr double kA4LongPoints = 841.89;

QString kindName(ReportKind kind) {
    switch (kind) {
    case ReportKind::Cb:
        return QStringLiteral("de bedrijfsduurcorrectie");
    case ReportKind::Transmission:
        return QStringLiteral("de overdrachtsberekening");
    case ReportKind::Emission:
        return QStringLiteral("de gecumuleerde geluidsemissie");
    case ReportKind::None:
        break;
    }
    return {};
}

} // namespace

bool tablesFitPage(ReportKind kind, const Sections& sections, const SettingsData& settings) {
    SettingsData s = settings;
    applyPrintStartValues(s);
    const double paper = s.paperOrientation == kLandscape ? kA4LongPoints : kA4ShortPoints;
    const double printable = (paper - 2 * kPrinterMarginPoints) * 20; // twips
    // The table's width in twips is its columns times 12 per point of the body size; the
    // text starts 500 twips inside the printable page.
    return reportWidthColumns(kind, sections) * 12.0 * s.printFontSize <= printable - 500;
}

bool reportFitsPage(const State& state) {
    return tablesFitPage(state.reportKind, state.sections, state.settings);
}

QList<ReportKind> reportKindsCut(const SettingsData& settings) {
    QList<ReportKind> cut;
    for (ReportKind kind : {ReportKind::Cb, ReportKind::Transmission, ReportKind::Emission})
        if (!tablesFitPage(kind, Sections::initial(kind), settings)) cut << kind;
    return cut;
}

QString pageCutWarning(const QList<ReportKind>& kinds, const SettingsData& settings) {
    if (kinds.isEmpty()) return {};
    QStringList names;
    for (ReportKind kind : kinds)
        names << kindName(kind);
    QString list = names.takeLast();
    if (!names.isEmpty()) list = names.join(QStringLiteral(", ")) + QStringLiteral(" en ") + list;
    const bool portrait = settings.paperOrientation != kLandscape;
    return QStringLiteral("De tabellen van ") + list +
           QStringLiteral(" zijn breder dan de pagina en worden rechts afgesneden: kies ") +
           (portrait ? QStringLiteral("\"A4, liggend\" of ") : QString()) +
           QStringLiteral("een kleinere lettergrootte.");
}

} // namespace orv
