#pragma once
// The desktop's Platform and PrintJob: Qt message boxes, input box, file dialogs, the busy
// pointer, programs, mail and the printer.

#include "base/platform.h"
#include "base/printjob.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace orv {

// "Bestand Ornaveld (*.orv)|*.orv" as Qt writes a filter: "Bestand Ornaveld (*.orv)". Pairs
// of description and pattern become ";;"-separated entries, each "description (patterns)"
// with a pattern list "*.txt;*.csv" written with spaces.
QString qtFileFilter(const QString& filter);
// The suffix a typed name gets when it has none: "orv" for "*.orv"; empty otherwise.
QString defaultSuffix(const QString& filter);
// The programs tried, in order, when "calc.exe" is asked for on a system without it.
QStringList calculatorCandidates(const QString& program);

// While the main window is busy, a dialog that asks the user shows the normal pointer.
class NormalPointer {
public:
    NormalPointer();
    ~NormalPointer();
    NormalPointer(const NormalPointer&) = delete;
    NormalPointer& operator=(const NormalPointer&) = delete;

private:
    bool active_;
};

class QtPlatform : public Platform, public PrintJob {
public:
    explicit QtPlatform(QWidget* window = nullptr) : window_(window) {}
    ~QtPlatform() override;
    // Dialogs are centred on this window.
    void setWindow(QWidget* window) { window_ = window; }

    int messageBox(const QString& text, MsgIcon icon, MsgButtons buttons,
                   const QString& caption) override;
    QString inputBox(const QString& prompt, const QString& caption,
                     const QString& defaultText) override;
    FileDialogAnswer openFileDialog(const FileDialogRequest& request) override;
    FileDialogAnswer saveFileDialog(const FileDialogRequest& request) override;
    void setBusy(bool busy) override;
    bool startProgram(const QString& program) override;
    void openMail(const QString& address, const QString& subject) override;
    QString currentDirectory() const override;
    bool setCurrentDirectory(const QString& folder) override;
    // Without an installed printer the dialog says so and offers a PDF file and print to
    // file; a PDF file's name is asked for at once.
    PrintDialogAnswer printDialog() override;
    FileError printJob(const PrintRender& render) override;

private:
    FileDialogAnswer fileDialog(const FileDialogRequest& request, bool save);

    QPointer<QWidget> window_;
    int busyDepth_ = 0;
    QString printerName_; // of the last printer dialog
};

} // namespace orv
