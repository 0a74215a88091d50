#pragma once
// The overview window's two print commands: "printen" (to a printer, or the text into a
// "*.prn" file) and "preview" (the print preview window).

#include "app/mainview.h"
#include "base/platform.h"
#include "base/printjob.h"
#include "model/state.h"

#include <QString>

namespace orv {

inline const QString kPrnFilter = QStringLiteral("Uitvoerbestanden (*.prn)|*.prn");
inline const QString kPdfFilter = QStringLiteral("PDF-bestanden (*.pdf)|*.pdf");

// The printer dialog; with print to file ticked, a file dialog for a "*.prn" name and the
// text overview written to it; otherwise the report on the printer once per copy, each copy
// its own print job; the file dialog opens in dialogFolder. Cancelling either dialog ends it
// silently; a failure shows "Fout " + number + line end + description under "Foutmelding".
void Afdrukken(const State& state, const QString& dialogFolder, Platform& platform,
               PrintJob& printer);

// Opens the print preview through the main window, which keeps it on record so that the
// file commands close it.
inline void AfdrukVoorbeeld(MainView& view) {
    view.showForm(FormId::PreView, false);
}

// "Fout " + number + line end + description, critical, under "Foutmelding".
void showPrintError(Platform& platform, const FileError& error);

} // namespace orv
