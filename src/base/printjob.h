#pragma once
// The printer: its dialog and one print job. A desktop without printers, the command line
// and the runs without a user answer the dialog cancelled.

#include "base/fileerror.h"

#include <QString>

#include <functional>

class QPagedPaintDevice;

namespace orv {

// What the printer dialog answered: cancelled, a printer with a number of copies, or the
// print-to-file box ticked (the caller then asks for a "*.prn" name).
enum class PrintTarget { Cancelled, Printer, File };
struct PrintDialogAnswer {
    PrintTarget target = PrintTarget::Cancelled;
    int copies = 1;
    // Printer target: a PDF file chosen instead of a printer, written as the command line's.
    QString pdfPath;
};

// Draws one whole copy of a report on the printer handed to it; false when it could not.
using PrintRender = std::function<bool(QPagedPaintDevice& printer)>;

// A printer failure, with the number the classic runtime gives it.
constexpr int kErrPrinter = 482;
inline FileError printerError() {
    return {kErrPrinter, QStringLiteral("Printerfout")};
}

class PrintJob {
public:
    virtual ~PrintJob() = default;
    // The printer dialog: no selection, no page range, the copies asked in the dialog.
    virtual PrintDialogAnswer printDialog() = 0;
    // One print job on the printer of the last dialog, its own copy count set to 1: render
    // draws on it, and the job ends when render returns.
    virtual FileError printJob(const PrintRender& render) = 0;
};

} // namespace orv
