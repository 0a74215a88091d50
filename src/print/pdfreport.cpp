#include "print/pdfreport.h"

#include "base/fileio.h"
#include "base/version.h"
#include "print/paintersurface.h"
#include "report/drukoverzicht.h"
#include "report/printsettings.h"
#include "report/runowner.h"

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
    // The project, as the user files it; the report's own title is on every page.
    writer.setTitle(projectTitle(state.project));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kPdfPrinterMarginPoints, kPdfPrinterMarginPoints,
                                               kPdfPrinterMarginPoints, kPdfPrinterMarginPoints),
                                     QPageLayout::Point));
    PainterSurface surface(writer);
    outcome.pages = DrukOverzicht(surface, state, false);
    if (!surface.finish()) outcome.error = makeFileError(kErrPathFileAccess);
    return outcome;
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
