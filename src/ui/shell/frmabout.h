#pragma once
// The about window "Info Ornaveld": what the program does, its version, the user it is set
// up for, the maker, and the delivery text "levering.txt" in a read-only box, over the same
// gradient as the splash. A click on the picture opens a feedback mail.

#include "base/platform.h"
#include "model/state.h"

#include <QDialog>

namespace orv {

class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(const State& state, Platform& platform, const QString& deliveryPath,
             QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void sendFeedback();

    Platform& platform_;
};

// "levering.txt" may come from a Windows machine in its code page, or be written here in
// UTF-8; both read right. A missing file reads as empty.
QString readDeliveryText(const QString& path);

} // namespace orv
