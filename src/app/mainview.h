#pragma once
// What the main window's state object asks of the window: menu items and toolbar buttons,
// the two status-bar panels, showing and closing the other windows, ending the process.

#include <QString>

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
    // Status-bar panel 1 or 2.
    virtual void setStatusText(int panel, const QString& text) = 0;
    virtual QString statusText(int panel) const = 0;
    virtual void setCaption(const QString& caption) = 0;
    virtual void showForm(FormId form, bool modal) = 0;
    // Closing a form that is not open does nothing.
    virtual void closeForm(FormId form) = 0;
    virtual void endProcess() = 0;
};

} // namespace orv
