#include "print/afdrukken.h"

#include "base/helpers.h"
#include "print/paintersurface.h"
#include "print/pdfreport.h"
#include "report/drukoverzicht.h"
#include "report/overzicht.h"
#include "report/prnfile.h"

#include <algorithm>
#include <QPagedPaintDevice>

namespace orv {

void showPrintError(Platform& platform, const FileError& error) {
    platform.messageBox(QStringLiteral("Fout %1").arg(error.number) + kCrlf + error.description,
                        MsgIcon::Critical, MsgButtons::Ok, QStringLiteral("Foutmelding"));
}

namespace {

FileError printToFile(const State& state, const QString& dialogFolder, Platform& platform) {
    const FileDialogAnswer answer =
        platform.saveFileDialog(fileDialogRequest(FileDialogUse::Save, dialogFolder, kPrnFilter));
    if (answer.cancelled || answer.path.isEmpty()) return {};
    return writePrnFile(answer.path, reportText(state));
}

FileError printCopies(const State& state, PrintJob& printer, int copies) {
    const PrintRender render = [&state](QPagedPaintDevice& printer) {
        PainterSurface surface(printer);
        DrukOverzicht(surface, state, false);
        return surface.finish();
    };
    for (int copy = 0; copy < copies; ++copy) {
        const FileError error = printer.printJob(render);
        if (!error.ok()) return error;
    }
    return {};
}

} // namespace

void Afdrukken(const State& state, const QString& dialogFolder, Platform& platform,
               PrintJob& printer) {
    platform.setBusy(true);
    const PrintDialogAnswer answer = printer.printDialog();
    FileError error;
    if (answer.target == PrintTarget::File)
        error = printToFile(state, dialogFolder, platform);
    else if (answer.target == PrintTarget::Printer && !answer.pdfPath.isEmpty())
        error = writeReportPdf(state, answer.pdfPath).error;
    else if (answer.target == PrintTarget::Printer)
        error = printCopies(state, printer, std::max(1, answer.copies));
    if (!error.ok()) showPrintError(platform, error);
    platform.setBusy(false);
}

} // namespace orv
