#include "ui/lw/frmlw.h"

#include "app/session.h"
#include "base/numberformat.h"
#include "base/platform.h"
#include "base/win1252.h"
#include "input/fields.h"
#include "library/library.h"
#include "model/state.h"
#include "ui/platform/uihelpers.h"
#include "ui/platform/win1252guard.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace orv {

namespace {

ValidateResult checkLevel(int index, const QLineEdit* box) {
    return leaveBox(FieldGroup::Lw, index, box->text(), {});
}

QPushButton* button(const QString& name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QLabel* label(const QString& name, const QString& caption, QWidget* buddy, QWidget* parent) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    l->setBuddy(buddy);
    return l;
}

// The box as the shared check leaves it: the accepted text in light yellow, or red with the
// hint and the focus back while the typed text stays.
bool applyCheck(QLineEdit* box, const ValidateResult& result) {
    box->setToolTip(result.toolTip);
    if (!result.accepted) {
        setFieldBackground(box, kRefusedRed);
        box->setFocus(Qt::OtherFocusReason);
        return false;
    }
    box->setText(result.text);
    setFieldBackground(box, kLightYellow);
    return true;
}

} // namespace

frmLw::frmLw(State& state, const Session& session, Platform& platform, QWidget* parent)
    : QDialog(parent), state_(state), editor_(state, platform, session.dialogFolder) {
    setObjectName(QStringLiteral("frmLw"));
    setWindowTitle(QStringLiteral("Geluidsbronnen"));
    buildControls();
    Form_Load();
}

void frmLw::buildControls() {
    const QFontMetrics fm(font());
    lstLw_ = new QListWidget(this);
    lstLw_->setObjectName(QStringLiteral("lstLw"));
    lstLw_->setAccessibleName(QStringLiteral("Geluidsbronnen"));
    lstLw_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Eighteen whole rows: a height taken from the font's line spacing leaves the last visible
    // row cut in half, since a row is a little taller than a line.
    lstLw_->addItem(QStringLiteral("X"));
    const int row = lstLw_->sizeHintForRow(0);
    lstLw_->clear();
    lstLw_->setMinimumSize(fm.averageCharWidth() * 32, row * 18 + 2 * lstLw_->frameWidth());
    lstLw_->viewport()->installEventFilter(this);
    lblLijst_ = label(QStringLiteral("lblLijst"), QStringLiteral("Geluidsbronnen"), lstLw_, this);
    Label1_ = new QLabel(this);
    Label1_->setObjectName(QStringLiteral("Label1"));
    for (QLabel* l : {lblLijst_, Label1_}) {
        QSizePolicy keep = l->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        l->setSizePolicy(keep);
    }
    Label1_->hide();

    txtOmsch_ = new QLineEdit(this);
    txtOmsch_->setObjectName(QStringLiteral("txtOmsch"));
    txtOmsch_->setMaxLength(kEntryNameWidth);
    txtOmsch_->setMinimumWidth(fm.averageCharWidth() * 30);
    auto* lblOmsch = label(QStringLiteral("lblOmsch"), QStringLiteral("Omschrijving geluidsbron"),
                           txtOmsch_, this);
    auto* lblNiveau = new QLabel(QStringLiteral("Geluidsvermogenniveau in dB(A)"), this);
    lblNiveau->setObjectName(QStringLiteral("lblNiveau"));
    auto* levels = new QGridLayout;
    fieldLabels_ = {lblOmsch, lblNiveau};
    for (int i = 0; i < 2; ++i) {
        txtLw_[i] = new QLineEdit(this);
        txtLw_[i]->setObjectName(fieldName(FieldGroup::Lw, i));
        txtLw_[i]->setAlignment(Qt::AlignRight);
        txtLw_[i]->setFixedWidth(fm.horizontalAdvance(QStringLiteral("0000,00")) + fm.height());
        auto* l = label(QStringLiteral("lblLw_%1").arg(i),
                        QString::fromUtf8(fieldRule(FieldGroup::Lw, i).label), txtLw_[i], this);
        fieldLabels_.append(l);
        levels->addWidget(l, i, 0);
        levels->addWidget(txtLw_[i], i, 1);
    }
    levels->setColumnStretch(2, 1);
    levels->setHorizontalSpacing(fm.averageCharWidth() * 2);
    for (QLineEdit* box : {txtOmsch_, txtLw_[0], txtLw_[1]})
        box->installEventFilter(this);
    refuseOutsideWin1252(txtOmsch_);

    cmdToevoegen_ = button(QStringLiteral("cmdToevoegen"), QStringLiteral("Toevoegen"), this);
    cmdWijzig_ = button(QStringLiteral("cmdWijzig"), QStringLiteral("Wijzigen"), this);
    cmdWissen_ = button(QStringLiteral("cmdWissen"), QStringLiteral("Wissen"), this);
    cmdOK_ = button(QStringLiteral("cmdOK"), QStringLiteral("Toepassen"), this);
    cmdCancel_ = button(QStringLiteral("cmdCancel"), QStringLiteral("Annuleren"), this);
    connect(cmdToevoegen_, &QPushButton::clicked, this, &frmLw::cmdToevoegen_Click);
    connect(cmdWijzig_, &QPushButton::clicked, this, &frmLw::cmdWijzig_Click);
    connect(cmdWissen_, &QPushButton::clicked, this, &frmLw::cmdWissen_Click);
    connect(cmdOK_, &QPushButton::clicked, this, &frmLw::cmdOK_Click);
    connect(cmdCancel_, &QPushButton::clicked, this, &frmLw::cmdCancel_Click);
    connect(lstLw_, &QListWidget::currentRowChanged, this, [this] {
        if (!filling_) lstLw_Click();
    });
    connect(lstLw_, &QListWidget::itemDoubleClicked, this, &frmLw::cmdWijzig_Click);

    auto* fields = new QVBoxLayout;
    fields->addWidget(lblOmsch);
    fields->addWidget(txtOmsch_);
    fields->addSpacing(fm.lineSpacing());
    fields->addWidget(lblNiveau);
    fields->addLayout(levels);
    fields->addStretch(1);
    auto* listButtons = new QHBoxLayout;
    listButtons->setSpacing(fm.averageCharWidth());
    for (QPushButton* b : {cmdToevoegen_, cmdWijzig_, cmdWissen_})
        listButtons->addWidget(b);
    auto* editButtons = new QHBoxLayout;
    editButtons->setSpacing(fm.averageCharWidth());
    editButtons->addStretch(1);
    editButtons->addWidget(cmdOK_);
    editButtons->addWidget(cmdCancel_);
    fields->addLayout(editButtons);

    auto* grid = new QGridLayout(this);
    grid->addWidget(lblLijst_, 0, 0);
    grid->addWidget(lstLw_, 1, 0);
    grid->addWidget(Label1_, 2, 0);
    grid->addLayout(listButtons, 3, 0);
    grid->addLayout(fields, 1, 1, 3, 1);
    grid->setColumnStretch(0, 1);
    grid->setHorizontalSpacing(fm.averageCharWidth() * 3);

    setTabOrder(lstLw_, cmdToevoegen_);
    setTabOrder(cmdToevoegen_, cmdWijzig_);
    setTabOrder(cmdWijzig_, cmdWissen_);
    setTabOrder(cmdWissen_, txtOmsch_);
    setTabOrder(txtOmsch_, txtLw_[0]);
    setTabOrder(txtLw_[0], txtLw_[1]);
    setTabOrder(txtLw_[1], cmdOK_);
    setTabOrder(cmdOK_, cmdCancel_);
}

void frmLw::Form_Load() {
    clearFields();
    fillList(-1);
    LockFields();
}

void frmLw::fillList(int selectRow) {
    filling_ = true;
    lstLw_->clear();
    lstLw_->addItems(editor_.names());
    lstLw_->setCurrentRow(selectRow);
    filling_ = false;
}

void frmLw::clearFields() {
    for (QLineEdit* box : {txtOmsch_, txtLw_[0], txtLw_[1]})
        box->clear();
}

void frmLw::showTexts(const EntryTexts& texts) {
    txtOmsch_->setText(texts.name);
    const double levels[2] = {texts.lwEq, texts.lwMax};
    for (int i = 0; i < 2; ++i)
        txtLw_[i]->setText(
            formatNumber(levels[i], QString::fromLatin1(fieldRule(FieldGroup::Lw, i).format)));
}

void frmLw::lstLw_Click() {
    Label1_->hide();
    lblLijst_->show();
    if (const auto texts = editor_.show(lstLw_->currentRow())) showTexts(*texts);
}

void frmLw::setEditing(bool editing) {
    for (QWidget* w : {static_cast<QWidget*>(txtOmsch_), static_cast<QWidget*>(txtLw_[0]),
                       static_cast<QWidget*>(txtLw_[1]), static_cast<QWidget*>(cmdOK_),
                       static_cast<QWidget*>(cmdCancel_)})
        w->setEnabled(editing);
    for (QWidget* w : fieldLabels_)
        w->setEnabled(editing);
    for (QWidget* w : {static_cast<QWidget*>(cmdToevoegen_), static_cast<QWidget*>(cmdWijzig_),
                       static_cast<QWidget*>(cmdWissen_), static_cast<QWidget*>(lstLw_),
                       static_cast<QWidget*>(lblLijst_), static_cast<QWidget*>(Label1_)})
        w->setEnabled(!editing);
    for (QLineEdit* box : txtLw_)
        box->setToolTip(QString());
    SetFieldColours(this, kLightYellow, kFieldGrey);
    if (editing)
        txtOmsch_->setFocus(Qt::OtherFocusReason);
    else
        cmdToevoegen_->setFocus(Qt::OtherFocusReason);
}

void frmLw::LockFields() {
    setEditing(false);
}
void frmLw::UnlockFields() {
    setEditing(true);
}

void frmLw::cmdToevoegen_Click() {
    switch (editor_.add()) {
    case LwEditor::AddChoice::Manual:
        UnlockFields();
        break;
    case LwEditor::AddChoice::Imported:
        fillList(static_cast<int>(editor_.names().size()) - 1);
        lstLw_Click();
        break;
    case LwEditor::AddChoice::Nothing:
        break;
    }
}

void frmLw::cmdWijzig_Click() {
    if (editor_.change(lstLw_->currentRow())) UnlockFields();
}

void frmLw::cmdWissen_Click() {
    const auto selected = editor_.remove(lstLw_->currentRow());
    if (!selected) return;
    fillList(*selected);
    LockFields();
    if (*selected < 0) clearFields(); // the last named entry went: nothing left to show
    lstLw_Click();
}

void frmLw::cmdOK_Click() {
    if (!txtLw_LostFocus()) return;
    const double lwEq = checkLevel(0, txtLw_[0]).number();
    const double lwMax = checkLevel(1, txtLw_[1]).number();
    txtOmsch_->setText(storedName(txtOmsch_->text()));
    const int row = editor_.confirm(txtOmsch_->text(), lwEq, lwMax, lstLw_->currentRow());
    fillList(row);
    lstLw_Click();
    LockFields();
}

void frmLw::cmdCancel_Click() {
    editor_.cancel();
    if (lstLw_->currentRow() >= 0)
        lstLw_Click();
    else
        clearFields();
    LockFields();
}

bool frmLw::txtLw_LostFocus() {
    if (validating_) return true;
    validating_ = true;
    bool ok = true;
    for (int i = 0; i < 2; ++i) {
        ok = applyCheck(txtLw_[i], checkLevel(i, txtLw_[i])) && ok;
        if (!ok) break;
    }
    if (ok) {
        const QString raised = coupledMaxText(txtLw_[0]->text(), txtLw_[1]->text());
        if (!raised.isEmpty()) txtLw_[1]->setText(raised);
    }
    validating_ = false;
    return ok;
}

bool frmLw::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lstLw_->viewport() && event->type() == QEvent::MouseButtonPress)
        return listMouse(static_cast<QMouseEvent*>(event));
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box) return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        return boxKey(box, static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
        QTimer::singleShot(0, box, &QLineEdit::selectAll);
        break;
    case QEvent::FocusOut: {
        // Another window taking the focus (a message, the input box) is no leaving.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (box != txtOmsch_ && editor_.editing() && reason != Qt::ActiveWindowFocusReason &&
            reason != Qt::PopupFocusReason)
            txtLw_LostFocus();
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

bool frmLw::boxKey(QLineEdit* box, QKeyEvent* key) {
    QLineEdit* const cycle[3] = {txtOmsch_, txtLw_[0], txtLw_[1]};
    const int at = box == txtOmsch_ ? 0 : box == txtLw_[0] ? 1 : 2;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
        cycle[(at + 1) % 3]->setFocus(Qt::TabFocusReason);
        return true;
    case Qt::Key_Up:
        cycle[(at + 2) % 3]->setFocus(Qt::BacktabFocusReason);
        return true;
    case Qt::Key_Backspace:
        undoText_ = box->text();
        return false;
    case Qt::Key_Escape:
        box->setText(undoText_);
        box->selectAll();
        return true;
    default:
        break;
    }
    const QString typed = key->text();
    if (typed.isEmpty() || !typed[0].isPrint()) return false;
    const bool accepted = box == txtOmsch_
                              ? inWin1252(typed[0])
                              : acceptsKey(fieldRule(FieldGroup::Lw, at - 1), typed[0]);
    setFieldBackground(box, accepted ? kLightYellow : kRefusedRed);
    return !accepted;
}

bool frmLw::listMouse(QMouseEvent* mouse) {
    if (mouse->button() == Qt::RightButton) {
        Label1_->setText(countText(state_.settings));
        lblLijst_->hide();
        Label1_->show();
        return true; // the right button only counts; it does not select
    }
    if (lstLw_->count() == 0) {
        txtLw_[0]->clear();
        txtLw_[1]->clear();
        Label1_->hide();
        lblLijst_->show();
        editor_.reportEmpty();
        return true;
    }
    return false;
}

} // namespace orv
