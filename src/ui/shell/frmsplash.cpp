#include "ui/shell/frmsplash.h"

#include "base/version.h"
#include "ui/platform/uihelpers.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace orv {

frmSplashII::frmSplashII(int milliseconds, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplashII"));
    auto label = [this](const QString& text, int pointSize, const char* name) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        l->setAlignment(Qt::AlignCenter);
        QFont f = l->font();
        f.setPointSize(pointSize);
        l->setFont(f);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, Qt::white);
        l->setPalette(p);
        return l;
    };
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(label(QLatin1String(kProgramTitle), 28, "lblTitel"));
    layout->addWidget(label(QLatin1String(kMakerName), 11, "lblMaker"));
    layout->addWidget(label(QStringLiteral("Versie %1.%2 rev%3")
                                .arg(kVersionMajor)
                                .arg(kVersionMinor)
                                .arg(kVersionRevision),
                            11, "lblVersie"));
    layout->addStretch();
    resize(420, 240);
    timer_.setSingleShot(true);
    timer_.setInterval(milliseconds);
    connect(&timer_, &QTimer::timeout, this, &frmSplashII::finish);
}

void frmSplashII::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintGradient(painter, rect(), QColor(0, 0, 160), QColor(0, 0, 40));
}

void frmSplashII::mousePressEvent(QMouseEvent*) {
    finish();
}
void frmSplashII::keyPressEvent(QKeyEvent*) {
    finish();
}

void frmSplashII::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    timer_.start();
}

void frmSplashII::finish() {
    if (done_) return;
    done_ = true;
    timer_.stop();
    emit finished();
    close();
}

} // namespace orv
