#include "ui/shell/wiring.h"

#include "app/mainstate.h"
#include "print/afdrukken.h"
#include "report/runowner.h"
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
#include "ui/vergelijk/frmvergelijk.h"

#include <QAction>
#include <QDateTime>

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
    auto* form = new frmInvoer(state, mainState.session(), platform, &window, mainState.history());
    const Session& session = mainState.session();
    QObject::connect(&window, &frmStart::pendingEditsWanted, form, &frmInvoer::AcceptProject,
                     Qt::DirectConnection);
    QObject::connect(form, &frmInvoer::libraryEditorRequested, form,
                     [form, &state, &session, &platform] {
                         frmLw editor(state, session, platform, form);
                         editor.exec();
                     });
    QObject::connect(form, &frmInvoer::surchargeToolRequested, form, [form, &state, &platform] {
        frmToeslag tool(state, platform, form);
        tool.exec();
    });
    QObject::connect(form, &frmInvoer::geometryRequested, form,
                     [form, &platform](const BoxesGeometry& run) {
                         frmGeometrie::showTest(platform, run, form);
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
    addRekenbladButton(*overview, state, mainState.session(), platform);
    QObject::connect(overview, &frmOverzicht::compareRequested, overview, [&, overview] {
        const Session& session = mainState.session();
        frmVergelijk* compare = frmVergelijk::open(state, session, platform, printer, overview);
        if (!compare) return;
        QObject::connect(compare, &frmVergelijk::previewRequested, compare,
                         [&, compare](const ComparisonPreview& shown) {
                             auto* preview =
                                 new frmPreView(state, mainState.session(), platform, compare);
                             preview->setWindowFlag(Qt::Window);
                             preview->setAttribute(Qt::WA_DeleteOnClose);
                             preview->showPages(shown.pages, shown.writePdf);
                             preview->show();
                         });
    });
    return overview;
}

} // namespace

void addRekenbladButton(frmOverzicht& overview, State& state, const Session& session,
                        Platform& platform) {
    const QDateTime ranAt = QDateTime::currentDateTime();
    const bool offered = sheetOffered(state);
    QAction* sheet =
        overview.addToolbarAction(QStringLiteral("Rekenblad"),
                                  offered ? QStringLiteral("Rekenblad") : sheetUnavailableText());
    sheet->setEnabled(offered);
    QObject::connect(sheet, &QAction::triggered, &overview, [&, ranAt] {
        // A window of its own beside the overview, closed with it.
        auto* window = new frmRekenblad(state, session, platform, ranAt, &overview);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
    });
}

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
