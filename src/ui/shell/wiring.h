#pragma once
// The one place that knows every window family: it builds each window for the main window
// and connects what the windows emit to the main state and to each other.

#include "base/sectiondialog.h"

#include <QPointer>

class QWidget;

namespace orv {

class frmStart;
class MainState;
class Platform;
class PrintJob;
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

} // namespace orv
