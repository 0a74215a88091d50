#pragma once
// The comparison of two variants as an A4 PDF in landscape, as the printer would get it.

#include "print/pdfreport.h"
#include "print/previewsurface.h"
#include "report/comparisonpages.h"

namespace orv {

// Written safely: on any failure an existing file stays as it was.
PdfResult writeComparisonPdf(const ComparisonPrint& print, const SettingsData& settings,
                             const QString& path);

// The same pages for the print preview.
PreviewPages renderComparisonPreview(const ComparisonPrint& print, const SettingsData& settings);

} // namespace orv
