#include "app/mainstate.h"
#include "app/programfolder.h"
#include "base/version.h"
#include "model/state.h"
#include "ui/platform/qtplatform.h"
#include "ui/platform/translation.h"
#include "ui/shell/frmsplash.h"
#include "ui/shell/frmstart.h"
#include "ui/shell/programicon.h"
#include "ui/shell/sessionend.h"
#include "ui/shell/wiring.h"

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
    orv::WindowSectionDialog sectionDialog(&window);
    orv::MainState mainState(*state, window, platform, sectionDialog);
    window.setMainState(&mainState);
    orv::wireWindows(window, mainState, *state, platform, platform);
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
