#include "ui/overzicht/frmoverzicht.h"

#include "report/overviewstyles.h"
#include "ui/platform/uihelpers.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

namespace orv {

frmOverzicht::frmOverzicht(const State& state, MainView& view, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), view_(view), toolbar_(new QToolBar(this)),
      txtOverzicht_(new QTextEdit(this)) {
    setObjectName(QStringLiteral("frmOverzicht"));
    setWindowTitle(QStringLiteral("Overzicht berekeningsresultaten"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar_);
    layout->addWidget(txtOverzicht_, 1);
    ButtonSetup();
    Form_Load();
    // Wide enough for the widest table at 8 pt where the screen allows it.
    const QFontMetrics metrics(txtOverzicht_->font());
    QSize size(metrics.horizontalAdvance(QLatin1Char('0')) * 148, metrics.height() * 48);
    if (const QScreen* screen = this->screen())
        size = size.boundedTo(screen->availableSize() * 9 / 10);
    resize(size);
}

// Captions beside the desktop's icons, where its theme has them: the style's own pictures
// offer no printer, and a disk for "Afdrukken" would mislead.
void frmOverzicht::ButtonSetup() {
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    struct Button {
        const char* key;
        const char* caption;
        const char* toolTip;
        const char* theme;
        void (frmOverzicht::*run)();
    };
    const Button buttons[] = {
        {"printen", "Afdrukken", "Overzicht afdrukken op printer", "document-print",
         &frmOverzicht::printRequested},
        {"preview", "Afdrukvoorbeeld", "Afdrukvoorbeeld", "document-print-preview",
         &frmOverzicht::previewRequested},
        {"kopieren", "Kopiëren", "Overzicht kopiëren naar het klembord", "edit-copy",
         &frmOverzicht::copyToClipboard},
    };
    for (const Button& b : buttons) {
        QAction* action = toolbar_->addAction(QIcon::fromTheme(QLatin1String(b.theme)),
                                              QString::fromUtf8(b.caption));
        action->setObjectName(QStringLiteral("Toolbar1_") + QLatin1String(b.key));
        action->setToolTip(QString::fromUtf8(b.toolTip));
        connect(action, &QAction::triggered, this, b.run);
    }
    if (state_.reportKind == ReportKind::Transmission) {
        QAction* compare = toolbar_->addAction(QStringLiteral("Vergelijken..."));
        compare->setIconText(compare->text()); // a toolbar drops the "..." otherwise
        compare->setObjectName(QStringLiteral("Toolbar1_vergelijken"));
        compare->setToolTip(QStringLiteral("Vergelijken met een ander project"));
        connect(compare, &QAction::triggered, this, &frmOverzicht::compareRequested);
    }
    reachToolbar(toolbar_);
}

QAction* frmOverzicht::addToolbarAction(const QString& key, const QString& toolTip) {
    QAction* action = toolbar_->addAction(key);
    action->setObjectName(QStringLiteral("Toolbar1_") + key);
    action->setToolTip(toolTip);
    toolbar_->widgetForAction(action)->setAccessibleName(key);
    reachToolbar(toolbar_);
    return action;
}

void frmOverzicht::Form_Load() {
    view_.setStatusText(2, QStringLiteral("Overzicht berekeningsresultaten"));
    txtOverzicht_->setObjectName(QStringLiteral("txtOverzicht"));
    txtOverzicht_->setAccessibleName(QStringLiteral("Overzicht"));
    txtOverzicht_->setTabChangesFocus(true);
    txtOverzicht_->setAccessibleName(windowTitle());
    txtOverzicht_->setReadOnly(true);
    txtOverzicht_->setLineWrapMode(QTextEdit::NoWrap);
    txtOverzicht_->setUndoRedoEnabled(false);
    QFont font(QStringLiteral("Courier New"), 8);
    font.setStyleHint(QFont::TypeWriter);
    txtOverzicht_->setFont(font);
    txtOverzicht_->document()->setDefaultFont(font);
    txtOverzicht_->setPlainText(overviewDisplayText(state_));

    QTextCursor cursor(txtOverzicht_->document());
    for (const OverviewFormat& f : overviewFormats(state_)) {
        if (f.length <= 0) continue;
        cursor.setPosition(f.start);
        cursor.setPosition(f.start + f.length, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setFontPointSize(f.pointSize);
        format.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(f.italic);
        cursor.mergeCharFormat(format);
    }
    txtOverzicht_->moveCursor(QTextCursor::Start);
}

QString frmOverzicht::reportText() const {
    return txtOverzicht_->toPlainText();
}

void frmOverzicht::copyToClipboard() {
    QApplication::clipboard()->setText(reportText());
}

void frmOverzicht::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        closeDocument(this);
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmOverzicht::closeEvent(QCloseEvent* event) {
    event->accept();
    view_.showForm(FormId::Invoer, false);
}

} // namespace orv
