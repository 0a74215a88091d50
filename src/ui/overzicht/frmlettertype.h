#pragma once
// "Afdrukinstelling overzichten": the print settings: font, size, the three text styles and
// the paper orientation.

#include "base/platform.h"
#include "model/state.h"

#include <memory>
#include <QDialog>

class QComboBox;

namespace orv {

class frmLettertype : public QDialog {
    Q_OBJECT
public:
    // Settings still 0 get their start values at once, as the dialog opens.
    frmLettertype(SettingsData& settings, Platform& platform, QWidget* parent = nullptr);
    ~frmLettertype() override;

    // The lists show the settings; a value in none of a list's entries selects nothing.
    void LoadPropertySettings();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void cmdOK_Click();
    void cmdDefault_Click();
    QComboBox* addList(const char* name, const QString& label, int row);

    SettingsData& settings_;
    Platform& platform_;
    QComboBox* cboLtype_ = nullptr;
    QComboBox* cboLgrootte_ = nullptr;
    QComboBox* cboKop_ = nullptr;
    QComboBox* cboBody1_ = nullptr;
    QComboBox* cboBody2_ = nullptr;
    QComboBox* cboA4_ = nullptr;
    bool normalPointer_ = false;
};

} // namespace orv
