#include "ui/invoer/registerinvoer.h"

#include "app/mainstate.h"
#include "ui/invoer/frminvoer.h"
#include "ui/shell/frmstart.h"

#include <QPointer>

namespace orv {

void registerInvoerForm(frmStart& window, MainState& mainState, State& state, Platform& platform) {
    window.setFormFactory(FormId::Invoer, [&window, &mainState, &state, &platform](QWidget*) {
        auto* form = new frmInvoer(state, platform, &window);
        mainState.acceptPendingEdits = [form = QPointer<frmInvoer>(form)] {
            if (form) form->AcceptProject();
        };
        return form;
    });
}

} // namespace orv
