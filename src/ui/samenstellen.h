#pragma once
// "Samenstellen overzichten": which parts the report of one calculation command holds.

#include <array>
#include <QDialog>

namespace orv {

class frmSamenstellen : public QDialog {
    Q_OBJECT
public:
    explicit frmSamenstellen(int reportKind, QWidget* parent = nullptr);
    // The section flags as the boxes stand (a hidden box's flag is clear).
    const std::array<int, 4>& flags() const { return flags_; }

private:
    std::array<int, 4> flags_{};
};

} // namespace orv
