#pragma once
// The splash window: title, maker and version on a gradient, until its timer fires or the
// user clicks or presses a key. Then it reports finished once and closes.

#include <QTimer>
#include <QWidget>

namespace orv {

class frmSplashII : public QWidget {
    Q_OBJECT
public:
    explicit frmSplashII(int milliseconds = 2500, QWidget* parent = nullptr);

signals:
    void finished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void finish();

    QTimer timer_;
    bool done_ = false;
};

} // namespace orv
