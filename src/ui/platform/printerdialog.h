#pragma once
// The printer dialog of the desktop: which printer (or a PDF file), how many copies, and
// whether to print to a file instead.

#include <QDialog>

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace orv {

class PrinterDialog : public QDialog {
    Q_OBJECT
public:
    explicit PrinterDialog(QWidget* parent = nullptr);

    // The printer chosen; empty for the PDF file.
    QString printerName() const;
    int copies() const;
    bool printToFile() const;

private:
    QComboBox* printers_;
    QSpinBox* copies_;
    QCheckBox* toFile_;
};

} // namespace orv
