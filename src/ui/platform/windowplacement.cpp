#include "ui/platform/windowplacement.h"

#include "app/windowplace.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace orv {
namespace {

const char* const kPlacedProperty = "orvPlaced";

QString key(const QWidget* window) {
    return QStringLiteral("Vensters/") + window->objectName();
}

bool remembered(const QWidget* window) {
    return window->objectName().startsWith(QLatin1String("frm")) &&
           window->objectName() != QLatin1String("frmSplashII");
}

bool placeable(const QWidget* window) {
    const Qt::WindowType type = window->windowType();
    return window->isWindow() && (type == Qt::Window || type == Qt::Dialog);
}

// Before the window is mapped its frame is unknown: a title bar and thin borders are assumed.
QMargins frameOf(const QWidget* window) {
    const QMargins known(window->geometry().left() - window->frameGeometry().left(),
                         window->geometry().top() - window->frameGeometry().top(),
                         window->frameGeometry().right() - window->geometry().right(),
                         window->frameGeometry().bottom() - window->geometry().bottom());
    return known.isNull() ? QMargins(4, 32, 4, 4) : known;
}

} // namespace

WindowPlacement::WindowPlacement(QSettings& store, QObject* parent)
    : QObject(parent), store_(store) {
    QCoreApplication::instance()->installEventFilter(this);
}

void WindowPlacement::place(QWidget* window) {
    window->setProperty(kPlacedProperty, true);
    QList<QRect> screens;
    const QScreen* first = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (first) screens.append(first->availableGeometry());
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != first) screens.append(screen->availableGeometry());
    }
    const QRect last = remembered(window) ? store_.value(key(window)).toRect() : QRect();
    const QSize own = window->size();
    const WindowPlace where = placeWindow(last, own, screens, frameOf(window));
    // Without a remembered place a dialog keeps the place Qt gives it over its parent, only
    // made small enough for the screen; a window opens in the middle of the screen.
    if (!where.remembered && qobject_cast<QDialog*>(window)) {
        if (where.geometry.size() != own) window->resize(where.geometry.size());
        return;
    }
    window->setGeometry(where.geometry);
    if (store_.value(key(window) + QStringLiteral("_max")).toBool())
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
}

void WindowPlacement::remember(QWidget* window) {
    const bool maximised = window->isMaximized();
    store_.setValue(key(window), maximised ? window->normalGeometry() : window->geometry());
    store_.setValue(key(window) + QStringLiteral("_max"), maximised);
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
        auto* window = qobject_cast<QWidget*>(watched);
        if (window && placeable(window)) {
            if (event->type() == QEvent::Show && !window->property(kPlacedProperty).toBool())
                place(window);
            else if (event->type() == QEvent::Hide && remembered(window) &&
                     window->property(kPlacedProperty).toBool())
                remember(window);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace orv
