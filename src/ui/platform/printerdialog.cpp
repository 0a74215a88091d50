#include "ui/platform/printerdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace orv {

PrinterDialog::PrinterDialog(QWidget* parent)
    : QDialog(parent), printers_(new QComboBox(this)), copies_(new QSpinBox(this)),
      toFile_(new QCheckBox(QStringLiteral("Afdrukken naar &bestand"), this)) {
    setObjectName(QStringLiteral("CommonDialog1"));
    setWindowTitle(QStringLiteral("Afdrukken"));
    printers_->setObjectName(QStringLiteral("cboPrinter"));
    copies_->setObjectName(QStringLiteral("spnCopies"));
    toFile_->setObjectName(QStringLiteral("chkPrintToFile"));

    const QString standard = QPrinterInfo::defaultPrinterName();
    const QStringList names = QPrinterInfo::availablePrinterNames();
    for (const QString& name : names)
        printers_->addItem(name, name);
    printers_->addItem(QStringLiteral("PDF-bestand"), QString());
    printers_->setCurrentIndex(std::max(0, static_cast<int>(names.indexOf(standard))));
    copies_->setRange(1, 99);

    auto* form = new QFormLayout;
    auto* printerLabel = new QLabel(QStringLiteral("&Printer :"), this);
    printerLabel->setBuddy(printers_);
    form->addRow(printerLabel, printers_);
    auto* copiesLabel = new QLabel(QStringLiteral("Aantal &exemplaren :"), this);
    copiesLabel->setBuddy(copies_);
    form->addRow(copiesLabel, copies_);
    form->addRow(QString(), toFile_);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("&Afdrukken"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("cmdOK"));
    buttons->addButton(QStringLiteral("Annuleren"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    if (names.isEmpty()) {
        auto* none = new QLabel(QStringLiteral("Er is geen printer geïnstalleerd: het overzicht "
                                               "kan naar een PDF-bestand of, met \"Afdrukken "
                                               "naar bestand\", naar een *.prn-bestand."),
                                this);
        none->setObjectName(QStringLiteral("lblGeenPrinter"));
        none->setWordWrap(true);
        layout->addWidget(none);
    }
    layout->addLayout(form);
    layout->addWidget(buttons);
    // A PDF file is written once: copies are for paper.
    auto pdfChosen = [this] { copies_->setEnabled(!printerName().isEmpty()); };
    connect(printers_, &QComboBox::currentIndexChanged, this, pdfChosen);
    pdfChosen();
}

QString PrinterDialog::printerName() const {
    return printers_->currentData().toString();
}

int PrinterDialog::copies() const {
    return copies_->value();
}

bool PrinterDialog::printToFile() const {
    return toFile_->isChecked();
}

} // namespace orv
