#include "ui/overzicht/frmsamenstellen.h"

#include "report/sections.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

frmSamenstellen::frmSamenstellen(ReportKind reportKind, QWidget* parent)
    : QDialog(parent), sections_(Sections::initial(reportKind)) {
    setObjectName(QStringLiteral("frmSamenstellen"));
    setWindowTitle(QStringLiteral("Samenstellen overzichten"));
    auto* frame = new QGroupBox(QStringLiteral("Selecteer onderdeel"), this);
    auto* frameLayout = new QVBoxLayout(frame);
    for (int i = 0; i < 4; ++i) {
        const QString caption = sectionCaption(reportKind, i).toString();
        auto* box = new QCheckBox(caption, frame);
        box->setObjectName(QStringLiteral("Check_%1").arg(i));
        box->setChecked(sections_.box(i));
        box->setVisible(!caption.isEmpty());
        connect(box, &QCheckBox::toggled, this,
                [this, i](bool ticked) { sections_.setBox(i, ticked); });
        frameLayout->addWidget(box);
    }
    auto* ok = new QPushButton(QStringLiteral("Aanmaken"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(ok, 0, Qt::AlignRight);
}

} // namespace orv
