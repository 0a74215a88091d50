#include "print/pdfreport.h"

#include "base/fileio.h"
#include "base/version.h"
#include "print/paintersurface.h"
#include "report/drukoverzicht.h"
#include "report/printsettings.h"
#include "report/reporttexts.h"

#include <QPageLayout>
#include <QPdfWriter>

namespace orv {

PdfResult renderReportPdf(const State& state, QIODevice& device) {
    PdfResult outcome;
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
    if (!surface.finish()) outcome.error = makeFileError(kErrPathFileAccess);
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

PdfResult writeReportPdf(const State& state, const QString& path) {
    PdfResult result;
    result.error = saveFile(path, [&](QIODevice& device) -> FileError {
        result = renderReportPdf(state, device);
        return result.error;
    });
    return result;
}

} // namespace orv
