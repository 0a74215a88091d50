#pragma once
// The main window: a multiple-document frame with the menus, the toolbar and the two
// status-bar panels. It only shows what MainState tells it and forwards every command to it.

#include "app/mainview.h"
#include "base/platform.h"
#include "model/state.h"

#include <array>
#include <functional>
#include <QMainWindow>
#include <QPointer>

class QLabel;
class QMdiArea;
class QMenu;
class QSystemTrayIcon;

namespace orv {

class MainState;

class frmStart : public QMainWindow, public MainView {
    Q_OBJECT
public:
    // Builds the window that shows form; the window is deleted when it closes.
    using FormFactory = std::function<QWidget*(QWidget* parent)>;

    frmStart(State& state, Platform& platform, QWidget* parent = nullptr);
    ~frmStart() override;

    void setMainState(MainState* mainState) { mainState_ = mainState; }
    // The window of another form; without one the about window is a message box and the
    // other forms do not open.
    void setFormFactory(FormId form, FormFactory factory);

    QAction* menuAction(MenuItem item) const;
    // Toolbar entry 1..14 (separators included).
    QAction* toolbarEntry(int index) const;
    // "Berekening", not on the menu bar: the input form pops it up.
    QMenu* berekeningMenu() const { return berekening_; }
    // Pops the "Berekening" menu up at a point of the screen; the chosen command runs once
    // the caller has returned to the event loop.
    void popupBerekening(const QPoint& globalPos);
    // "TaakBar": the context menu of the program's icon in the system tray, where the
    // desktop offers a tray; the menu exists either way.
    QMenu* taakBarMenu() const { return taakBar_; }
    QMdiArea* mdiArea() const { return mdi_; }
    bool processEnded() const { return ended_; }
    bool isFormOpen(FormId form) const;

    void setMenuEnabled(MenuItem item, bool enabled) override;
    void setButtonEnabled(int index, bool enabled) override;
    void setButtonVisible(int index, bool visible) override;
    void setStatusText(int panel, const QString& text) override;
    // What a status-bar panel shows.
    QString statusText(int panel) const;
    void setCaption(const QString& caption) override;
    void showForm(FormId form, bool modal) override;
    void closeForm(FormId form) override;
    void endProcess() override;
    void acceptPendingEdits() override { emit pendingEditsWanted(); }
    void showTransmissionRun(bool exists) override { emit transmissionRunChanged(exists); }
    void showRecentProjects(const QStringList& paths) override;
    // The recent projects of the "Bestand" menu, newest first.
    const QList<QAction*>& recentActions() const { return recent_; }

signals:
    // Connected directly: the input form's project tab reaches the records before return.
    void pendingEditsWanted();
    void transmissionRunChanged(bool exists);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    void ButtonSetup();
    void showTrayIcon();
    QWidget* createForm(FormId form);
    void showAbout();

    State& state_;
    Platform& platform_;
    MainState* mainState_ = nullptr;
    QMdiArea* mdi_;
    QMenu* berekening_ = nullptr;
    QMenu* taakBar_ = nullptr;
    QMenu* bestand_ = nullptr;
    QAction* recentSeparator_ = nullptr;
    QList<QAction*> recent_;
    QSystemTrayIcon* tray_ = nullptr;
    QLabel* panels_[2] = {nullptr, nullptr};
    std::array<QAction*, kMenuItemCount> menu_{};
    std::array<QAction*, 15> toolbar_{}; // entries 1..14
    std::array<FormFactory, 5> factories_{};
    std::array<QPointer<QWidget>, 5> forms_{};
    bool ended_ = false;
};

} // namespace orv
