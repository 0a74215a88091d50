#pragma once
// The main window: a multiple-document frame with the menu, toolbar and status bar.

#include <QMainWindow>

class QMdiArea;

namespace orv {

class frmStart : public QMainWindow {
    Q_OBJECT
public:
    explicit frmStart(QWidget* parent = nullptr);

private:
    QMdiArea* mdi_;
};

} // namespace orv
