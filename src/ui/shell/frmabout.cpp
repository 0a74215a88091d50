#include "ui/shell/frmabout.h"

#include "base/helpers.h"
#include "base/version.h"
#include "base/win1252.h"
#include "ui/platform/uihelpers.h"
#include "ui/shell/programicon.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringDecoder>
#include <QToolButton>

namespace orv {

QString readDeliveryText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.read(1 << 20);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? fromWin1252(bytes) : text;
}

frmAbout::frmAbout(const State& state, Platform& platform, const QString& deliveryPath,
                   QWidget* parent)
    : QDialog(parent), platform_(platform) {
    const QString title = QLatin1String(kProgramTitle);
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Info ") + title);

    auto label = [this](const QString& text, const char* name, bool bold = false) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        l->setTextFormat(Qt::PlainText);
        setTextColour(l, Qt::white);
        if (bold) {
            QFont f = l->font();
            f.setBold(true);
            f.setPointSizeF(f.pointSizeF() * 1.5);
            l->setFont(f);
        }
        return l;
    };
    // The label name doubles its first "&" for a mnemonic caption; this label shows it plain.
    const QString user =
        trimmed(state.settings.userNameLabel).replace(QStringLiteral("&&"), QStringLiteral("&"));
    const QString version = QStringLiteral(", versie %1.%2 rev%3 (Qt %4)")
                                .arg(kVersionMajor)
                                .arg(kVersionMinor)
                                .arg(kVersionRevision)
                                .arg(QLatin1String(qVersion()));

    auto* picture = new QToolButton(this);
    picture->setObjectName(QStringLiteral("picLogo"));
    picture->setAutoRaise(true);
    picture->setIcon(programIcon());
    picture->setIconSize(QSize(64, 64));
    picture->setToolTip(QStringLiteral("Feedback sturen"));
    picture->setAccessibleName(picture->toolTip());
    connect(picture, &QToolButton::clicked, this, &frmAbout::sendFeedback);

    auto* delivery = new QPlainTextEdit(this);
    delivery->setObjectName(QStringLiteral("txtLevering"));
    delivery->setReadOnly(true);
    delivery->setPlainText(readDeliveryText(deliveryPath));
    delivery->setAccessibleName(QStringLiteral("levering.txt"));
    // Wide enough for a line of the delivery text, as tall as a short page of it.
    const QFontMetrics metrics(delivery->font());
    delivery->setMinimumSize(metrics.horizontalAdvance(QLatin1Char('x')) * 80,
                             metrics.lineSpacing() * 12);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(picture, 0, 0, 5, 1, Qt::AlignTop);
    layout->addWidget(label(title, "lblTitel", true), 0, 1);
    layout->addWidget(label(QStringLiteral("Berekening van de optredende geluidsniveaus \n"
                                           "ten gevolge van industriële geluidsbronnen volgens "
                                           "de rekenmethode I uit de \n"
                                           "Handleiding meten en rekenen industrielawaai "
                                           "(ministerie VROM, 1999)."),
                            "lblOmschrijving"),
                      1, 1);
    layout->addWidget(label(title + version, "lblVersie"), 2, 1);
    layout->addWidget(label(QStringLiteral("Gebruiker :\n") + user, "lblGebruiker"), 3, 1);
    layout->addWidget(label(QLatin1String(kMakerName), "lblMaker"), 4, 1);
    layout->addWidget(delivery, 5, 0, 1, 2);
    layout->addWidget(buttons, 6, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(5, 1);
}

void frmAbout::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintGradient(painter, rect(), QColor(0, 0, 160), QColor(0, 0, 40));
}

void frmAbout::sendFeedback() {
    platform_.openMail(QLatin1String(kSupportAddress),
                       QStringLiteral(" Feedback ") + QLatin1String(kProgramTitle) +
                           QStringLiteral(" %1.%2").arg(kVersionMajor).arg(kVersionMinor));
}

} // namespace orv
