#pragma once
// Keeps the crash copy of the open project current without the user noticing: after every
// key or click that may have committed a change (the copy is only written when the project
// really differs) and once a minute.

#include <QObject>

class QTimer;

namespace orv {

class MainState;

class RecoveryWatch : public QObject {
    Q_OBJECT
public:
    explicit RecoveryWatch(MainState& mainState, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MainState& mainState_;
    QTimer* soon_;
};

} // namespace orv
