#pragma once
// The end of the desktop session, SIGTERM and SIGHUP (a logout, a shutdown, kill): the program
// ends at once without asking anything, as there is nobody left to answer. The settings file
// is written, so that a library entry added in this session is kept; a changed project is not
// saved over the user's file without being asked; its crash copy is brought up to date instead.

#include "app/mainstate.h"
#include "model/state.h"

namespace orv {

// Installs the signal handlers (through a self-pipe, so that the work runs in the event loop
// and not inside the handler) and follows the session manager's end of the session.
void installSessionEnd(MainState& mainState, State& state);

} // namespace orv
