#include "ui/shell/frmstart.h"

#include "app/calculationrun.h"
#include "app/mainstate.h"
#include "app/recentprojects.h"
#include "base/version.h"
#include "ui/platform/toolbaricon.h"
#include "ui/platform/uihelpers.h"
#include "ui/shell/programicon.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QToolBar>

namespace orv {
namespace {

struct MenuEntry {
    MenuItem item;
    const char* name;
    const char* text;
    const char* shortcut;
};

struct ButtonEntry {
    int index;
    const char* key; // nullptr: a separator
    const char* toolTip;
    QStyle::StandardPixmap icon;
};

constexpr ButtonEntry kButtons[] = {
    {1, nullptr, "", QStyle::SP_CustomBase},
    {2, "Nieuw", "Nieuwe berekening", QStyle::SP_FileIcon},
    {3, "Open", "Berekeningsbestand openen", QStyle::SP_DialogOpenButton},
    {4, nullptr, "", QStyle::SP_CustomBase},
    {5, "Bewerken", "Berekeningsbestand bewerken", QStyle::SP_FileDialogDetailedView},
    {6, "Sluiten", "Berekeningsbestand sluiten", QStyle::SP_DialogCloseButton},
    {7, "Opslaan", "Berekeningsbestand opslaan", QStyle::SP_DialogSaveButton},
    {8, nullptr, "", QStyle::SP_CustomBase},
    {9, "User", "Gebruikersnaam", QStyle::SP_DirHomeIcon},
    {10, "Lettertype", "Afdrukinstellingen", QStyle::SP_FileDialogContentsView},
    {11, nullptr, "", QStyle::SP_CustomBase},
    {12, "Info", "Info", QStyle::SP_MessageBoxInformation},
    {13, "Calc", "Calculator", QStyle::SP_ComputerIcon},
    {14, nullptr, "", QStyle::SP_CustomBase},
};

} // namespace

frmStart::frmStart(State& state, Platform& platform, QWidget* parent)
    : QMainWindow(parent), state_(state), platform_(platform), mdi_(new QMdiArea(this)) {
    setObjectName(QStringLiteral("frmStart"));
    mdi_->setObjectName(QStringLiteral("MDIClient"));
    setCentralWidget(mdi_);
    buildMenus();
    ButtonSetup();
    showTrayIcon();
    for (int i = 0; i < 2; ++i) {
        panels_[i] = new QLabel(this);
        panels_[i]->setObjectName(QStringLiteral("StatusBar1_%1").arg(i + 1));
        panels_[i]->setMinimumWidth(i == 0 ? 200 : 0);
        statusBar()->addWidget(panels_[i], i == 0 ? 0 : 1);
    }
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    setAcceptDrops(true);
    resize(1000, 700);
}

frmStart::~frmStart() = default;

void frmStart::buildMenus() {
    auto add = [this](QMenu* menu, const MenuEntry& entry) {
        QAction* action = menu->addAction(QString::fromUtf8(entry.text));
        action->setObjectName(QString::fromLatin1(entry.name));
        action->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
        menu_[static_cast<std::size_t>(entry.item)] = action;
        return action;
    };
    auto forward = [this](QAction* action, auto command) {
        connect(action, &QAction::triggered, this, [this, command] {
            if (mainState_) command(*mainState_);
        });
    };

    QMenu* bestand = menuBar()->addMenu(QStringLiteral("Bestand"));
    bestand->setObjectName(QStringLiteral("mnuBestand"));
    QAction* heading = bestand->addAction(QStringLiteral("Bestand.."));
    heading->setObjectName(QStringLiteral("mnuBestandSB"));
    heading->setEnabled(false); // a heading only
    forward(add(bestand, {MenuItem::Nieuw, "mnuNieuw", "&Nieuw", "Ctrl+N"}),
            [](MainState& m) { m.mnuNieuw_Click(); });
    forward(add(bestand, {MenuItem::Openen, "mnuOpenen", "&Openen", "Ctrl+O"}),
            [](MainState& m) { m.mnuOpenen_Click(); });
    bestand->addSeparator()->setObjectName(QStringLiteral("S1"));
    forward(add(bestand, {MenuItem::Bewerken, "mnuBewerken", "&Bewerken", "Ctrl+B"}),
            [](MainState& m) { m.mnuBewerken_Click(); });
    forward(add(bestand, {MenuItem::Sluiten, "mnuSluiten", "S&luiten", "Ctrl+L"}),
            [](MainState& m) { m.mnuSluiten_Click(); });
    forward(add(bestand, {MenuItem::Opslaan, "mnuOpslaan", "Op&slaan", "Ctrl+S"}),
            [](MainState& m) { m.mnuOpslaan_Click(); });
    bestand->addSeparator()->setObjectName(QStringLiteral("S3"));
    // The recent projects come below the last separator, between it and "E&xit".
    recentSeparator_ = new QAction(this);
    recentSeparator_->setSeparator(true);
    recentSeparator_->setObjectName(QStringLiteral("S4"));
    recentSeparator_->setVisible(false);
    QAction* exit = bestand->addAction(QStringLiteral("E&xit"));
    bestand->insertAction(exit, recentSeparator_);
    bestand_ = bestand;
    exit->setObjectName(QStringLiteral("mnuExit"));
    exit->setShortcut(QKeySequence(QStringLiteral("Ctrl+X")));
    forward(exit, [](MainState& m) { m.mnuExit_Click(); });

    QMenu* instel = menuBar()->addMenu(QStringLiteral("Instellingen"));
    instel->setObjectName(QStringLiteral("mnuInstel"));
    forward(
        add(instel, {MenuItem::GebruikersNaam, "mnuGebruikersNaam", "Gebr&uikersnaam", "Ctrl+U"}),
        [](MainState& m) { m.mnuGebruikersNaam_Click(); });
    forward(add(instel, {MenuItem::Lettertype, "mnuLettertype", "&Afdrukinstellingen", "Ctrl+A"}),
            [](MainState& m) { m.mnuLettertype_Click(); });

    QAction* info = menuBar()->addAction(QStringLiteral("Info"));
    info->setObjectName(QStringLiteral("mnuInfo"));
    menu_[static_cast<std::size_t>(MenuItem::Info)] = info;
    forward(info, [](MainState& m) { m.mnuInfo_Click(); });

    berekening_ = new QMenu(QStringLiteral("Berekening"), this);
    berekening_->setObjectName(QStringLiteral("mnuBerekening"));
    for (const auto& [name, kind] :
         {std::pair{"mnuCb", ReportKind::Cb}, std::pair{"mnuLi", ReportKind::Transmission},
          std::pair{"mnuLwT", ReportKind::Emission}}) {
        QAction* action = berekening_->addAction(commandMenuText(kind));
        action->setObjectName(QString::fromLatin1(name));
        // The run closes the input form whose button popped the menu up: it waits until
        // that form's handler has returned.
        connect(
            action, &QAction::triggered, this,
            [this, kind = kind] {
                if (mainState_) mainState_->mnuBerekening_Click(kind);
            },
            Qt::QueuedConnection);
    }

    taakBar_ = new QMenu(QStringLiteral("TaakBar"), this);
    taakBar_->setObjectName(QStringLiteral("mnuTaakBar"));
    QAction* taakInfo = taakBar_->addAction(QStringLiteral("Info"));
    taakInfo->setObjectName(QStringLiteral("mnuTaakInfo"));
    forward(taakInfo, [](MainState& m) { m.mnuInfo_Click(); });
    QAction* taakExit = taakBar_->addAction(QStringLiteral("Afsluiten"));
    taakExit->setObjectName(QStringLiteral("mnuTaakExit"));
    forward(taakExit, [](MainState& m) { m.mnuExit_Click(); });
}

void frmStart::showTrayIcon() {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
    tray_ = new QSystemTrayIcon(programIcon(), this);
    tray_->setObjectName(QStringLiteral("TaakBar"));
    tray_->setToolTip(QLatin1String(kProgramTitle));
    tray_->setContextMenu(taakBar_);
    tray_->show();
}

void frmStart::popupBerekening(const QPoint& globalPos) {
    berekening_->popup(globalPos);
}

void frmStart::ButtonSetup() {
    QToolBar* bar = addToolBar(QStringLiteral("Toolbar1"));
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setMovable(false);
    for (const ButtonEntry& entry : kButtons) {
        QAction* action = nullptr;
        if (!entry.key) {
            action = bar->addSeparator();
        } else {
            const QString key = QString::fromLatin1(entry.key);
            action = bar->addAction(toolbarIcon(style(), entry.icon), key);
            action->setToolTip(QString::fromUtf8(entry.toolTip));
            action->setData(key);
            connect(action, &QAction::triggered, this, [this, key] {
                if (mainState_) mainState_->Toolbar1_ButtonClick(key);
            });
        }
        action->setObjectName(QStringLiteral("Toolbar1_%1").arg(entry.index));
        toolbar_[static_cast<std::size_t>(entry.index)] = action;
    }
    reachToolbar(bar);
}

QAction* frmStart::menuAction(MenuItem item) const {
    return menu_[static_cast<std::size_t>(item)];
}

QAction* frmStart::toolbarEntry(int index) const {
    return index >= 1 && index <= kToolbarSize ? toolbar_[static_cast<std::size_t>(index)]
                                               : nullptr;
}

void frmStart::setMenuEnabled(MenuItem item, bool enabled) {
    menuAction(item)->setEnabled(enabled);
    // Opening a recent project is "Openen" without its dialog.
    if (item == MenuItem::Openen) {
        for (QAction* action : recent_)
            action->setEnabled(enabled);
    }
}

void frmStart::showRecentProjects(const QStringList& paths) {
    qDeleteAll(recent_);
    recent_.clear();
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths[i];
        auto* action = new QAction(RecentProjects::menuText(i, path), bestand_);
        action->setObjectName(QStringLiteral("mnuRecent_%1").arg(i + 1));
        action->setStatusTip(path);
        action->setEnabled(menuAction(MenuItem::Openen)->isEnabled());
        bestand_->insertAction(recentSeparator_, action);
        connect(
            action, &QAction::triggered, this,
            [this, path] {
                if (mainState_) mainState_->openRecent(path);
            },
            Qt::QueuedConnection);
        recent_.append(action);
    }
    recentSeparator_->setVisible(!recent_.isEmpty());
}

namespace {

// The one local project file a drag carries, else nothing.
QString droppedProject(const QMimeData* mime) {
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1) return {};
    const QUrl url = mime->urls().front();
    return url.isLocalFile() && isProjectFileName(url.toLocalFile()) ? url.toLocalFile()
                                                                     : QString();
}

} // namespace

void frmStart::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedProject(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void frmStart::dropEvent(QDropEvent* event) {
    const QString path = droppedProject(event->mimeData());
    if (path.isEmpty() || !mainState_) return;
    event->acceptProposedAction();
    // The close question and the open run after the drop has ended, not inside it.
    QMetaObject::invokeMethod(
        this,
        [this, path] {
            if (mainState_) mainState_->openDropped(path);
        },
        Qt::QueuedConnection);
}

void frmStart::setButtonEnabled(int index, bool enabled) {
    if (QAction* action = toolbarEntry(index)) action->setEnabled(enabled);
}

void frmStart::setButtonVisible(int index, bool visible) {
    if (QAction* action = toolbarEntry(index)) action->setVisible(visible);
}

void frmStart::setStatusText(int panel, const QString& text) {
    if (panel == 1 || panel == 2) panels_[panel - 1]->setText(text);
}

QString frmStart::statusText(int panel) const {
    return panel == 1 || panel == 2 ? panels_[panel - 1]->text() : QString();
}

void frmStart::setCaption(const QString& caption) {
    setWindowTitle(caption);
}

void frmStart::endProcess() {
    ended_ = true;
    for (FormId form : {FormId::PreView, FormId::Overzicht, FormId::Invoer}) {
        // Discarded without their own questions: hidden, never closed.
        if (QWidget* w = forms_[static_cast<std::size_t>(form)]) {
            w->hide();
            w->deleteLater();
        }
    }
    if (tray_) tray_->hide();
    hide();
    QCoreApplication::exit(0);
}

void frmStart::closeEvent(QCloseEvent* event) {
    // Closing the main window cannot be refused: the exit question has no Cancel.
    if (!ended_) {
        if (mainState_)
            mainState_->MDIForm_Unload();
        else
            endProcess();
    }
    event->accept();
}

} // namespace orv
