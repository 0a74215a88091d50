// The source lists: adding, editing, deleting and sorting, and the commit of an input.

#include "ui/invoer/frminvoer.h"

#include "input/listops.h"
#include "ui/platform/uihelpers.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

namespace orv {

std::vector<int> frmInvoer::selectedRows(SourceKind kind) const {
    std::vector<int> rows;
    const QListWidget* list = lstBron_[kind];
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected()) rows.push_back(i);
    return rows;
}

void frmInvoer::startAdding(SourceKind kind) {
    if (const QString full = addRefusal(state_, kind); !full.isEmpty()) {
        platform_.messageBox(full, MsgIcon::Exclamation, MsgButtons::Ok,
                             QStringLiteral("Invoer-stop"));
        return;
    }
    // The fields keep the source last shown: a new source starts as a copy of it.
    editMode_ = EditMode::Add;
    UnlockFields(kind);
    cmbBron_[kind]->setFocus();
}

void frmInvoer::Wijzig(SourceKind kind) {
    const std::vector<int> rows = selectedRows(kind);
    selectedCount_ = static_cast<int>(rows.size());
    if (rows.empty()) {
        platform_.messageBox(QStringLiteral("Geen geluidsbronnen geselecteerd!"),
                             MsgIcon::Exclamation, MsgButtons::Ok, QStringLiteral("Waarschuwing"));
        return;
    }
    if (rows.size() == 1 && lstBron_[kind]->currentRow() != rows.front()) {
        const QSignalBlocker block(lstBron_[kind]);
        lstBron_[kind]->setCurrentRow(rows.front(), QItemSelectionModel::NoUpdate);
        showCurrent(kind);
    }
    editMode_ = EditMode::Edit;
    UnlockFields(kind);
    cmbBron_[kind]->setFocus();
}

void frmInvoer::Wissen(SourceKind kind) {
    const std::vector<int> rows = selectedRows(kind);
    selectedCount_ = static_cast<int>(rows.size());
    if (rows.empty()) {
        platform_.messageBox(QStringLiteral("Geen geluidsbron(nen) geselecteerd!"),
                             MsgIcon::Exclamation, MsgButtons::Ok, QStringLiteral("Waarschuwing"));
        return;
    }
    const int answer = platform_.messageBox(
        QStringLiteral("Geselecteerde geluidsbron(nen) wissen?"), MsgIcon::Question,
        MsgButtons::YesNo, QStringLiteral("Wissen van datarecords"));
    if (answer == kAnswerYes) {
        platform_.setBusy(true);
        deleteSources(state_, kind, rows);
        fillList(kind);
        if (lstBron_[kind]->count() > 0) {
            const QSignalBlocker block(lstBron_[kind]);
            lstBron_[kind]->setCurrentRow(0);
        }
        platform_.setBusy(false);
    }
    LockFields(kind);
    showCurrent(kind);
}

void frmInvoer::SorTeren(SourceKind kind) {
    if (state_.sourceCount[static_cast<std::size_t>(kind)] <= 0) return;
    platform_.setBusy(true);
    lstBron_[kind]->clear();
    progress_->setRange(0, state_.sourceCount[static_cast<std::size_t>(kind)]);
    progress_->setValue(0);
    progress_->show();
    sortSources(state_, kind, [this](int done, int) { progress_->setValue(done); });
    progress_->hide();
    fillList(kind);
    lstBron_[kind]->setCurrentRow(0);
    showCurrent(kind);
    platform_.setBusy(false);
}

void frmInvoer::cmdOK_Click(SourceKind kind) {
    CommitInput in;
    in.kind = kind;
    in.mode = editMode_;
    in.selectedCount = selectedCount_;
    in.currentRow = lstBron_[kind]->currentRow();
    in.selectedRows = selectedRows(kind);
    in.farthestEnabled = kind != MobileSource || txtMobbron_[7]->isEnabled();
    in.texts = sourceTexts(kind);
    const CommitOutcome out = commitInput(state_, in);
    switch (out.status) {
    case CommitOutcome::Missing:
        for (int i = 0; i < boxCount(kind); ++i)
            sourceBox(kind, i)->setText(out.texts.boxes[static_cast<std::size_t>(i)]);
        platform_.messageBox(out.message, MsgIcon::Exclamation, MsgButtons::Ok,
                             QStringLiteral("Waarschuwing"));
        sourceBox(kind, out.box)->setFocus();
        return;
    case CommitOutcome::Refused:
        setFieldBackground(sourceBox(kind, out.box), kRefusedRed);
        sourceBox(kind, out.box)->setToolTip(out.toolTip);
        sourceBox(kind, out.box)->setFocus();
        return;
    case CommitOutcome::Full:
        platform_.messageBox(out.message, MsgIcon::Exclamation, MsgButtons::Ok,
                             QStringLiteral("Invoer-stop"));
        return;
    case CommitOutcome::Stored:
        break;
    }
    fillList(kind);
    LockFields(kind);
    if (out.currentRow >= 0) lstBron_[kind]->setCurrentRow(out.currentRow);
    showCurrent(kind);
    lstBron_[kind]->setFocus();
}

void frmInvoer::cmdCancel_Click(SourceKind kind) {
    LockFields(kind);
    showCurrent(kind);
    lstBron_[kind]->setFocus();
}

} // namespace orv
