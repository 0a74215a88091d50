#include "ui/shell/recoverywatch.h"

#include "app/mainstate.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

namespace orv {

RecoveryWatch::RecoveryWatch(MainState& mainState, QObject* parent)
    : QObject(parent), mainState_(mainState), soon_(new QTimer(this)) {
    // A commit runs in the handler of the key or click itself: the check waits until that
    // handler has returned.
    soon_->setSingleShot(true);
    soon_->setInterval(0);
    connect(soon_, &QTimer::timeout, this, [this] { mainState_.projectChanged(); });
    auto* minute = new QTimer(this);
    minute->setInterval(60 * 1000);
    connect(minute, &QTimer::timeout, this, [this] { mainState_.projectChanged(); });
    minute->start();
    QCoreApplication::instance()->installEventFilter(this);
}

bool RecoveryWatch::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyRelease:
    case QEvent::MouseButtonRelease:
    case QEvent::Drop:
        soon_->start();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace orv
