#include "app/mainstate.h"
#include "app/programfolder.h"
#include "base/version.h"
#include "model/state.h"
#include "print/afdrukken.h"
#include "ui/invoer/registerinvoer.h"
#include "ui/overzicht/frmlettertype.h"
#include "ui/overzicht/frmoverzicht.h"
#include "ui/overzicht/frmpreview.h"
#include "ui/platform/qtplatform.h"
#include "ui/platform/translation.h"
#include "ui/rekenblad/frmrekenblad.h"
#include "ui/shell/frmsplash.h"
#include "ui/shell/frmstart.h"
#include "ui/shell/programicon.h"
#include "ui/shell/sessionend.h"
#include "ui/vergelijk/frmvergelijk.h"

#include <memory>
#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The name of the per-user data folder ("~/.local/share/Ornaveld").
    QApplication::setApplicationName(QLatin1String(orv::kProgramTitle));
    QApplication::setWindowIcon(orv::programIcon());
    orv::installQtDutch(app);
    // The process ends only through the shutdown of the main window.
    QApplication::setQuitOnLastWindowClosed(false);

    auto state = std::make_unique<orv::State>();
    orv::QtPlatform platform;
    orv::frmStart window(*state, platform);
    platform.setWindow(&window);
    orv::MainState mainState(*state, window, platform);
    window.setMainState(&mainState);
    orv::registerInvoerForm(window, mainState, *state, platform);
    window.setFormFactory(orv::FormId::Lettertype, [&](QWidget* parent) -> QWidget* {
        return new orv::frmLettertype(state->settings, platform, parent);
    });
    window.setFormFactory(orv::FormId::PreView, [&](QWidget* parent) -> QWidget* {
        return new orv::frmPreView(*state, platform, &mainState, parent);
    });
    window.setFormFactory(orv::FormId::Overzicht, [&](QWidget* parent) -> QWidget* {
        auto* overview = new orv::frmOverzicht(*state, window, parent);
        overview->setPrintHandler([&] { orv::Afdrukken(*state, platform); });
        overview->setPreviewHandler([&] { orv::AfdrukVoorbeeld(window); });
        orv::addRekenbladButton(*overview, *state, platform);
        QObject::connect(overview, &orv::frmOverzicht::compareRequested, overview,
                         [&, overview] { orv::frmVergelijk::open(*state, platform, overview); });
        return overview;
    });
    mainState.setInstallFolders(orv::installFolders());
    orv::installSessionEnd(mainState, *state);

    // The command line as one text: a path with spaces arrives split by the shell's rules.
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    const QString commandLine = arguments.join(QLatin1Char(' '));

    orv::frmSplashII splash;
    QObject::connect(&splash, &orv::frmSplashII::finished, &window, [&] {
        window.show();
        mainState.MDIForm_Load(commandLine);
    });
    splash.show();
    return QApplication::exec();
}
