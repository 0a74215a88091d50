#include "print/pdfreport.h"

#include "app/fileio.h"
#include "app/version.h"
#include "print/paintersurface.h"
#include "report/drukoverzicht.h"
#include "report/printsettings.h"
#include "report/reporttexts.h"

#include <QPageLayout>
#include <QPdfWriter>

namespace orv {

PdfOutcome renderReportPdf(const State& state, QIODevice& device) {
    PdfOutcome outcome;
    QPdfWriter writer(&device);
    // At 7200 dpi every whole and half point size is a whole number of device pixels, so the
    // fonts are not rounded to a pixel size: widths keep the proportions of the font.
    writer.setResolution(7200);
    writer.setCreator(QStringLiteral("%1 %2.%3")
                          .arg(QLatin1String(kProgramTitle))
                          .arg(kVersionMajor)
                          .arg(kVersionMinor));
    writer.setTitle(texts::reportTitle(state.reportKind).toString());
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kPdfPrinterMarginPoints, kPdfPrinterMarginPoints,
                                               kPdfPrinterMarginPoints, kPdfPrinterMarginPoints),
                                     QPageLayout::Point));
    PainterSurface surface(writer);
    outcome.pages = DrukOverzicht(surface, state, false);
    outcome.ok = surface.finish();
    return outcome;
}

bool reportFitsPdfPage(const State& state) {
    SettingsData settings = state.settings;
    applyPrintStartValues(settings);
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Point);
    const double paper = settings.paperOrientation == kLandscape ? a4.height() : a4.width();
    const double printable = (paper - 2 * kPdfPrinterMarginPoints) * 20; // twips
    // The text starts 500 twips inside the printable page.
    return reportWidthColumns(state) * 12.0 * settings.printFontSize <= printable - 500;
}

FileError writeReportPdf(const State& state, const QString& path, int& pages) {
    pages = 0;
    return saveFile(path, [&](QIODevice& device) -> FileError {
        const PdfOutcome outcome = renderReportPdf(state, device);
        pages = outcome.pages;
        return outcome.ok ? FileError{} : makeFileError(kErrPathFileAccess);
    });
}

} // namespace orv
