#pragma once
// The platform of the command line: every message goes to standard error, one line per
// line of its text; questions are answered Yes; the section dialog answers with the flags
// given on the command line; file dialogs are cancelled.

#include "base/platform.h"
#include "base/printjob.h"
#include "base/sectiondialog.h"

#include <QStringList>
#include <QTextStream>

namespace orv::cli {

class CliPlatform final : public Platform, public SectionDialog, public PrintJob {
public:
    CliPlatform(QTextStream& err, Sections sections) : err_(err), sections_(sections) {}

    int messageBox(const QString& text, MsgIcon icon, MsgButtons buttons,
                   const QString& caption) override;
    QString inputBox(const QString&, const QString&, const QString&) override { return {}; }
    FileDialogAnswer openFileDialog(const FileDialogRequest&) override { return {}; }
    FileDialogAnswer saveFileDialog(const FileDialogRequest&) override { return {}; }
    void setBusy(bool) override {}
    bool startProgram(const QString&) override { return false; }
    void openMail(const QString&, const QString&) override {}
    QString currentDirectory() const override;
    bool setCurrentDirectory(const QString& folder) override;
    bool composeSections(ReportKind reportKind, Sections& sections) override;
    // No printer on the command line: the printer dialog is cancelled.
    PrintDialogAnswer printDialog() override { return {}; }
    FileError printJob(const PrintRender&) override { return printerError(); }

    // Every line written to standard error, in order (the JSON "warnings").
    const QStringList& messages() const { return messages_; }

private:
    QTextStream& err_;
    Sections sections_;
    QStringList messages_;
};

} // namespace orv::cli
