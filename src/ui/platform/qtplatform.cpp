#include "ui/platform/qtplatform.h"

#include "print/afdrukken.h"
#include "ui/platform/printerdialog.h"
#include "ui/platform/win1252guard.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>
#include <QUrlQuery>

namespace orv {

NormalPointer::NormalPointer() : active_(QGuiApplication::overrideCursor() != nullptr) {
    if (active_) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
}

NormalPointer::~NormalPointer() {
    if (active_) QGuiApplication::restoreOverrideCursor();
}

namespace {

// Messages are built with CR LF line ends; a Qt label shows a bare CR as a glyph.
QString forDisplay(const QString& text) {
    QString out = text;
    return out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

QString qtFileFilter(const QString& filter) {
    // Qt reads the patterns from the parentheses, separated by spaces: the description's own
    // parenthesised copy is replaced by the real pattern list.
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const qsizetype open = description.lastIndexOf(QLatin1Char('('));
        if (open > 0 && description.endsWith(QLatin1Char(')')))
            description = description.left(open).trimmed();
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        entries.append(description + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return entries.join(QStringLiteral(";;"));
}

QString defaultSuffix(const QString& filter) {
    const QString pattern = filter.section(QLatin1Char('|'), 1, 1).section(QLatin1Char(';'), 0, 0);
    if (!pattern.startsWith(QStringLiteral("*."))) return {};
    const QString suffix = pattern.mid(2);
    const bool plain = !suffix.isEmpty() && !suffix.contains(QLatin1Char('*')) &&
                       !suffix.contains(QLatin1Char('?'));
    return plain ? suffix : QString();
}

QStringList calculatorCandidates(const QString& program) {
    if (program.compare(QStringLiteral("calc.exe"), Qt::CaseInsensitive) != 0) return {program};
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
            QStringLiteral("galculator"), QStringLiteral("xcalc"), program};
}

QtPlatform::~QtPlatform() {
    while (busyDepth_ > 0) {
        QGuiApplication::restoreOverrideCursor();
        --busyDepth_;
    }
}

int QtPlatform::messageBox(const QString& text, MsgIcon icon, MsgButtons buttons,
                           const QString& caption) {
    NormalPointer pointer;
    QMessageBox box(window_);
    box.setWindowTitle(caption);
    box.setText(forDisplay(text));
    switch (icon) {
    case MsgIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MsgIcon::None:
        break;
    }
    if (buttons == MsgButtons::YesNo) {
        QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("&Nee"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        // Closing the box without a choice counts as No: the questions have no Cancel.
        return box.clickedButton() == yes ? kAnswerYes : kAnswerNo;
    }
    if (buttons == MsgButtons::YesNoCancel) {
        QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("&Nee"), QMessageBox::NoRole);
        QPushButton* cancel = box.addButton(QStringLiteral("Annuleren"), QMessageBox::RejectRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(cancel);
        box.exec();
        // Closing the box is no answer at all.
        return box.clickedButton() == yes  ? kAnswerYes
               : box.clickedButton() == no ? kAnswerNo
                                           : kAnswerCancel;
    }
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
    return kAnswerOk;
}

QString QtPlatform::inputBox(const QString& prompt, const QString& caption,
                             const QString& defaultText) {
    NormalPointer pointer;
    QInputDialog dialog(window_);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(forDisplay(prompt));
    dialog.setTextValue(defaultText);
    // What is typed here (the user name) reaches the settings file.
    if (auto* box = dialog.findChild<QLineEdit*>()) refuseOutsideWin1252(box);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Annuleren"));
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

FileDialogAnswer QtPlatform::fileDialog(const FileDialogRequest& request, bool save) {
    NormalPointer pointer;
    QFileDialog dialog(window_);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save || !request.fileMustExist ? QFileDialog::AnyFile
                                                      : QFileDialog::ExistingFile);
    dialog.setNameFilter(qtFileFilter(request.filter));
    dialog.setDirectory(request.initialFolder);
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
    if (save) {
        // A name typed without extension gets it: the open command only reads "orv" names.
        dialog.setDefaultSuffix(defaultSuffix(request.filter));
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    }
    if (dialog.exec() != QDialog::Accepted) return {true, QString()};
    const QStringList files = dialog.selectedFiles();
    return {false, files.isEmpty() ? QString() : QDir::toNativeSeparators(files.front())};
}

FileDialogAnswer QtPlatform::openFileDialog(const FileDialogRequest& request) {
    return fileDialog(request, false);
}

FileDialogAnswer QtPlatform::saveFileDialog(const FileDialogRequest& request) {
    return fileDialog(request, true);
}

void QtPlatform::setBusy(bool busy) {
    if (busy) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        ++busyDepth_;
        return;
    }
    // The default pointer, however often the hourglass was asked for.
    while (busyDepth_ > 0) {
        QGuiApplication::restoreOverrideCursor();
        --busyDepth_;
    }
}

bool QtPlatform::startProgram(const QString& program) {
    for (const QString& candidate : calculatorCandidates(program)) {
        if (QStandardPaths::findExecutable(candidate).isEmpty()) continue;
        if (QProcess::startDetached(candidate, {})) return true;
    }
    return false;
}

void QtPlatform::openMail(const QString& address, const QString& subject) {
    QUrl url(QStringLiteral("mailto:") + address);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), subject);
    url.setQuery(query);
    QDesktopServices::openUrl(url);
}

QString QtPlatform::currentDirectory() const {
    return QDir::currentPath();
}

bool QtPlatform::setCurrentDirectory(const QString& folder) {
    return QDir::setCurrent(folder);
}

PrintDialogAnswer QtPlatform::printDialog() {
    NormalPointer pointer;
    PrinterDialog dialog(window_);
    if (dialog.exec() != QDialog::Accepted) return {};
    if (dialog.printToFile()) return {PrintTarget::File, 1, {}};
    printerName_ = dialog.printerName();
    if (printerName_.isEmpty()) {
        const FileDialogAnswer answer = fileDialog(
            fileDialogRequest(FileDialogUse::Save, currentDirectory(), kPdfFilter), true);
        if (answer.cancelled || answer.path.isEmpty()) return {};
        return {PrintTarget::Printer, 1, answer.path};
    }
    return {PrintTarget::Printer, dialog.copies(), {}};
}

FileError QtPlatform::printJob(const PrintRender& render) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(printerName_);
    // The copies are separate jobs, so the printer itself makes one of each.
    printer.setCopyCount(1);
    if (!printer.isValid()) return printerError();
    return render(printer) ? FileError{} : printerError();
}

} // namespace orv
