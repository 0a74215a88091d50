#include "ui/platform/win1252guard.h"

#include "base/win1252.h"
#include "ui/platform/uihelpers.h"

#include <QLineEdit>
#include <QValidator>

namespace orv {
namespace {

// The line edit undoes an edit that its validator calls invalid, paste included.
class Win1252Validator : public QValidator {
public:
    explicit Win1252Validator(QLineEdit* box) : QValidator(box), box_(box) {}
    State validate(QString& input, int&) const override {
        if (inWin1252(input)) return Acceptable;
        setFieldBackground(box_, kRefusedRed);
        return Invalid;
    }

private:
    QLineEdit* box_;
};

} // namespace

void refuseOutsideWin1252(QLineEdit* box) {
    box->setValidator(new Win1252Validator(box));
}

} // namespace orv
