#include "ui/shell/sessionend.h"

#include "app/settingsfile.h"

#include <csignal>
#include <cstdlib>
#include <QDir>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <sys/socket.h>
#include <unistd.h>

namespace orv {
namespace {

int signalPipe[2] = {-1, -1};

// Async-signal-safe: one byte into the pipe, nothing else.
void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[0], &byte, 1);
}

// Only a start-up that completed writes the settings: before it, what is in memory is not
// what the user has.
void writeSettingsNow(MainState& mainState, State& state) {
    if (!mainState.startupCompleted() || mainState.processEnded()) return;
    // The project is not saved over the user's file, but its crash copy is made current, so
    // that the next start offers it back.
    mainState.projectChanged();
    QDir::setCurrent(mainState.session().programFolder);
    writeSettingsFile(mainState.settingsPath(), state.settings);
}

} // namespace

void installSessionEnd(MainState& mainState, State& state) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) return;
    auto* notifier =
        new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [&mainState, &state] {
        writeSettingsNow(mainState, state);
        // Straight out: a modal window's own event loop would otherwise go on after a quit,
        // and could still ask a question that nobody answers.
        std::_Exit(0);
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
#ifndef QT_NO_SESSIONMANAGER
    // The session manager asks before it ends the program: the settings go out now, and the
    // signal that follows ends the process.
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QObject::connect(app, &QGuiApplication::commitDataRequest, app,
                         [&mainState, &state] { writeSettingsNow(mainState, state); });
    }
#endif
}

} // namespace orv
