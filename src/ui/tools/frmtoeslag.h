#pragma once
// "Bedrijfstoestand met toeslag": stores a surcharge K on one source or on the total level,
// and computes the rated level LAr,LT of one period from three numbers.

#include "base/platform.h"
#include "calc/surchargetool.h"
#include "model/state.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orv {

class frmToeslag : public QDialog {
    Q_OBJECT
public:
    frmToeslag(State& state, Platform& platform, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Settings();
    void Combo1_Click();
    void Combo2_Click();
    void cmdReken_Click();
    bool Text_LostFocus(int index);
    double boxValue(int index) const;

    State& state_;
    Platform& platform_;
    SurchargeTool tool_;
    QComboBox* combo1_;
    QComboBox* combo2_;
    QComboBox* combo3_;
    QLineEdit* text_[3];
    QPushButton* cmdReken_;
    QLabel* result_;
    bool refreshing_ = false;
};

} // namespace orv
