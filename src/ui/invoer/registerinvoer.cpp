#include "ui/invoer/registerinvoer.h"

#include "app/mainstate.h"
#include "ui/invoer/frminvoer.h"
#include "ui/lw/frmlw.h"
#include "ui/shell/frmstart.h"
#include "ui/tools/frmgeometrie.h"
#include "ui/tools/frmtoeslag.h"

#include <QPointer>

namespace orv {

void registerInvoerForm(frmStart& window, MainState& mainState, State& state, Platform& platform) {
    window.setFormFactory(FormId::Invoer, [&window, &mainState, &state, &platform](QWidget*) {
        auto* form = new frmInvoer(state, platform, &window);
        mainState.acceptPendingEdits = [form = QPointer<frmInvoer>(form)] {
            if (form) form->AcceptProject();
        };
        // The form refills both library lists itself once the editor is closed.
        form->openLibraryEditor = [form, &state, &platform] {
            frmLw editor(state, platform, form);
            editor.exec();
        };
        form->openSurchargeTool = [form, &state, &platform] {
            frmToeslag tool(state, platform, form);
            tool.exec();
        };
        form->openGeometry = [form, &platform](const BoxesGeometry& run) {
            frmGeometrie::showTest(platform, run, form);
        };
        form->popupCalculationMenu = [&window](QWidget* button) {
            window.popupBerekening(button->mapToGlobal(QPoint(0, button->height())));
        };
        return form;
    });
}

} // namespace orv
