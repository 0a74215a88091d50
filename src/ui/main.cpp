#include "app/mainstate.h"
#include "model/state.h"
#include "ui/overzicht/frmoverzicht.h"
#include "ui/platform/qtplatform.h"
#include "ui/shell/frmsplash.h"
#include "ui/shell/frmstart.h"

#include <memory>
#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The process ends only through the shutdown of the main window.
    QApplication::setQuitOnLastWindowClosed(false);

    auto state = std::make_unique<orv::State>();
    orv::QtPlatform platform;
    orv::frmStart window(*state, platform);
    platform.setWindow(&window);
    orv::MainState mainState(*state, window, platform);
    window.setMainState(&mainState);
    window.setFormFactory(orv::FormId::Overzicht, [&](QWidget* parent) -> QWidget* {
        return new orv::frmOverzicht(*state, window, parent);
    });

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
