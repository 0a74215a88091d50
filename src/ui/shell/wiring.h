#pragma once
// The one place that knows every window family: it builds each window for the main window
// and connects what the windows emit to the main state and to each other.

#include "base/sectiondialog.h"

#include <QPointer>

class QWidget;

namespace orv {

class frmOverzicht;
class frmStart;
class MainState;
class Platform;
class PrintJob;
struct Session;
struct State;

// "Samenstellen": the section dialog of the calculation commands, over the main window.
class WindowSectionDialog final : public SectionDialog {
public:
    explicit WindowSectionDialog(QWidget* window) : window_(window) {}
    bool composeSections(ReportKind reportKind, Sections& sections) override;

private:
    QPointer<QWidget> window_;
};

// Gives the main window the factories of the input form, the overview, the preview and the
// print settings, with every connection they need.
void wireWindows(frmStart& window, MainState& mainState, State& state, Platform& platform,
                 PrintJob& printer);

// The overview's "Rekenblad" button: it opens the sheet of the overview's run beside it, which
// closes it with itself. Disabled, with the reason as its tooltip, when that run is not a
// transmission run.
void addRekenbladButton(frmOverzicht& overview, State& state, const Session& session,
                        Platform& platform);

} // namespace orv
