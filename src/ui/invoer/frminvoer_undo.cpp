// Undo and redo: the two buttons at the right of the toolbar row, what a step remembers of
// the lists, and the form brought back to a restored project.

#include "ui/invoer/frminvoer.h"

#include "ui/platform/toolbaricon.h"
#include "ui/platform/uihelpers.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QStyle>
#include <QToolBar>

namespace orv {

QToolBar* frmInvoer::buildUndoToolbar() {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolbarBewerken"));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    undoAction_ = bar->addAction(toolbarIcon(style(), QStyle::SP_ArrowBack),
                                 QStringLiteral("Ongedaan maken"));
    undoAction_->setObjectName(QStringLiteral("ToolbarBewerken_undo"));
    undoAction_->setToolTip(QStringLiteral("Ongedaan maken (Ctrl+Z)"));
    redoAction_ =
        bar->addAction(toolbarIcon(style(), QStyle::SP_ArrowForward), QStringLiteral("Opnieuw"));
    redoAction_->setObjectName(QStringLiteral("ToolbarBewerken_redo"));
    redoAction_->setToolTip(QStringLiteral("Opnieuw (Ctrl+Y)"));
    for (QAction* action : bar->actions())
        bar->widgetForAction(action)->setAccessibleName(action->text());
    reachToolbar(bar);
    connect(undoAction_, &QAction::triggered, this, &frmInvoer::undo);
    connect(redoAction_, &QAction::triggered, this, &frmInvoer::redo);
    return bar;
}

bool frmInvoer::browsing() const {
    return lstBron_[0]->isEnabled() && lstBron_[1]->isEnabled();
}

std::array<ListSelection, kKinds> frmInvoer::listSelection() const {
    std::array<ListSelection, kKinds> shown;
    for (const SourceKind kind : kSourceKinds) {
        shown[static_cast<std::size_t>(kind)].current = lstBron_[kind]->currentRow();
        shown[static_cast<std::size_t>(kind)].selected = selectedRows(kind);
    }
    return shown;
}

void frmInvoer::recordSince(const ProjectSnapshot& before) {
    history_.record(before, snapshot());
    updateUndoButtons();
}

void frmInvoer::updateUndoButtons() {
    if (!undoAction_) return;
    const bool on = browsing();
    undoAction_->setEnabled(on && history_.canUndo());
    redoAction_->setEnabled(on && history_.canRedo());
}

void frmInvoer::undo() {
    if (!browsing()) return;
    if (const ProjectSnapshot* restored = history_.undo(state_)) showSnapshot(*restored);
    updateUndoButtons();
}

void frmInvoer::redo() {
    if (!browsing()) return;
    if (const ProjectSnapshot* restored = history_.redo(state_)) showSnapshot(*restored);
    updateUndoButtons();
}

void frmInvoer::showSnapshot(const ProjectSnapshot& shown) {
    for (const SourceKind kind : kSourceKinds) {
        fillList(kind);
        QListWidget* list = lstBron_[kind];
        const ListSelection& selection = shown.selection[static_cast<std::size_t>(kind)];
        {
            const QSignalBlocker block(list);
            if (selection.current >= 0 && selection.current < list->count())
                list->setCurrentRow(selection.current, QItemSelectionModel::NoUpdate);
            list->clearSelection();
            for (int row : selection.selected)
                if (row >= 0 && row < list->count()) list->item(row)->setSelected(true);
        }
        showCurrent(kind);
    }
    const QSignalBlocker ground(cmbReken_[0]), facade(cmbReken_[1]);
    showProject();
}

// The undo buttons keep to the right end of the toolbar row.
void frmInvoer::placeToolbars() {
    const int height = std::max(toolbar1_->sizeHint().height(), toolbarUndo_->sizeHint().height());
    const int undoWidth = toolbarUndo_->sizeHint().width();
    toolbar1_->setGeometry(0, 0, std::max(0, width() - undoWidth), height);
    toolbarUndo_->setGeometry(width() - undoWidth, 0, undoWidth, height);
}

} // namespace orv
