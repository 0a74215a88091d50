#include "app/instancelock.h"
#include "app/mainstate.h"
#include "app/programfolder.h"
#include "app/recentprojects.h"
#include "app/recovery.h"
#include "base/version.h"
#include "model/state.h"
#include "ui/platform/qtplatform.h"
#include "ui/platform/translation.h"
#include "ui/platform/windowplacement.h"
#include "ui/shell/frmsplash.h"
#include "ui/shell/frmstart.h"
#include "ui/shell/programicon.h"
#include "ui/shell/recoverywatch.h"
#include "ui/shell/sessionend.h"
#include "ui/shell/singleinstance.h"
#include "ui/shell/wiring.h"

#include <memory>
#include <QApplication>
#include <QFileInfo>
#include <QSettings>

namespace {

// A second start hands its project over (when it names one) and ends before it reads or
// writes anything of its own.
int secondStart(const orv::InstanceLock& lock, const QString& commandLine) {
    QString project = orv::commandLineProject(commandLine);
    if (!project.isEmpty()) project = QFileInfo(project).absoluteFilePath();
    const bool opened = !project.isEmpty() && orv::handOverProject(lock.serverName(), project);
    const QString message = orv::secondStartMessage(project, opened);
    if (!message.isEmpty()) {
        orv::QtPlatform platform;
        platform.messageBox(message, orv::MsgIcon::Information, orv::MsgButtons::Ok,
                            QLatin1String(orv::kProgramTitle));
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The name of the per-user data folder ("~/.local/share/Ornaveld").
    QApplication::setApplicationName(QLatin1String(orv::kProgramTitle));
    QApplication::setWindowIcon(orv::programIcon());
    orv::installQtDutch(app);
    // The process ends only through the shutdown of the main window.
    QApplication::setQuitOnLastWindowClosed(false);

    // The command line as one text: a path with spaces arrives split by the shell's rules.
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    const QString commandLine = arguments.join(QLatin1Char(' '));

    orv::InstanceLock lock(orv::InstanceLock::defaultFolder());
    if (!lock.acquire()) return secondStart(lock, commandLine);

    // The user's own configuration: window places and recent projects ("Ornaveld.set" keeps
    // its fixed layout).
    QSettings userSettings(QSettings::IniFormat, QSettings::UserScope,
                           QLatin1String(orv::kProgramTitle), QLatin1String(orv::kProgramTitle));
    orv::WindowPlacement placement(userSettings);
    orv::RecentProjects recent(&userSettings);
    orv::RecoveryStore recovery(orv::RecoveryStore::defaultFolder());

    auto state = std::make_unique<orv::State>();
    orv::QtPlatform platform;
    orv::frmStart window(*state, platform);
    platform.setWindow(&window);
    orv::WindowSectionDialog sectionDialog(&window);
    orv::MainState mainState(*state, window, platform, sectionDialog);
    window.setMainState(&mainState);
    orv::wireWindows(window, mainState, *state, platform, platform);
    mainState.setInstallFolders(orv::installFolders());
    mainState.setRecovery(&recovery);
    mainState.setRecentProjects(&recent);
    orv::installSessionEnd(mainState, *state);
    orv::RecoveryWatch watch(mainState);
    orv::InstanceServer server(
        lock.serverName(),
        // Not behind an open question or dialog: the project would open unseen beneath it.
        [&](const QString& path) {
            return !QApplication::activeModalWidget() && mainState.takesHandover(path);
        },
        [&](const QString& path) {
            if (!mainState.acceptHandover(path)) return;
            window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
            window.raise();
            window.activateWindow();
        });

    orv::frmSplashII splash;
    QObject::connect(&splash, &orv::frmSplashII::finished, &window, [&] {
        window.show();
        mainState.MDIForm_Load(commandLine);
    });
    splash.show();
    return QApplication::exec();
}
