// Keys and focus: the key filter of each box, Enter/Down/Up between the boxes of an array
// and between the combo boxes, F9 and Escape for the whole form, the status and help texts
// on arrival, and the check of a box that is left.

#include "ui/invoer/frminvoer.h"

#include "input/sourcetexts.h"
#include "input/validate.h"
#include "ui/platform/uihelpers.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDate>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace orv {
namespace {

struct BoxId {
    FieldGroup group;
    int index;
};

std::optional<BoxId> boxId(const QObject* o) {
    const QVariant group = o->property("fieldGroup");
    if (!group.isValid()) return std::nullopt;
    return BoxId{static_cast<FieldGroup>(group.toInt()), o->property("fieldIndex").toInt()};
}

const FieldSpec& specOf(BoxId id) {
    return fieldRule(id.group, id.index);
}

bool isEnterOrDown(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down;
}

} // namespace

void frmInvoer::setStatus(const QString& status, const QString& help) {
    helpText_ = help;
    if (view_) view_->setStatusText(2, status);
}

void frmInvoer::fieldFocusIn(QWidget* field) {
    if (const auto id = boxId(field)) {
        const FieldSpec& rule = specOf(*id);
        static_cast<QLineEdit*>(field)->selectAll();
        setStatus(QString::fromUtf8(rule.status), QString::fromUtf8(rule.help));
    } else if (const ComboSpec* combo = comboSpec(field->objectName())) {
        setStatus(QString::fromUtf8(combo->status), QString::fromUtf8(combo->help));
    } else if (auto* list = qobject_cast<QListWidget*>(field)) {
        const SourceKind kind = list == lstBron_[LineSource] ? LineSource : MobileSource;
        setStatus(listStatusText(kind, list->count()), listHelpText());
    } else if (field == cmdOK_[0] || field == cmdOK_[1]) {
        setStatus(QStringLiteral("Invoer/wijzigingen bevestigen"), QString());
    } else if (field == cmdCancel_[0] || field == cmdCancel_[1]) {
        setStatus(QStringLiteral("Invoer/wijzigingen annuleren"), QString());
    } else if (field == cmdControle_) {
        setStatus(QStringLiteral("Test geometrie lijnbron"), QString());
    }
}

void frmInvoer::fieldLeft(QLineEdit* edit) {
    const auto id = boxId(edit);
    if (!id || !edit->isEnabled() || closing_) return;
    const ValidateResult r = leaveBox(id->group, id->index, edit->text(), today());
    if (!r.accepted) {
        refuseBox(edit, r.toolTip);
        return;
    }
    setFieldBackground(edit, kLightYellow);
    edit->setToolTip(QString());
    edit->setText(r.text);
    if (id->group == FieldGroup::Mobbron && id->index == 1) {
        txtMobbron_[7]->setEnabled(subSourceCount(r.text).farthestInUse);
        repaintFields();
    }
}

// Red, the hint, and the focus back once the focus change that left the box is over.
void frmInvoer::refuseBox(QLineEdit* edit, const QString& toolTip) {
    setFieldBackground(edit, kRefusedRed);
    edit->setToolTip(toolTip);
    QTimer::singleShot(0, edit, [edit] { edit->setFocus(Qt::OtherFocusReason); });
}

// The geometry test of the line source being entered or edited: the boxes it reads are
// checked as on leaving them; a box without a number is refused and nothing opens.
void frmInvoer::cmdControle_Click() {
    if (lstBron_[LineSource]->isEnabled()) return; // not entering a line source
    const BoxesGeometry run =
        geometryTestOfBoxes(sourceTexts(LineSource).boxes, QStringLiteral("\n"));
    if (run.refusedBox >= 0) {
        refuseBox(txtLijnbron_[static_cast<std::size_t>(run.refusedBox)], run.toolTip);
        return;
    }
    for (const auto& [index, text] : run.normalised) {
        QLineEdit* edit = txtLijnbron_[static_cast<std::size_t>(index)];
        edit->setText(text);
        edit->setToolTip(QString());
        setFieldBackground(edit, enabledColour());
    }
    emit geometryRequested(run);
}

bool frmInvoer::fieldKey(QWidget* field, QKeyEvent* key) {
    if (const auto id = boxId(field)) {
        const bool farthest = txtMobbron_[7]->isEnabled();
        if (isEnterOrDown(key->key()) || key->key() == Qt::Key_Up) {
            const int next =
                nextFieldIndex(id->group, id->index, key->key() != Qt::Key_Up, farthest);
            box(id->group, next)->setFocus(Qt::TabFocusReason);
            return true;
        }
        const QString text = key->text();
        // Tab and the other control keys move or edit; only typed characters are filtered.
        if (text.size() != 1 || key->modifiers() & (Qt::ControlModifier | Qt::AltModifier) ||
            (text.front().unicode() < 32 && !acceptsKey(specOf(*id), text.front())))
            return false;
        switch (keyColour(specOf(*id), text.front(), selectedCount_ >= 2)) {
        case KeyColour::Refused:
            setFieldBackground(field, kRefusedRed);
            return true;
        case KeyColour::Normal:
            setFieldBackground(field, kLightYellow);
            return false;
        case KeyColour::EditMany:
            setFieldBackground(field, kEditManyCyan);
            return false;
        }
        return false;
    }
    // The list toolbar by keyboard: Insert adds, Enter edits, Delete deletes.
    if (auto* list = qobject_cast<QListWidget*>(field)) {
        const SourceKind kind = list == lstBron_[LineSource] ? LineSource : MobileSource;
        if (key->key() == Qt::Key_Insert)
            startAdding(kind);
        else if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            Wijzig(kind);
        else if (key->key() == Qt::Key_Delete)
            Wissen(kind);
        else
            return false;
        return true;
    }
    // Enter on a focused button presses it, as Space does.
    if (auto* button = qobject_cast<QPushButton*>(field);
        button && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        button->click();
        return true;
    }
    if (qobject_cast<QComboBox*>(field) &&
        (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        const QString target = comboEnterTarget(field->objectName());
        if (target.isEmpty()) return false;
        if (auto* w = findChild<QWidget*>(target)) w->setFocus(Qt::TabFocusReason);
        return true;
    }
    return false;
}

bool frmInvoer::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QWidget*>(watched);
    if (!field) return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        // The form sees every key before its fields.
        if (key->key() == Qt::Key_F9) {
            platform_.startProgram(QStringLiteral("calc.exe"));
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            closeForm();
            return true;
        }
        // Ctrl+Page Down and Up for the next and previous tab (Ctrl+Tab belongs to the frame,
        // which cycles its windows with it).
        if (key->modifiers() & Qt::ControlModifier &&
            (key->key() == Qt::Key_PageDown || key->key() == Qt::Key_PageUp)) {
            const int step = key->key() == Qt::Key_PageDown ? 1 : 2;
            for (int i = 1, tab = tabs_->currentIndex(); i < 3; ++i) {
                tab = (tab + step) % 3;
                if (tabs_->isTabEnabled(tab)) {
                    tabs_->setCurrentIndex(tab);
                    break;
                }
            }
            return true;
        }
        return fieldKey(field, key);
    }
    case QEvent::FocusIn:
        fieldFocusIn(field);
        break;
    case QEvent::FocusOut: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // A message box or a popup takes the focus for a moment: that is no leaving.
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) break;
        if (auto* edit = qobject_cast<QLineEdit*>(field)) fieldLeft(edit);
        break;
    }
    default:
        break;
    }
    return false;
}

void frmInvoer::toggleCalendar() {
    if (monthView1_->isVisible()) {
        monthView1_->hide();
        return;
    }
    QString text = txtProject_[1]->text().trimmed();
    if (text.isEmpty()) text = today();
    const QDate date = QDate::fromString(text, QStringLiteral("dd-MM-yyyy"));
    if (date.isValid()) monthView1_->setSelectedDate(date);
    monthView1_->show();
}

} // namespace orv
