#pragma once
// What the main window's state object asks of the window: menu items and toolbar buttons,
// the two status-bar panels, showing and closing the other windows, ending the process.

#include <QString>
#include <QStringList>

namespace orv {

enum class MenuItem {
    Nieuw,
    Openen,
    Bewerken,
    Sluiten,
    Opslaan,
    GebruikersNaam,
    Lettertype,
    Info,
};
constexpr int kMenuItemCount = 8;

enum class FormId {
    Invoer,     // frmInvoer, the input form (document child)
    Overzicht,  // frmOverzicht, the text overview
    PreView,    // frmPreView, the print preview
    Lettertype, // frmLettertype, the print settings (modal)
    About,      // frmAbout (modal)
};

class MainView {
public:
    virtual ~MainView() = default;
    virtual void setMenuEnabled(MenuItem item, bool enabled) = 0;
    // Toolbar button by its index 1..14 of the toolbar.
    virtual void setButtonEnabled(int index, bool enabled) = 0;
    // Hides or shows a toolbar button (the print preview takes two away while it is open).
    virtual void setButtonVisible(int index, bool visible) {
        (void)index;
        (void)visible;
    }
    // Status-bar panel 1 or 2: shown, never read back.
    virtual void setStatusText(int panel, const QString& text) = 0;
    virtual void setCaption(const QString& caption) = 0;
    virtual void showForm(FormId form, bool modal) = 0;
    // Closing a form that is not open does nothing.
    virtual void closeForm(FormId form) = 0;
    virtual void endProcess() = 0;
    // The open input form takes its project tab into the records: asked before a save
    // writes and before the exit question, so that no edit is lost.
    virtual void acceptPendingEdits() {}
    // A transmission run came to exist for the open project, or went with the project.
    virtual void showTransmissionRun(bool exists) { (void)exists; }
    // The recent projects, newest first; they are usable when "Openen" is.
    virtual void showRecentProjects(const QStringList& paths) { (void)paths; }
};

// A view without windows, for runs without a screen (the command line, the benchmarks):
// every request to show, close or switch something goes nowhere.
class NoWindows final : public MainView {
public:
    void setMenuEnabled(MenuItem, bool) override {}
    void setButtonEnabled(int, bool) override {}
    void setStatusText(int, const QString&) override {}
    void setCaption(const QString&) override {}
    void showForm(FormId, bool) override {}
    void closeForm(FormId) override {}
    void endProcess() override {}
};

} // namespace orv
