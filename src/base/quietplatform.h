#pragma once
// A Platform that asks nobody: message boxes are answered OK (Yes for a question), dialogs
// are cancelled, the section dialog is confirmed as it stands. For runs without a user,
// such as the reference calculation and the benchmarks.

#include "base/platform.h"
#include "base/printjob.h"
#include "base/sectiondialog.h"

namespace orv {

class QuietPlatform final : public Platform, public SectionDialog, public PrintJob {
public:
    int messageBox(const QString&, MsgIcon, MsgButtons buttons, const QString&) override {
        return buttons == MsgButtons::YesNo ? kAnswerYes : kAnswerOk;
    }
    QString inputBox(const QString&, const QString&, const QString&) override { return {}; }
    FileDialogAnswer openFileDialog(const FileDialogRequest&) override { return {}; }
    FileDialogAnswer saveFileDialog(const FileDialogRequest&) override { return {}; }
    void setBusy(bool) override {}
    bool startProgram(const QString&) override { return false; }
    void openMail(const QString&, const QString&) override {}
    QString currentDirectory() const override { return {}; }
    bool setCurrentDirectory(const QString&) override { return false; }
    bool composeSections(ReportKind, Sections&) override { return true; }
    PrintDialogAnswer printDialog() override { return {}; }
    FileError printJob(const PrintRender&) override { return printerError(); }
};

} // namespace orv
