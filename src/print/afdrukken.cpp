#include "print/afdrukken.h"

#include "print/paintersurface.h"
#include "print/pdfreport.h"
#include "report/drukoverzicht.h"
#include "report/overzicht.h"
#include "report/prnfile.h"

#include <algorithm>
#include <QPagedPaintDevice>

namespace orv {

void showPrintError(const State& state, Platform& platform, const FileError& error) {
    platform.messageBox(QStringLiteral("Fout %1").arg(error.number) + state.crlf +
                            error.description,
                        MsgIcon::Critical, MsgButtons::Ok, QStringLiteral("Foutmelding"));
}

namespace {

FileError printToFile(const State& state, Platform& platform) {
    FileDialogRequest request;
    request.initialFolder = state.dialogFolder;
    request.filter = kPrnFilter;
    request.confirmOverwrite = true;
    request.noChangeDir = true;
    const FileDialogAnswer answer = platform.saveFileDialog(request);
    if (answer.cancelled || answer.path.isEmpty()) return {};
    return writePrnFile(answer.path, reportText(state));
}

FileError printCopies(const State& state, Platform& platform, int copies) {
    const PrintRender render = [&state](QPagedPaintDevice& printer) {
        PainterSurface surface(printer);
        DrukOverzicht(surface, state, false);
        return surface.finish();
    };
    for (int copy = 0; copy < copies; ++copy) {
        const FileError error = platform.printJob(render);
        if (!error.ok()) return error;
    }
    return {};
}

} // namespace

void Afdrukken(const State& state, Platform& platform) {
    platform.setBusy(true);
    const PrintDialogAnswer answer = platform.printDialog();
    FileError error;
    if (answer.target == PrintTarget::File)
        error = printToFile(state, platform);
    else if (answer.target == PrintTarget::Printer && !answer.pdfPath.isEmpty())
        error = writeReportPdf(state, answer.pdfPath).error;
    else if (answer.target == PrintTarget::Printer)
        error = printCopies(state, platform, std::max(1, answer.copies));
    if (!error.ok()) showPrintError(state, platform, error);
    platform.setBusy(false);
}

} // namespace orv
