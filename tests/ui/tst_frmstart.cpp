#include "app/instancelock.h"
#include "app/mainstate.h"
#include "app/projectfile.h"
#include "app/recentprojects.h"
#include "app/settingsfile.h"
#include "base/win1252.h"
#include "common/fakeplatform.h"
#include "common/files.h"
#include "common/testmain.h"
#include "ui/platform/translation.h"
#include "ui/shell/frmstart.h"
#include "ui/shell/singleinstance.h"
#include "ui/shell/wiring.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <QUrl>

using namespace orv;
using namespace orvtest;

namespace {

// The main window as the program puts it together, over a temporary program folder.
struct Desktop {
    Desktop() {
        platform.currentDir = dir.path();
        SettingsData s;
        s.libraryCount = 1;
        s.library[1].entryName = fixedText(u"Vrachtwagen", kEntryNameWidth);
        writeSettingsFile(dir.filePath(kSettingsFileName), s);
        auto project = std::make_unique<State>();
        project->sourceCount = {1, 0};
        writeProjectFile(dir.filePath("proj.orv"), *project);
        window.setMainState(&main);
        wireWindows(window, main, *state, platform, platform);
        main.MDIForm_Load(QString());
    }
    QAction* action(const QString& name) const { return window.findChild<QAction*>(name); }
    // "1"/"0" per menu item, then "|", then per toolbar button 2, 3, 5, 6, 7, 9, 10, 12, 13.
    QString pattern() const {
        QString p;
        for (const char* name : {"mnuNieuw", "mnuOpenen", "mnuBewerken", "mnuSluiten", "mnuOpslaan",
                                 "mnuGebruikersNaam", "mnuLettertype", "mnuInfo"})
            p += action(name)->isEnabled() ? '1' : '0';
        p += '|';
        for (int i : {2, 3, 5, 6, 7, 9, 10, 12, 13})
            p += action(QStringLiteral("Toolbar1_%1").arg(i))->isEnabled() ? '1' : '0';
        return p;
    }

    QTemporaryDir dir;
    std::unique_ptr<State> state = std::make_unique<State>();
    FakePlatform platform;
    frmStart window{*state, platform};
    MainState main{*state, window, platform, platform};
};

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestFrmStart : public QObject {
    Q_OBJECT
private slots:
    // Commands given through the window's own actions, as a user clicks them; the pattern of
    // enabled menu items and toolbar buttons follows the state after each.
    void commands_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("child");
        QTest::newRow("Nieuw, toolbar Sluiten")
            << QStringList{"mnuNieuw", "Toolbar1_6"} << "11000001|110000011"
            << "";
        QTest::newRow("toolbar Open") << QStringList{"Toolbar1_3"} << "00111111|001111111"
                                      << "Invoerformulier - proj.orv";
        QTest::newRow("Open, Bewerken")
            << QStringList{"mnuOpenen", "mnuBewerken"} << "00111111|001111111"
            << "Invoerformulier - proj.orv";
    }
    void commands() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, child);
        Desktop d;
        d.platform.openAnswers.enqueue(chosen(d.dir.filePath("proj.orv")));
        d.platform.answers.enqueue(kAnswerYes);
        for (const QString& name : clicks) {
            d.action(name)->trigger();
            flushDeletes();
        }
        QTEST(d.pattern(), "pattern");
        const QList<QMdiSubWindow*> children = d.window.mdiArea()->subWindowList();
        QCOMPARE(children.size(), child.isEmpty() ? 0 : 1); // rebuilt, never doubled
        QCOMPARE(d.window.isFormOpen(FormId::Invoer), !child.isEmpty());
        if (child.isEmpty()) return;
        QCOMPARE(children.first()->windowTitle(), child);
        QCOMPARE(d.window.findChild<QListWidget*>("lstBron_0")->count(), 1); // the project's
    }

    // Escape closes the input form with its sub-window and takes the project tab in.
    void escapeLeavesNoEmptySubWindow() {
        Desktop d;
        d.action("mnuNieuw")->trigger();
        auto* name = d.window.findChild<QLineEdit*>("txtProject_2");
        name->setText("Loods");
        QTest::keyClick(name, Qt::Key_Escape);
        flushDeletes();
        QVERIFY(d.window.mdiArea()->subWindowList().isEmpty());
        QVERIFY(!d.window.isFormOpen(FormId::Invoer));
        QCOMPARE(trimmed(d.state->project.projectName), QStringLiteral("Loods"));
    }

    // The tray menu's "Info" shows the delivery text read-only, whichever code page it was
    // written in; the picture sends feedback. (Before any test that ends the program: after
    // that no dialog's event loop runs any more.)
    void taakBarInfo_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("UTF-8") << QByteArray("Geleverd: \xc3\xa9\xc3\xa9n programma");
        QTest::newRow("Windows-1252") << QByteArray("Geleverd: \xe9\xe9n programma");
    }
    void taakBarInfo() {
        QFETCH(QByteArray, file);
        Desktop d;
        QFile delivery(d.dir.filePath("levering.txt"));
        QVERIFY(delivery.open(QIODevice::WriteOnly) && delivery.write(file) == file.size());
        delivery.close();
        QString shown;
        QTimer::singleShot(0, [&] {
            QWidget* about = QApplication::activeModalWidget();
            auto* text = about->findChild<QPlainTextEdit*>("txtLevering");
            shown = text->isReadOnly() ? text->toPlainText() : "editable";
            about->findChild<QToolButton*>("picLogo")->click();
            about->close();
        });
        d.action("mnuTaakInfo")->trigger();
        QCOMPARE(shown, QStringLiteral("Geleverd: één programma"));
        QCOMPARE(d.platform.mails, QStringList{"support@ornaveld.nl| Feedback Ornaveld 1.0"});
    }

    // Closing the window or "Afsluiten" of the tray menu ends the program once, asking about an
    // open project first.
    void closingWindowShutsDown_data() {
        QTest::addColumn<bool>("tray");
        QTest::newRow("window closed") << false;
        QTest::newRow("tray menu") << true;
    }
    void closingWindowShutsDown() {
        QFETCH(bool, tray);
        Desktop d;
        d.window.show();
        d.platform.openAnswers.enqueue(chosen(d.dir.filePath("proj.orv")));
        d.action("mnuOpenen")->trigger();
        if (tray)
            d.action("mnuTaakExit")->trigger();
        else
            QVERIFY(d.window.close());
        QVERIFY(d.window.processEnded());
        QVERIFY(!d.window.isVisible());
        QCOMPARE(d.platform.messages.size(), 1);
    }

    // A project opened, here by dropping it on the window, stands in "Bestand" just above
    // "E&xit", greyed while a project is open; a drop over an open project asks to close it.
    void recentProjectsAndDrop() {
        Desktop d;
        RecentProjects recent;
        d.main.setRecentProjects(&recent);
        const auto drop = [&d] {
            QMimeData mime;
            mime.setUrls({QUrl::fromLocalFile(d.dir.filePath("proj.orv"))});
            QDragEnterEvent enter({10, 10}, Qt::CopyAction, &mime, Qt::LeftButton, {});
            QCoreApplication::sendEvent(&d.window, &enter);
            QDropEvent event({10, 10}, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&d.window, &event);
            QCoreApplication::processEvents();
        };
        drop();
        QCOMPARE(d.window.statusText(1), QStringLiteral("proj.orv"));
        const QList<QAction*> items = d.window.findChild<QMenu*>("mnuBestand")->actions();
        QAction* entry = items[items.indexOf(d.action("mnuExit")) - 2];
        QCOMPARE(entry->text(), QStringLiteral("&1 proj.orv"));
        QCOMPARE(entry->statusTip(), d.dir.filePath("proj.orv"));
        QVERIFY(!entry->isEnabled());
        d.platform.answers.enqueue(kAnswerNo);
        drop();
        QCOMPARE(d.platform.messages.back().caption, QStringLiteral("Afsluiting programma"));
    }

    // A second start while this program holds the lock hands its project over, which this
    // window opens, and ends without writing its folder's "Ornaveld.set".
    void secondStartHandsOver() {
#ifndef ORNAVELD_DESKTOP_PROGRAM
        QSKIP("built without the desktop program");
#else
        Desktop d;
        InstanceLock lock(d.dir.filePath("data/Ornaveld"));
        QVERIFY(lock.acquire());
        InstanceServer server(
            lock.serverName(), [&d](const QString& p) { return d.main.takesHandover(p); },
            [&d](const QString& p) { d.main.acceptHandover(p); });
        const QByteArray settings = fileBytes(d.dir.filePath(kSettingsFileName));
        QProcess second;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", d.dir.filePath("data"));
        second.setProcessEnvironment(env);
        second.setWorkingDirectory(d.dir.path());
        second.start(ORNAVELD_DESKTOP_PROGRAM, {"proj.orv"});
        QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 20000);
        QCOMPARE(second.exitCode(), 0);
        QTRY_COMPARE(d.window.statusText(1), QStringLiteral("proj.orv"));
        QCOMPARE(fileBytes(d.dir.filePath(kSettingsFileName)), settings);
#endif
    }

    // With Qt's Dutch texts loaded the standard dialogs read Dutch.
    void dutchStandardDialogs() {
        const std::unique_ptr<QTranslator> dutch(installQtDutch(*qApp));
        QVERIFY(dutch);
        QMessageBox box(QMessageBox::Question, "Vraag", "Doorgaan?",
                        QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::No)->text(), QStringLiteral("&Nee"));
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Opslaan als"));
    }
};

ORV_GUI_TEST_MAIN(TestFrmStart)
#include "tst_frmstart.moc"
