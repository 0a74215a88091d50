#pragma once
// Every window of the program fits its screen and comes back where the user left it: the
// first time a window is shown its remembered size and place are restored (or it opens at its
// own size, centred), always within the available screen; when it is hidden its place is
// remembered under its object name. One filter on the application does this for every window,
// dialogs and message boxes included (only windows named "frm..." are remembered).

#include <QObject>

class QSettings;
class QWidget;

namespace orv {

class WindowPlacement : public QObject {
    Q_OBJECT
public:
    // store: where the places are kept between runs.
    explicit WindowPlacement(QSettings& store, QObject* parent = nullptr);

    // Places one window now, as its first showing would.
    void place(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void remember(QWidget* window);

    QSettings& store_;
};

} // namespace orv
