// Showing and closing the other windows of the main window.

#include "app/mainstate.h"
#include "ui/shell/frmabout.h"
#include "ui/shell/frmstart.h"

#include <QDialog>
#include <QEventLoop>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace orv {
namespace {

std::size_t slot(FormId form) {
    return static_cast<std::size_t>(form);
}

} // namespace

void frmStart::setFormFactory(FormId form, FormFactory factory) {
    factories_[slot(form)] = std::move(factory);
}

bool frmStart::isFormOpen(FormId form) const {
    return !forms_[slot(form)].isNull();
}

void frmStart::showForm(FormId form, bool modal) {
    if (!modal && forms_[slot(form)]) {
        QWidget* open = forms_[slot(form)];
        if (auto* sub = qobject_cast<QMdiSubWindow*>(open)) mdi_->setActiveSubWindow(sub);
        open->raise();
        open->activateWindow();
        return;
    }
    if (form == FormId::About && !factories_[slot(form)]) {
        showAbout();
        return;
    }
    QWidget* w = createForm(form);
    if (!w) return;
    if (modal) {
        if (auto* dialog = qobject_cast<QDialog*>(w)) {
            dialog->exec();
            delete dialog;
            return;
        }
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->setWindowFlag(Qt::Window, true);
        w->setWindowModality(Qt::ApplicationModal);
        QEventLoop loop;
        connect(w, &QObject::destroyed, &loop, &QEventLoop::quit);
        w->show();
        loop.exec();
        return;
    }
    w->setAttribute(Qt::WA_DeleteOnClose);
    if (form == FormId::Invoer || form == FormId::Overzicht || form == FormId::PreView) {
        // The documents live inside the frame: the input form at its own size, the overview
        // and the preview filling it, as wide as their tables and pages want.
        QMdiSubWindow* sub = mdi_->addSubWindow(w);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        if (form == FormId::Invoer) {
            sub->resize(sub->sizeHint().expandedTo(w->size()));
            sub->show();
        } else {
            sub->showMaximized();
        }
        forms_[slot(form)] = sub;
    } else {
        w->setWindowFlag(Qt::Window, true);
        w->show();
        forms_[slot(form)] = w;
    }
}

void frmStart::closeForm(FormId form) {
    QPointer<QWidget> w = forms_[slot(form)];
    if (!w) return;
    forms_[slot(form)] = nullptr;
    // A form that refuses to close stays on record as open.
    if (!w->close()) forms_[slot(form)] = w;
}

QWidget* frmStart::createForm(FormId form) {
    if (const FormFactory& factory = factories_[slot(form)]) return factory(this);
    return nullptr;
}

void frmStart::showAbout() {
    const QString delivery = mainState_ ? mainState_->deliveryTextPath() : QString();
    frmAbout about(state_, platform_, delivery, this);
    about.exec();
}

} // namespace orv
