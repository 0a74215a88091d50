#include "ui/invoer/frminvoer.h"

#include "base/numberformat.h"
#include "base/win1252.h"
#include "input/centring.h"
#include "input/projecttexts.h"
#include "input/sourcetexts.h"
#include "ui/platform/uihelpers.h"

#include <QCalendarWidget>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>

namespace orv {

frmInvoer::frmInvoer(State& state, const Session& session, Platform& platform, MainView* view,
                     QWidget* parent)
    : QWidget(parent), state_(state), session_(session), platform_(platform), view_(view) {
    setObjectName(QStringLiteral("frmInvoer"));
    const QString file = session_.projectFileName();
    setWindowTitle(file.isEmpty() ? QStringLiteral("Invoerformulier")
                                  : QStringLiteral("Invoerformulier - ") + file);
    buildForm();
    // The form sees every key first, whichever control has the focus.
    for (QWidget* w : findChildren<QWidget*>())
        if (w->focusPolicy() != Qt::NoFocus) w->installEventFilter(this);
    Reset();
    SetUpForm();
    monthView1_->hide();
    for (const SourceKind kind : kSourceKinds)
        fillList(kind);
    showProject();
    for (const SourceKind kind : kSourceKinds)
        if (lstBron_[kind]->count() > 0) lstBron_[kind]->setCurrentRow(0);
    connect(tabs_, &QTabWidget::currentChanged, this, &frmInvoer::SSTab1_Click);
    tabs_->setCurrentIndex(2);
    SSTab1_Click(2);
    txtProject_[0]->setFocus(); // a new project starts at its number
}

frmInvoer::~frmInvoer() = default;

QLineEdit* frmInvoer::box(FieldGroup group, int index) const {
    switch (group) {
    case FieldGroup::Lijnbron:
        return txtLijnbron_[static_cast<std::size_t>(index)];
    case FieldGroup::Mobbron:
        return txtMobbron_[static_cast<std::size_t>(index)];
    case FieldGroup::Project:
        return txtProject_[static_cast<std::size_t>(index)];
    case FieldGroup::Reken:
        return txtReken_[static_cast<std::size_t>(index)];
    case FieldGroup::Lw: // boxes of the library editor and the surcharge tool
    case FieldGroup::Toeslag:
        break;
    }
    return nullptr;
}

QLineEdit* frmInvoer::sourceBox(SourceKind kind, int index) const {
    return box(boxGroup(kind), index);
}

std::array<QComboBox*, 2> frmInvoer::kindCombos(SourceKind kind) const {
    return kind == LineSource ? cmbLijnbron_ : cmbMobbron_;
}

void frmInvoer::Reset() {
    for (FieldGroup g :
         {FieldGroup::Lijnbron, FieldGroup::Mobbron, FieldGroup::Project, FieldGroup::Reken})
        for (std::size_t i = 0; i < fieldTable(g).size(); ++i)
            box(g, static_cast<int>(i))->clear();
}

void frmInvoer::SetUpForm() {
    for (const SourceKind kind : kSourceKinds) {
        QComboBox* combo = cmbBron_[kind];
        combo->clear();
        for (int i = 1; i <= state_.settings.libraryCount; ++i)
            combo->addItem(trimmed(state_.settings.library[static_cast<std::size_t>(i)].entryName));
        combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
        connect(combo, &QComboBox::currentIndexChanged, this,
                [this, kind] { cmbBron_Click(kind); });
        for (QComboBox* c : kindCombos(kind))
            c->setCurrentIndex(0);
        connect(lstBron_[kind], &QListWidget::currentRowChanged, this, [this, kind](int row) {
            if (row >= 0) showCurrent(kind);
        });
        connect(lstBron_[kind], &QListWidget::itemDoubleClicked, this,
                [this, kind] { Wijzig(kind); });
    }
    for (QComboBox* c : cmbReken_)
        c->setCurrentIndex(0);
    progress_->hide();
    LockFields(LineSource);
    LockFields(MobileSource);
}

void frmInvoer::fillList(SourceKind kind) {
    QListWidget* list = lstBron_[kind];
    const QSignalBlocker block(list);
    list->clear();
    list->addItems(listTexts(state_, kind));
}

void frmInvoer::showProject() {
    const ProjectTexts t = orv::showProject(state_.project);
    for (int i = 0; i < 4; ++i)
        txtProject_[i]->setText(t.project[static_cast<std::size_t>(i)]);
    for (int i = 0; i < 2; ++i)
        txtReken_[i]->setText(t.reken[static_cast<std::size_t>(i)]);
    cmbReken_[0]->setCurrentText(t.groundType);
    cmbReken_[1]->setCurrentText(t.facadeReflection);
}

void frmInvoer::AcceptProject() {
    ProjectTexts t;
    for (int i = 0; i < 4; ++i)
        t.project[static_cast<std::size_t>(i)] = txtProject_[i]->text();
    for (int i = 0; i < 2; ++i)
        t.reken[static_cast<std::size_t>(i)] = txtReken_[i]->text();
    t.groundType = cmbReken_[0]->currentText();
    t.facadeReflection = cmbReken_[1]->currentText();
    const ProjectOutcome out = orv::AcceptProject(t, state_.project);
    if (out.height.accepted) {
        txtReken_[1]->setText(out.height.text);
        setFieldBackground(txtReken_[1], kLightYellow);
        txtReken_[1]->setToolTip(QString());
    } else {
        setFieldBackground(txtReken_[1], kRefusedRed);
        txtReken_[1]->setToolTip(out.height.toolTip);
    }
    if (!out.date.accepted) {
        setFieldBackground(txtProject_[1], kRefusedRed);
        txtProject_[1]->setToolTip(out.date.toolTip);
    }
}

SourceTexts frmInvoer::sourceTexts(SourceKind kind) const {
    SourceTexts t;
    QComboBox* bron = cmbBron_[kind];
    t.libraryPosition = bron->currentIndex();
    t.sourceName = t.libraryPosition >= 0 ? bron->currentText() : bron->placeholderText();
    for (int i = 0; i < boxCount(kind); ++i)
        t.boxes[static_cast<std::size_t>(i)] = sourceBox(kind, i)->text();
    t.reflection = kindCombos(kind)[0]->currentText();
    t.screening = kindCombos(kind)[1]->currentText();
    return t;
}

// A name that the library no longer holds still shows: as the combo's placeholder.
void frmInvoer::setLibraryChoice(SourceKind kind, const QString& name) {
    QComboBox* combo = cmbBron_[kind];
    const int position = libraryPosition(state_.settings, name);
    combo->setPlaceholderText(position >= 0 ? QString() : name);
    combo->setCurrentIndex(position);
    cmbBron_Click(kind);
}

void frmInvoer::setSourceTexts(SourceKind kind, const SourceTexts& t) {
    for (int i = 0; i < boxCount(kind); ++i)
        sourceBox(kind, i)->setText(t.boxes[static_cast<std::size_t>(i)]);
    kindCombos(kind)[0]->setCurrentText(t.reflection);
    kindCombos(kind)[1]->setCurrentText(t.screening);
    setLibraryChoice(kind, t.sourceName);
}

void frmInvoer::showCurrent(SourceKind kind) {
    const int count = state_.sourceCount[static_cast<std::size_t>(kind)];
    if (count > 0) {
        const int row = std::clamp(lstBron_[kind]->currentRow(), 0, count - 1);
        currentSourceNo_ = row + 1;
        const SourceRecord& r =
            state_.sources[static_cast<std::size_t>(kind)][static_cast<std::size_t>(row + 1)];
        setSourceTexts(kind, showSource(kind, r, state_.settings));
        return;
    }
    for (int i = 0; i < boxCount(kind); ++i)
        sourceBox(kind, i)->clear();
    for (QComboBox* c : kindCombos(kind))
        c->setCurrentIndex(0);
    if (cmbBron_[kind]->count() > 0) {
        cmbBron_[kind]->setPlaceholderText(QString());
        cmbBron_[kind]->setCurrentIndex(0);
    }
    lstBron_[kind]->setFocus();
}

void frmInvoer::cmbBron_Click(SourceKind kind) {
    const QString caption =
        frameCaption(state_.settings, cmbBron_[kind]->currentIndex(), selectedCount_);
    // A blank caption keeps its line, so that the fields do not jump up.
    frmBron_[kind]->setTitle(caption.isEmpty() ? QStringLiteral(" ") : caption);
}

void frmInvoer::refillLibraryLists() {
    for (const SourceKind kind : kSourceKinds) {
        QComboBox* combo = cmbBron_[kind];
        {
            const QSignalBlocker block(combo);
            combo->clear();
            for (int i = 1; i <= state_.settings.libraryCount; ++i) {
                LibraryEntry& e = state_.settings.library[static_cast<std::size_t>(i)];
                e.entryName = fixedText(trimmed(e.entryName), kEntryNameWidth);
                combo->addItem(trimmed(e.entryName));
            }
            combo->setPlaceholderText(QString());
            combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
        }
        cmbBron_Click(kind);
        if (state_.sourceCount[static_cast<std::size_t>(kind)] > 0 &&
            lstBron_[kind]->currentRow() >= 0)
            showCurrent(kind);
    }
}

QColor frmInvoer::enabledColour() const {
    return selectedCount_ >= 2 ? kEditManyCyan : kLightYellow;
}

void frmInvoer::repaintFields() {
    SetFieldColours(this, enabledColour(), palette().color(QPalette::Button));
}

void frmInvoer::SSTab1_Click(int tab) {
    const bool project = tab == 2;
    frame3_->setEnabled(project);
    frame4_->setEnabled(project);
    if (!project) lstBron_[tab]->setFocus();
    repaintFields();
}

void frmInvoer::UnlockFields(SourceKind kind) {
    for (int i = 0; i < boxCount(kind); ++i)
        sourceBox(kind, i)->setEnabled(true);
    for (QComboBox* c : kindCombos(kind))
        c->setEnabled(true);
    if (kind == MobileSource) {
        const SubSourceCount count = subSourceCount(txtMobbron_[1]->text());
        if (count.count.accepted) txtMobbron_[1]->setText(count.count.text);
        txtMobbron_[7]->setEnabled(count.farthestInUse);
    }
    for (int tab = 0; tab < 3; ++tab)
        tabs_->setTabEnabled(tab, tab == kind);
    for (QWidget* w : {static_cast<QWidget*>(cmdCancel_[kind]), static_cast<QWidget*>(cmdOK_[kind]),
                       static_cast<QWidget*>(cmdControle_), static_cast<QWidget*>(cmbBron_[kind])})
        w->setEnabled(true);
    lstBron_[kind]->setEnabled(false);
    const QList<QAction*> buttons = toolbarLijst_[kind]->actions();
    for (int i = 0; i < buttons.size() - 2; ++i)
        buttons[i]->setVisible(false);
    for (QAction* a : toolbar1_->actions())
        a->setVisible(false);
    if (selectedCount_ >= 2) {
        for (int i = 0; i < boxCount(kind); ++i)
            sourceBox(kind, i)->clear();
        for (QComboBox* c : kindCombos(kind))
            c->setCurrentIndex(-1);
        cmbBron_[kind]->setPlaceholderText(QString());
        cmbBron_[kind]->setCurrentIndex(-1);
    }
    repaintFields();
}

void frmInvoer::LockFields(SourceKind kind) {
    selectedCount_ = 0;
    for (int i = 0; i < boxCount(kind); ++i)
        sourceBox(kind, i)->setEnabled(false);
    for (QComboBox* c : kindCombos(kind))
        c->setEnabled(false);
    for (int tab = 0; tab < 3; ++tab)
        tabs_->setTabEnabled(tab, true);
    cmdCancel_[kind]->setEnabled(false);
    cmdOK_[kind]->setEnabled(false);
    cmdControle_->setEnabled(false);
    cmbBron_[kind]->setEnabled(false);
    lstBron_[kind]->setEnabled(true);
    for (QAction* a : toolbarLijst_[kind]->actions())
        a->setVisible(true);
    const bool browsing = lstBron_[LineSource]->isEnabled() && lstBron_[MobileSource]->isEnabled();
    for (QAction* a : toolbar1_->actions())
        a->setVisible(browsing);
    repaintFields();
}

void frmInvoer::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    toolbar1_->setGeometry(0, 0, width(), toolbar1_->sizeHint().height());
    const bool minimised = isMinimized() || (window() && window()->isMinimized());
    if (const auto offset = centringOffset(size(), savedSize_, minimised))
        content_->move(designPos_ + *offset);
}

void frmInvoer::closeForm() {
    closeDocument(this);
}

void frmInvoer::closeEvent(QCloseEvent* event) {
    closing_ = true;
    AcceptProject();
    event->accept();
}

} // namespace orv
