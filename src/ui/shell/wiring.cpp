#include "ui/shell/wiring.h"

#include "app/mainstate.h"
#include "print/afdrukken.h"
#include "ui/invoer/frminvoer.h"
#include "ui/lw/frmlw.h"
#include "ui/overzicht/frmlettertype.h"
#include "ui/overzicht/frmoverzicht.h"
#include "ui/overzicht/frmpreview.h"
#include "ui/overzicht/frmsamenstellen.h"
#include "ui/platform/qtplatform.h"
#include "ui/rekenblad/frmrekenblad.h"
#include "ui/shell/frmstart.h"
#include "ui/tools/frmgeometrie.h"
#include "ui/tools/frmtoeslag.h"

#include <QAction>

namespace orv {

bool WindowSectionDialog::composeSections(ReportKind reportKind, Sections& sections) {
    NormalPointer pointer;
    frmSamenstellen dialog(reportKind, window_);
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    sections = dialog.sections();
    return confirmed;
}

namespace {

frmInvoer* buildInvoer(frmStart& window, MainState& mainState, State& state, Platform& platform) {
    auto* form = new frmInvoer(state, mainState.session(), platform, &window);
    const Session& session = mainState.session();
    QObject::connect(&window, &frmStart::pendingEditsWanted, form, &frmInvoer::AcceptProject,
                     Qt::DirectConnection);
    QObject::connect(form, &frmInvoer::libraryEditorRequested, form,
                     [form, &state, &session, &platform] {
                         frmLw editor(state, session, platform, form);
                         editor.exec();
                     });
    QObject::connect(form, &frmInvoer::surchargeToolRequested, form,
                     [form, &state, &session, &platform] {
                         frmToeslag tool(state, session, platform, form);
                         tool.exec();
                     });
    QObject::connect(
        form, &frmInvoer::geometryRequested, form, [form, &platform](const GeometryTexts& t) {
            frmGeometrie::showTest(
                platform, {t.length, t.pointCount, t.distanceA, t.distanceB, t.description}, form);
        });
    QObject::connect(form, &frmInvoer::calculationMenuRequested, &window,
                     [&window](QWidget* button) {
                         window.popupBerekening(button->mapToGlobal(QPoint(0, button->height())));
                     });
    return form;
}

frmOverzicht* buildOverzicht(frmStart& window, MainState& mainState, State& state,
                             Platform& platform, PrintJob& printer, QWidget* parent) {
    auto* overview = new frmOverzicht(state, window, parent);
    QObject::connect(overview, &frmOverzicht::printRequested, overview, [&] {
        Afdrukken(state, mainState.session().dialogFolder, platform, printer);
    });
    QObject::connect(overview, &frmOverzicht::previewRequested, overview,
                     [&window] { AfdrukVoorbeeld(window); });
    QAction* sheet =
        overview->addToolbarAction(QStringLiteral("Rekenblad"), QStringLiteral("Rekenblad"));
    QObject::connect(sheet, &QAction::triggered, overview, [&, overview] {
        // A window of its own beside the overview, closed with it.
        auto* window = new frmRekenblad(state, mainState.session(), platform, overview);
        window->setWindowFlag(Qt::Window);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
    });
    return overview;
}

} // namespace

void wireWindows(frmStart& window, MainState& mainState, State& state, Platform& platform,
                 PrintJob& printer) {
    window.setFormFactory(FormId::Invoer, [&](QWidget*) -> QWidget* {
        return buildInvoer(window, mainState, state, platform);
    });
    window.setFormFactory(FormId::Lettertype, [&](QWidget* parent) -> QWidget* {
        return new frmLettertype(state.settings, platform, parent);
    });
    window.setFormFactory(FormId::PreView, [&](QWidget* parent) -> QWidget* {
        auto* preview = new frmPreView(state, mainState.session(), platform, parent);
        // The main window lends the preview its user-name and print-settings commands.
        mainState.setPreviewOpen(true);
        QObject::connect(preview, &frmPreView::unloaded, &window,
                         [&mainState] { mainState.setPreviewOpen(false); });
        return preview;
    });
    window.setFormFactory(FormId::Overzicht, [&](QWidget* parent) -> QWidget* {
        return buildOverzicht(window, mainState, state, platform, printer, parent);
    });
}

} // namespace orv
