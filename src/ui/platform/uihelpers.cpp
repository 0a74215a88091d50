#include "ui/platform/uihelpers.h"

#include <QAbstractItemView>
#include <QAction>
#include <QBoxLayout>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

namespace orv {
namespace {

bool isField(const QWidget* w) {
    // A combo box's popup list belongs to the combo box, not to the form.
    if (qobject_cast<const QAbstractItemView*>(w)) {
        const QWidget* parent = w->parentWidget();
        return !(parent && parent->inherits("QComboBoxPrivateContainer"));
    }
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w);
}

} // namespace

void setFieldBackground(QWidget* field, const QColor& colour) {
    QPalette palette = field->palette();
    // Both groups: a disabled field keeps the colour it is given, not the style's grey.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, colour);
        palette.setColor(group, QPalette::Button, colour);
    }
    field->setPalette(palette);
    if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit())
        combo->lineEdit()->setPalette(palette);
}

void setTextColour(QWidget* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

QColor fieldBackground(const QWidget* field) {
    return field->palette().color(QPalette::Base);
}

void SetFieldColours(QWidget* form, const QColor& enabledColour, const QColor& disabledColour) {
    const QList<QWidget*> children = form->findChildren<QWidget*>();
    for (QWidget* w : children) {
        if (isField(w)) setFieldBackground(w, w->isEnabled() ? enabledColour : disabledColour);
    }
}

void paintGradient(QPainter& painter, const QRect& area, const QColor& start, const QColor& end) {
    const int height = area.height();
    if (height <= 0) return;
    const int span = std::max(1, height - 1);
    for (int y = 0; y < height; ++y) {
        auto mix = [&](int a, int b) { return a + (b - a) * y / span; };
        painter.setPen(QColor(mix(start.red(), end.red()), mix(start.green(), end.green()),
                              mix(start.blue(), end.blue())));
        painter.drawLine(area.left(), area.top() + y, area.right(), area.top() + y);
    }
}

void closeDocument(QWidget* document) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(document->parentWidget()))
        sub->close();
    else
        document->close();
}

QPushButton* addButton(QBoxLayout& row, QWidget* parent, const QString& name,
                       const QString& caption, std::function<void()> onClick) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    QObject::connect(button, &QPushButton::clicked, parent, std::move(onClick));
    row.addWidget(button);
    return button;
}

namespace {

// A flat toolbar button draws no focus of its own: it stands raised while it has the focus.
class RaiseOnFocus final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (auto* button = qobject_cast<QToolButton*>(watched);
            button && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
            button->setAutoRaise(event->type() == QEvent::FocusOut);
        return false;
    }
};

} // namespace

void reachToolbar(QToolBar* bar) {
    auto* raise = new RaiseOnFocus(bar);
    for (QAction* action : bar->actions()) {
        QWidget* button = bar->widgetForAction(action);
        // Once is enough: a toolbar that grows is reached again for its new buttons.
        if (!button || action->isSeparator() || button->focusPolicy() == Qt::TabFocus) continue;
        button->setFocusPolicy(Qt::TabFocus);
        button->installEventFilter(raise);
        if (button->accessibleName().isEmpty())
            button->setAccessibleName(action->toolTip().isEmpty() ? action->text()
                                                                  : action->toolTip());
    }
}

} // namespace orv
