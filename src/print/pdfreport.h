#pragma once
// The printed report as an A4 PDF: what the printer would get, on a device or in a file.

#include "base/fileerror.h"
#include "model/state.h"
#include "report/pagefit.h"

#include <QIODevice>
#include <QString>

namespace orv {

// Border that a PDF page keeps free on every side, as a laser printer's unprintable edge
// does: the renderer's own margins come on top, so the PDF matches the printed page.
constexpr double kPdfPrinterMarginPoints = kPrinterMarginPoints;

struct PdfResult {
    FileError error; // the document was written whole when ok()
    int pages = 0;   // pages the renderer drew
};

// Renders the current report of state (DrukOverzicht in printer mode) into a PDF written
// to device, which must be open for writing. The paper is A4 in the orientation of the
// print settings.
PdfResult renderReportPdf(const State& state, QIODevice& device);

// The same into a file, written safely: on any failure the old file stays as it was and the
// error carries its classic number and description.
PdfResult writeReportPdf(const State& state, const QString& path);

} // namespace orv
