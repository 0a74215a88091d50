#pragma once
// "Samenstellen overzichten": which parts the report of one calculation command holds.

#include "base/reportkind.h"

#include <QDialog>

namespace orv {

class frmSamenstellen : public QDialog {
    Q_OBJECT
public:
    explicit frmSamenstellen(ReportKind reportKind, QWidget* parent = nullptr);
    // The sections as the boxes stand (a hidden box is clear).
    const Sections& sections() const { return sections_; }

private:
    Sections sections_;
};

} // namespace orv
