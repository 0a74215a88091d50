#pragma once
// Everything that asks the user or touches the desktop goes through Platform, so that the
// logic behind the windows runs and is tested without a screen. The Qt implementation lives
// in ui/, the command line has its own, and tests use a scripted fake.

#include "base/fileerror.h"
#include "base/reportkind.h"

#include <functional>
#include <QString>

class QPagedPaintDevice;

namespace orv {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { Ok, YesNo };

// Answers of a message box, with the classic numbering.
constexpr int kAnswerOk = 1;
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;

struct FileDialogRequest {
    QString initialFolder;
    QString filter;   // "Bestand Ornaveld (*.orv)|*.orv": description|pattern
    QString fileName; // proposed name
    bool fileMustExist = false;
    bool noChangeDir = false;
    bool confirmOverwrite = false;
};

struct FileDialogAnswer {
    bool cancelled = true;
    QString path; // may be empty without a cancel
};

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

class Platform {
public:
    virtual ~Platform() = default;

    virtual int messageBox(const QString& text, MsgIcon icon, MsgButtons buttons,
                           const QString& caption) = 0;
    // Returns the typed text; empty on cancel.
    virtual QString inputBox(const QString& prompt, const QString& caption,
                             const QString& defaultText) = 0;
    virtual FileDialogAnswer openFileDialog(const FileDialogRequest& request) = 0;
    virtual FileDialogAnswer saveFileDialog(const FileDialogRequest& request) = 0;
    // The hourglass (true) or the default pointer (false).
    virtual void setBusy(bool busy) = 0;
    // Starts an external program in a normal window; false when it could not be started.
    virtual bool startProgram(const QString& program) = 0;
    virtual void openMail(const QString& address, const QString& subject) = 0;
    virtual QString currentDirectory() const = 0;
    virtual bool setCurrentDirectory(const QString& folder) = 0;
    // The report composition dialog: sets the sections as the boxes stand when it closes
    // (it opens with every box of the report ticked) and returns true when the user
    // confirmed it.
    virtual bool composeSections(ReportKind reportKind, Sections& sections) = 0;
    // The printer dialog: no selection, no page range, the copies asked in the dialog. A
    // platform without printers answers cancelled.
    virtual PrintDialogAnswer printDialog() { return {}; }
    // One print job on the printer of the last dialog, its own copy count set to 1: render
    // draws on it, and the job ends when render returns.
    virtual FileError printJob(const PrintRender& render) {
        (void)render;
        return printerError();
    }
};

} // namespace orv
