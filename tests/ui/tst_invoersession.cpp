// Sessions on the bundled example driven as a user does, by keys and the buttons and toolbar
// buttons of the input form, up to the tool windows it opens and the file "Opslaan" writes,
// checked through the command line's dump of that file; and every window of such a session
// walked for what a screen reader and the Tab key meet.

#include "app/mainstate.h"
#include "app/settingsfile.h"
#include "base/numberformat.h"
#include "cli/commands.h"
#include "common/fakeplatform.h"
#include "common/testmain.h"
#include "input/sourcetexts.h"
#include "input/undo.h"
#include "testdata.h"
#include "ui/overzicht/frmpreview.h"
#include "ui/platform/uihelpers.h"
#include "ui/shell/frmstart.h"
#include "ui/shell/wiring.h"

#include <functional>
#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace orv;
using namespace orvtest;

namespace {

struct Desk {
    // realSections: the section dialog of the calculation commands is the real window.
    explicit Desk(bool realSections = false)
        : main(*state, window, platform, realSections ? windowSections : sectionsAnswered) {
        setDecimalSeparator(QLatin1Char(','));
        platform.currentDir = dir.path();
        QFile::copy(ORNAVELD_EXAMPLES_DIR "/Ornaveld.set", dir.filePath(kSettingsFileName));
        QFile::copy(ORNAVELD_EXAMPLES_DIR "/voorbeeld.orv", dir.filePath("voorbeeld.orv"));
        window.setMainState(&main);
        wireWindows(window, main, *state, platform, platform);
        main.MDIForm_Load(QString());
        window.show();
        QApplication::setActiveWindow(&window);
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&window);
    }
    ~Desk() { setDecimalSeparator(QLatin1Char('.')); }

    QWidget* focus() { return QApplication::focusWidget() ? QApplication::focusWidget() : &window; }
    QJsonObject dump(const QString& file) {
        QString out, err;
        QTextStream o(&out), e(&err);
        [[maybe_unused]] const int rc = cli::runDump({dir.filePath(file)}, o, e);
        o.flush();
        return QJsonDocument::fromJson(out.toUtf8()).object();
    }
    void open() {
        platform.openAnswers.enqueue(chosen(dir.filePath("voorbeeld.orv")));
        QTest::keySequence(focus(), QKeySequence(QStringLiteral("Ctrl+O")));
    }
    template <class T = QWidget> T* find(const QString& name) { return window.findChild<T*>(name); }
    QLineEdit* box(const QString& name) { return find<QLineEdit>(name); }
    // Presses a button or toolbar button that opens a modal window; inspect gets the window
    // while it shows, and the window is closed after.
    void press(QObject* control, const std::function<void(QWidget*)>& inspect) {
        QTimer::singleShot(0, [this, inspect] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && QTest::qWaitFor([modal] { return QApplication::activeWindow() == modal; }))
                inspect(modal);
            opened = modal ? modal->windowTitle() : QString();
            if (modal) modal->close();
        });
        if (auto* a = qobject_cast<QAction*>(control))
            a->trigger();
        else
            QTest::mouseClick(qobject_cast<QWidget*>(control), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    // Steps a user takes: "open" (the example), a key, "=text" typed, "@name" (the button,
    // toolbar button or menu item of that name), "<file" and "yes" (the answers of the next
    // open dialog and question).
    void run(const QString& steps) {
        for (const QString& step : steps.split(u' ', Qt::SkipEmptyParts)) {
            if (step == QLatin1String("open"))
                open();
            else if (step.startsWith(u'<'))
                platform.openAnswers.enqueue(chosen(dir.filePath(step.mid(1))));
            else if (step.startsWith(u'='))
                QTest::keyClicks(focus(), step.mid(1));
            else if (step == QLatin1String("yes"))
                platform.answers.enqueue(kAnswerYes);
            else if (auto* a = window.findChild<QAction*>(step.mid(1)); a && step[0] == u'@')
                a->trigger();
            else if (step[0] == u'@')
                QTest::mouseClick(find(step.mid(1)), Qt::LeftButton);
            else
                QTest::keySequence(focus(), QKeySequence(step));
            QTest::qWait(30);
        }
    }
    void save(const QString& file) {
        platform.saveAnswers.enqueue(chosen(dir.filePath(file)));
        run("Ctrl+S");
    }

    QString opened; // the caption of the window press() saw, empty when none opened
    QTemporaryDir dir;
    std::unique_ptr<State> state = std::make_unique<State>();
    FakePlatform platform;
    frmStart window{*state, platform};
    WindowSectionDialog windowSections{&window};
    SectionDialog& sectionsAnswered = platform;
    MainState main;
};

// What a screen reader and the Tab key meet in a window: every focusable control that shows
// has a Dutch name, and Tab, pressed from the focus, reaches every button that shows.
QStringList accessFaults(QWidget* window) {
    static const QStringList english = {"cancel", "edit", "help",  "reselect", "deselect", "user",
                                        "calc",   "open", "close", "print",    "save"};
    QApplication::setActiveWindow(window->window());
    for (QWidget* w = window->nextInFocusChain();
         w != window && !window->isAncestorOf(QApplication::focusWidget());
         w = w->nextInFocusChain())
        if (w->isVisible() && w->isEnabled() && w->focusPolicy() & Qt::TabFocus) w->setFocus();
    QSet<QWidget*> reached;
    for (int i = 0; i < 150 && window->isAncestorOf(QApplication::focusWidget()); ++i) {
        reached.insert(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QStringList faults;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || !w->isEnabled()) continue;
        const QString what =
            QString::fromLatin1(w->metaObject()->className()) + u' ' + w->objectName();
        const QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        const QString name = a ? a->text(QAccessible::Name).trimmed() : QString();
        if (w->focusPolicy() != Qt::NoFocus && (name.isEmpty() || english.contains(name.toLower())))
            faults << what + QStringLiteral(" heet '") + name + u'\'';
        if (qobject_cast<QAbstractButton*>(w) && !reached.contains(w))
            faults << what + QStringLiteral(" '") + name + QStringLiteral("' niet met Tab");
    }
    return faults;
}

} // namespace

class TestInvoerSession : public QObject {
    Q_OBJECT
private slots:
    // Ten changes of every kind the form makes are ten steps: undone by Ctrl+Z they give the
    // project as opened and its selection, redone by Ctrl+Y (and Ctrl+Shift+Z) the edited one.
    // Ctrl+Z in a text box undoes its typing only.
    void undoAndRedoEveryKindOfChange() {
        Desk s;
        s.open();
        auto* undo = s.find<QAction>("ToolbarBewerken_undo");
        auto* lines = s.find<QListWidget>("lstBron_0");
        const ProjectSnapshot opened = takeSnapshot(*s.state);
        const QString number = s.box("txtProject_0")->text();
        s.run("=25.001 Ctrl+Z");
        QCOMPARE(s.box("txtProject_0")->text(), number);
        QVERIFY(!undo->isEnabled());
        s.run("=25.002 Tab"); // 1 project number
        auto* ground = s.find<QComboBox>("cmbReken_0");
        ground->setCurrentIndex(1 - ground->currentIndex()); // 2 ground
        s.run("Ctrl+PgDown");
        const QList<QListWidgetItem*> selectedAtOpen = lines->selectedItems();
        // 3 sort, 4 edit, 5 add, 6 all edited at once, 7 delete
        s.run("F8 Down Return Return Return Return Return =33 @cmdOK_0 Ins @cmdOK_0");
        s.run("Ctrl+Shift+A Return Return Return Return Return =45 @cmdOK_0 yes Del");
        s.press(s.find<QAction>("Toolbar1_Toeslag"), [](QWidget* w) {
            w->findChild<QComboBox*>("Combo2")->setCurrentIndex(2); // 8 total surcharge
        });
        QApplication::setActiveWindow(&s.window);  // back from the tool, as a window manager does
        s.run("Ctrl+PgDown Ins @cmdOK_1 yes Del"); // 9 add, 10 delete
        const ProjectSnapshot edited = takeSnapshot(*s.state);

        int undone = 0;
        for (; undo->isEnabled() && undone < 20; ++undone)
            s.run("Ctrl+Z");
        QCOMPARE(undone, 10);
        QVERIFY(takeSnapshot(*s.state).sameProject(opened));
        QCOMPARE(lines->selectedItems().size(), selectedAtOpen.size());
        QCOMPARE(lines->item(0)->text(), listTexts(*s.state, LineSource).front());
        QCOMPARE(s.box("txtProject_0")->text(), number);
        s.run(QStringLiteral("Ctrl+Shift+Z Ctrl+Y ").repeated(5));
        QVERIFY(takeSnapshot(*s.state).sameProject(edited));
        QVERIFY(!s.find<QAction>("ToolbarBewerken_redo")->isEnabled());
    }

    // Every window, reached from the keys and buttons a user presses (Desk::run). A modal
    // window is walked while it shows.
    void everyControlNamedAndReachable_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("window"); // empty: the main window
        QTest::addColumn<QString>("press");  // a button of the modal window, pressed first
        const auto row = [](const char* name, const QString& steps, const char* window,
                            const char* press = "") {
            QTest::newRow(name) << steps << QString::fromLatin1(window)
                                << QString::fromLatin1(press);
        };
        const QString run = QStringLiteral("open F5 @mnuLi ");
        row("main window", "", "");
        row("input, project", "open", "frmInvoer");
        row("input, calendar", "open @Image1", "frmInvoer");
        row("input, line sources", "open Ctrl+PgDown", "frmInvoer");
        row("input, editing", "open Ctrl+PgDown Ctrl+PgDown Return", "frmInvoer");
        row("library", "open F6", "frmLw");
        row("library, editing", "open F6", "frmLw", "cmdToevoegen");
        row("surcharge", "open F7", "frmToeslag");
        row("geometry", "open Ctrl+PgDown Down Return @cmdControle", "frmGeometrie");
        row("print settings", "open @mnuLettertype", "frmLettertype");
        row("about", "@mnuInfo", "frmAbout");
        row("sections", run, "frmSamenstellen");
        row("overview", run, "frmOverzicht");
        row("preview", run + "@Toolbar1_preview", "frmPreView");
        row("sheet", run + "@Toolbar1_Rekenblad", "frmRekenblad");
        row("compare", run + "<voorbeeld.orv @Toolbar1_vergelijken", "frmVergelijk");
    }
    void everyControlNamedAndReachable() {
        QFETCH(QString, steps);
        QFETCH(QString, window);
        QFETCH(QString, press);
        Desk s(window == QLatin1String("frmSamenstellen"));
        if (!press.isEmpty()) // "Toevoegen" asks how: "1", an entry by hand
            s.platform.inputAnswers.enqueue(QStringLiteral("1"));
        QStringList faults{QStringLiteral("not shown")};
        QTimer modal;
        QObject::connect(&modal, &QTimer::timeout, [&] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w || w->objectName() != window) return;
            modal.stop();
            if (!press.isEmpty()) w->findChild<QAbstractButton*>(press)->click();
            faults = accessFaults(w);
            w->close();
        });
        modal.start(20);
        s.run(steps);
        if (modal.isActive()) {
            QWidget* w = window.isEmpty() ? &s.window : s.find(window);
            QVERIFY2(w, qPrintable(window));
            QApplication::setActiveWindow(w->window());
            faults = accessFaults(w);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("\n"))));
    }

    // The preview by keyboard alone, wherever the focus is: it opens on the last page; Home,
    // PageDown, End and Left turn the pages, Down scrolls a page taller than the window;
    // Ctrl+- and Ctrl++ step the zoom; Escape closes.
    void previewByKeyboard() {
        Desk s;
        s.state->settings.printFontSize = 24; // pages enough to turn
        s.run("open F5 @mnuLi @Toolbar1_preview");
        QPointer<frmPreView> preview = s.find<frmPreView>("frmPreView");
        QVERIFY(preview && preview->totalPages() >= 3);
        const int last = preview->totalPages();
        QList<int> pages;
        for (const char* key : {"Home", "PgDown", "End", "Left", "Down"}) {
            s.run(key);
            pages << preview->page();
        }
        QCOMPARE(pages, (QList<int>{1, 2, last, last - 1, last - 1}));
        QVERIFY(s.find<QScrollBar>("VScroll1")->value() > 0);
        s.find<QComboBox>("cboZoom")->setFocus();
        s.run("Ctrl+-");
        QVERIFY(preview->zoom() < 1);
        s.run("Ctrl++");
        QCOMPARE(preview->zoom(), 1.0);
        s.run("Esc");
        QVERIFY(!preview);
    }

    // A list click shows every field in its display format, and the library choice. Several
    // sources edited: empty boxes and no toolbar while editing, the last one shown after.
    void listClickAndMultiEdit() {
        Desk s;
        s.run("open Ctrl+PgDown");
        QStringList shown;
        for (int i = 0; i < 10; ++i)
            shown << s.box(QStringLiteral("txtLijnbron_%1").arg(i))->text();
        QCOMPARE(shown, (QStringList{"Expeditie naar België", "180,0", "12", "15,0", "40,0", "6,0",
                                     "2,0", "1,0", "60,0", "140,0"}));
        QCOMPARE(s.find<QComboBox>("cmbBron_0")->currentText(), "Vrachtwagen (rijdend)");
        QCOMPARE(s.find<QGroupBox>("frmBron_0")->title(), "Geluidsvermogenniveau Lw,A 105,0 dB(A)");

        auto* list = s.find<QListWidget>("lstBron_0");
        list->clearSelection();
        for (int row : {0, 2})
            list->item(row)->setSelected(true);
        s.find<QAction>("ToolbarLijst_0_edit")->trigger();
        QVERIFY(s.box("txtLijnbron_1")->text().isEmpty());
        QVERIFY(!s.find<QAction>("Toolbar1_reken")->isVisible());
        s.box("txtLijnbron_3")->setText("45");
        QTest::mouseClick(s.find("cmdOK_0"), Qt::LeftButton);
        QCOMPARE(list->currentRow(), 2);
        QCOMPARE(s.box("txtLijnbron_3")->text(), QStringLiteral("45,0"));
        QVERIFY(s.find<QAction>("Toolbar1_reken")->isVisible());
    }

    // The bundled example: one source and one project field edited, nothing else moves.
    void exampleEditChangesOnlyThat() {
        Desk s;
        const QJsonObject before = s.dump("voorbeeld.orv");
        s.open();
        // The project number, then the second line source edited, on to its speed.
        s.run("=25.001 Ctrl+PgDown Down Return Return Return Return Return =33 @cmdOK_0");
        s.save("bewerkt.orv");

        QJsonObject expected = before;
        QJsonObject project = expected.value("project").toObject();
        project.insert("projectNumber", "25.001");
        expected.insert("project", project);
        QJsonArray sources = expected.value("sources").toArray();
        QJsonArray lines = sources[0].toArray();
        QJsonObject second = lines[1].toObject();
        second.insert("speed", 33);
        lines[1] = second;
        sources[0] = lines;
        expected.insert("sources", sources);
        QCOMPARE(s.dump("bewerkt.orv"), expected);
    }

    // "geometrie" while a line source is edited: a box without a number opens nothing (red,
    // its hint, the focus); once corrected the window shows the source's triangle.
    void geometryOfTheEditedSource() {
        Desk s;
        s.run("open Ctrl+PgDown Down Return"); // the second line source, edited
        QLineEdit* start = s.box("txtLijnbron_8");
        start->setText(QStringLiteral("4O"));
        s.press(s.find("cmdControle"), [](QWidget*) {});
        QCoreApplication::processEvents();
        QCOMPARE(s.opened, QString());
        QCOMPARE(fieldBackground(start), kRefusedRed);
        QCOMPARE(start->toolTip(), QStringLiteral("Voer geldig getal in"));
        QCOMPARE(QApplication::focusWidget(), start);
        start->setText(QStringLiteral("45"));
        QString text;
        s.press(s.find("cmdControle"),
                [&](QWidget* w) { text = w->findChild<QLabel*>("lblGeometrie")->text(); });
        QCOMPARE(s.opened, QStringLiteral("Geometrie lijnbron Route pakketdienst"));
        QCOMPARE(text, QStringLiteral("Lengte rijlijn = 95,0 m¹\nLoodrechte afstand tot rijlijn = "
                                      "31,26 m¹\nZichthoek vanuit immissiepunt = 109,47°"));
        QCOMPARE(start->text(), QStringLiteral("45,0"));
    }

    // A date that does not exist is refused on leaving, and never reaches the file.
    void impossibleDate() {
        Desk s;
        const QJsonObject before = s.dump("voorbeeld.orv");
        s.open();
        s.run("Return =31-02-2026 Tab");
        auto* date = s.find<QLineEdit>("txtProject_1");
        QCOMPARE(QApplication::focusWidget(), date);
        QCOMPARE(fieldBackground(date), kRefusedRed);
        QCOMPARE(date->toolTip(), QStringLiteral("Voer geldige datum in (dd-mm-yyyy)"));
        s.save("bewerkt.orv");
        const QJsonObject after = s.dump("bewerkt.orv");
        QCOMPARE(after["project"]["projectDate"], before["project"]["projectDate"]);
    }

    // "Bronlijst" lists every named source of the example's library.
    void libraryEditorListsTheExample() {
        Desk s;
        s.open();
        QStringList listed;
        s.press(s.find<QAction>("Toolbar1_lijst"), [&](QWidget* w) {
            const auto* list = w->findChild<QListWidget*>("lstLw");
            for (int i = 0; i < list->count(); ++i)
                listed << list->item(i)->text();
        });
        QCOMPARE(listed.size(), s.state->settings.libraryCount - 1);
        QVERIFY(listed.contains("Vrachtwagen (rijdend)") && !listed.contains(kPlaceholderName));
        // Back on the form: the library lists again, the source shown as it was.
        QCOMPARE(s.find<QComboBox>("cmbBron_1")->count(), s.state->settings.libraryCount);
        QCOMPARE(s.box("txtMobbron_0")->text(), QStringLiteral("Laden en lossen terrein"));
    }

    // In the surcharge tool a box without a number keeps the focus, and its hint goes once
    // the value is corrected.
    void surchargeToolKeepsTheFocus() {
        Desk s;
        s.open();
        QList<bool> seen;
        s.press(s.find<QAction>("Toolbar1_Toeslag"), [&](QWidget* w) {
            auto* total = w->findChild<QLineEdit*>("Text_0");
            total->setFocus();
            QTest::keyClicks(total, "1,,2");
            QTest::keyClick(total, Qt::Key_Tab);
            QTest::qWait(10); // the focus comes back once the Tab is over
            seen << (QApplication::focusWidget() == total) << total->toolTip().isEmpty();
            total->clear();
            QTest::keyClicks(total, "52");
            QTest::keyClick(total, Qt::Key_Tab);
            seen << (QApplication::focusWidget() == total) << total->toolTip().isEmpty();
        });
        QCOMPARE(seen, (QList<bool>{true, false, false, true}));
    }
};

ORV_GUI_TEST_MAIN(TestInvoerSession)
#include "tst_invoersession.moc"
