#pragma once
// The text overview of the last calculation: the ten report blocks in a read-only box in
// "Courier New", formatted by the print settings' styles, with a toolbar to print, preview
// and copy. Closing it brings the input form back. It is built afresh for every run.

#include "app/mainview.h"
#include "model/state.h"

#include <QWidget>

class QAction;
class QTextEdit;
class QToolBar;

namespace orv {

class frmOverzicht : public QWidget {
    Q_OBJECT
public:
    frmOverzicht(const State& state, MainView& view, QWidget* parent = nullptr);

    // One more toolbar button after the others, named "Toolbar1_" + key; whoever adds it
    // connects its triggered signal.
    QAction* addToolbarAction(const QString& key, const QString& toolTip);

    QTextEdit* textBox() const { return txtOverzicht_; }
    // The report text as the user reads it (line ends "\n").
    QString reportText() const;

signals:
    // "printen" and "preview".
    void printRequested();
    void previewRequested();
    // "Vergelijken...", offered after a transmission run: compare with another project.
    void compareRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ButtonSetup();
    void Form_Load();
    void copyToClipboard();

    const State& state_;
    MainView& view_;
    QToolBar* toolbar_;
    QTextEdit* txtOverzicht_;
};

} // namespace orv
