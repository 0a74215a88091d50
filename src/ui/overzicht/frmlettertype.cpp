#include "ui/overzicht/frmlettertype.h"

#include "base/win1252.h"
#include "print/fontcheck.h"
#include "report/pagefit.h"
#include "report/printsettings.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <utility>

namespace orv {

frmLettertype::frmLettertype(SettingsData& settings, Platform& platform, QWidget* parent)
    : QDialog(parent), settings_(settings), platform_(platform) {
    setObjectName(QStringLiteral("frmLettertype"));
    setWindowTitle(QStringLiteral("Afdrukinstelling overzichten"));
    auto* grid = new QGridLayout(this);
    cboLtype_ = addList("cboLtype", QStringLiteral("Lettertype :"), 0);
    cboLgrootte_ = addList("cboLgrootte", QStringLiteral("Lettergrootte :"), 1);
    cboKop_ = addList("cboKop", QStringLiteral("Koptekst :"), 2);
    cboBody1_ = addList("cboBody1", QStringLiteral("Subtekst :"), 3);
    cboBody2_ = addList("cboBody2", QStringLiteral("Overzicht :"), 4);
    cboA4_ = addList("cboA4", QStringLiteral("Papieroriëntatie :"), 5);

    auto* buttons = new QHBoxLayout;
    const std::pair<const char*, const char*> texts[] = {
        {"cmdOK", "Toepassen"}, {"cmdCancel", "Annuleren"}, {"cmdDefault", "Standaard"}};
    QPushButton* made[3] = {};
    for (int i = 0; i < 3; ++i) {
        made[i] = new QPushButton(QString::fromUtf8(texts[i].second), this);
        made[i]->setObjectName(QString::fromLatin1(texts[i].first));
        made[i]->setAutoDefault(false);
        buttons->addWidget(made[i]);
    }
    made[0]->setDefault(true);
    grid->addLayout(buttons, 6, 0, 1, 2);
    connect(made[0], &QPushButton::clicked, this, &frmLettertype::cmdOK_Click);
    connect(made[1], &QPushButton::clicked, this, &QDialog::reject);
    connect(made[2], &QPushButton::clicked, this, &frmLettertype::cmdDefault_Click);

    applyPrintStartValues(settings_);
    // The system's fonts stand for the printer's: a list to choose from, never to type in,
    // so that no name is stored that then prints in another font without a word.
    const QStringList families = QFontDatabase::families();
    if (families.isEmpty())
        platform.messageBox(QStringLiteral("Kan printerfonts niet laden"), MsgIcon::Critical,
                            MsgButtons::Ok, QStringLiteral("Foutmelding"));
    cboLtype_->addItems(families);
    for (QStringView text : kOrientationTexts)
        cboA4_->addItem(text.toString());
    for (QStringView text : kFontSizeTexts)
        cboLgrootte_->addItem(text.toString());
    for (QComboBox* box : {cboKop_, cboBody1_, cboBody2_})
        for (QStringView text : kStyleTexts)
            box->addItem(text.toString());
    LoadPropertySettings();
}

frmLettertype::~frmLettertype() {
    if (normalPointer_) QGuiApplication::restoreOverrideCursor();
}

QComboBox* frmLettertype::addList(const char* name, const QString& label, int row) {
    auto* grid = static_cast<QGridLayout*>(layout());
    auto* box = new QComboBox(this);
    box->setObjectName(QString::fromLatin1(name));
    auto* text = new QLabel(label, this);
    text->setBuddy(box);
    grid->addWidget(text, row, 0);
    grid->addWidget(box, row, 1);
    return box;
}

void frmLettertype::LoadPropertySettings() {
    cboA4_->setCurrentIndex(orientationEntry(settings_.paperOrientation));
    // A stored name that is not installed stays the choice, marked with what prints instead.
    const QString name = trimmed(settings_.printFontName);
    if (cboLtype_->count() > 0 && cboLtype_->itemData(0).isValid()) cboLtype_->removeItem(0);
    int entry = cboLtype_->findText(name, Qt::MatchFixedString);
    if (entry < 0 && !name.isEmpty()) {
        cboLtype_->insertItem(0,
                              QStringLiteral("%1 (niet geïnstalleerd, afgedrukt in %2)")
                                  .arg(name, printedFontFamily(name)),
                              name);
        entry = 0;
    }
    cboLtype_->setCurrentIndex(entry);
    cboLgrootte_->setCurrentIndex(fontSizeEntry(settings_.printFontSize));
    cboKop_->setCurrentIndex(styleEntry(settings_.headerStyle));
    cboBody1_->setCurrentIndex(styleEntry(settings_.bodyStyle1));
    cboBody2_->setCurrentIndex(styleEntry(settings_.bodyStyle2));
}

void frmLettertype::cmdOK_Click() {
    PrintDialogChoice choice;
    choice.orientationEntry = cboA4_->currentIndex();
    const QVariant stored = cboLtype_->currentData();
    choice.fontName = stored.isValid() ? stored.toString() : cboLtype_->currentText();
    choice.fontSizeText = cboLgrootte_->currentText();
    choice.headerEntry = cboKop_->currentIndex();
    choice.body1Entry = cboBody1_->currentIndex();
    choice.body2Entry = cboBody2_->currentIndex();
    applyPrintChoice(settings_, choice);
    // The values chosen stay in force; the user is only told what they cut.
    const QString cut = pageCutWarning(reportKindsCut(settings_), settings_);
    if (!cut.isEmpty())
        platform_.messageBox(cut, MsgIcon::Exclamation, MsgButtons::Ok,
                             QStringLiteral("Waarschuwing"));
    accept();
}

// At once, so that the values stay when the dialog is then cancelled.
void frmLettertype::cmdDefault_Click() {
    applyPrintStandard(settings_);
    LoadPropertySettings();
}

// The main window shows the hourglass while this dialog is open; inside it the normal
// pointer belongs.
void frmLettertype::showEvent(QShowEvent* event) {
    if (!normalPointer_) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    normalPointer_ = true;
    QDialog::showEvent(event);
}

void frmLettertype::hideEvent(QHideEvent* event) {
    if (normalPointer_) QGuiApplication::restoreOverrideCursor();
    normalPointer_ = false;
    QDialog::hideEvent(event);
}

} // namespace orv
