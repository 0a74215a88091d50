#pragma once
// "Geluidsbronnen": the editor of the sound power library. A modal dialog over the run's
// State; it binds the list, the three boxes and the five buttons to LwEditor and shows its
// questions and messages through Platform. The library stays in State: it reaches the
// settings file when the program ends.

#include "library/lweditor.h"

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace orv {

struct State;
class Platform;
struct Session;

class frmLw : public QDialog {
    Q_OBJECT
public:
    frmLw(State& state, const Session& session, Platform& platform, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void Form_Load();
    void fillList(int selectRow);
    void lstLw_Click();
    void cmdToevoegen_Click();
    void cmdWijzig_Click();
    void cmdWissen_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void LockFields();
    void UnlockFields();
    void setEditing(bool editing);
    void showTexts(const EntryTexts& texts);
    void clearFields();
    // Validates both level boxes and raises Lwmax to Lweq; false when a box was refused.
    bool txtLw_LostFocus();
    bool boxKey(QLineEdit* box, QKeyEvent* key);
    bool listMouse(QMouseEvent* mouse);

    State& state_;
    LwEditor editor_;
    QListWidget* lstLw_ = nullptr;
    QLabel* lblLijst_ = nullptr;
    QLabel* Label1_ = nullptr;
    QLineEdit* txtOmsch_ = nullptr;
    QLineEdit* txtLw_[2] = {nullptr, nullptr};
    QList<QWidget*> fieldLabels_;
    QPushButton* cmdToevoegen_ = nullptr;
    QPushButton* cmdWijzig_ = nullptr;
    QPushButton* cmdWissen_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    // The text a box had before its last Backspace; Escape puts it back.
    QString undoText_;
    bool filling_ = false;
    bool validating_ = false;
};

} // namespace orv
