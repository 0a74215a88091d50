#include "print/comparisonpdf.h"

#include "base/fileio.h"
#include "base/version.h"
#include "print/paintersurface.h"

#include <QPageLayout>
#include <QPdfWriter>

namespace orv {

PdfResult writeComparisonPdf(const ComparisonPrint& print, const SettingsData& settings,
                             const QString& path) {
    PdfResult result;
    result.error = saveFile(path, [&](QIODevice& device) -> FileError {
        QPdfWriter writer(&device);
        writer.setResolution(7200); // whole device pixels for every half point size
        writer.setCreator(QStringLiteral("%1 %2.%3")
                              .arg(QLatin1String(kProgramTitle))
                              .arg(kVersionMajor)
                              .arg(kVersionMinor));
        writer.setTitle(QStringLiteral("Varianten vergelijken"));
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                        QMarginsF(kPdfPrinterMarginPoints, kPdfPrinterMarginPoints,
                                  kPdfPrinterMarginPoints, kPdfPrinterMarginPoints),
                        QPageLayout::Point));
        PainterSurface surface(writer);
        result.pages = drawComparison(surface, print, settings, false);
        return surface.finish() ? FileError{} : makeFileError(kErrPathFileAccess);
    });
    return result;
}

PreviewPages renderComparisonPreview(const ComparisonPrint& print, const SettingsData& settings) {
    PreviewSurface surface(kLandscape);
    drawComparison(surface, print, settings, true);
    return {surface.takePages(), surface.paper(), surface.edge()};
}

} // namespace orv
