#pragma once
// Puts the input form in the main window: the frame builds it for "Nieuw", "Openen" and
// "Bewerken", and the main state reaches its project tab before saving and at exit.

namespace orv {

class frmStart;
class MainState;
class Platform;
struct State;

void registerInvoerForm(frmStart& window, MainState& mainState, State& state, Platform& platform);

} // namespace orv
