// The calculation from the desktop: the "Berekening" menu's commands and the overview,
// driven as a user drives them.

#include "app/mainstate.h"
#include "app/projectfile.h"
#include "cli/commands.h"
#include "common/calcfixture.h"
#include "common/fakeplatform.h"
#include "common/guards.h"
#include "common/testmain.h"
#include "ui/overzicht/frmoverzicht.h"
#include "ui/shell/frmstart.h"
#include "ui/shell/wiring.h"

#include <QAction>
#include <QClipboard>
#include <QMdiArea>
#include <QMenu>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>

using namespace orv;
using namespace orvtest;
using namespace calctest;

namespace {

// One line source (length 100, start 50, end `end`) and one mobile source, the input form open.
struct Desk {
    explicit Desk(double end = 30) {
        add(*state,
            Line{.description = QStringLiteral("Vrachtroute"), .distanceA = 50, .distanceB = end});
        add(*state, Mobile{.description = QStringLiteral("Heftruck"), .distanceB = 80});
        state->settings.headerStyle = 3;
        state->settings.bodyStyle1 = 1;
        state->settings.bodyStyle2 = 2;
        window.setMainState(&main);
        wireWindows(window, main, *state, platform, platform);
        window.setFormFactory(FormId::Overzicht, [this](QWidget* parent) -> QWidget* {
            return new frmOverzicht(*state, window, parent);
        });
        window.showForm(FormId::Invoer, false);
    }
    // Chooses the menu item as a user does; the command runs once the handler returned.
    void choose(const char* item) {
        window.berekeningMenu()->findChild<QAction*>(QLatin1String(item))->trigger();
        QVERIFY(window.isFormOpen(FormId::Invoer));
        QCoreApplication::processEvents();
    }
    frmOverzicht* overview() const { return window.findChild<frmOverzicht*>(); }

    DecimalSeparatorGuard comma{QLatin1Char(',')};
    std::unique_ptr<State> state = freshState();
    FakePlatform platform;
    frmStart window{*state, platform};
    MainState main{*state, window, platform, platform};
};

} // namespace

class TestRekenWindows : public QObject {
    Q_OBJECT
private slots:
    void commands_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<double>("end");
        QTest::addColumn<QString>("warning"); // empty: none
        QTest::addColumn<QString>("status");  // panel 2 after the run; empty: no overview
        QTest::newRow("transmission, no triangle")
            << "mnuLi" << 30.0
            << "De ingevoerde lengte van lijnbron Vrachtroute komt niet overeen met de opgegeven "
               "afstanden tot de rijlijn!"
            << "";
        QTest::newRow("Cb ignores the geometry") << "mnuCb" << 30.0 << ""
                                                 << "Berekening bedrijfsduurcorrectie Cb";
        QTest::newRow("transmission") << "mnuLi" << 80.0 << ""
                                      << "Berekening geluidsniveaus";
        QTest::newRow("section dialog left") << "mnuLi" << 80.0 << ""
                                             << "";
    }
    void commands() {
        QFETCH(QString, item);
        QFETCH(double, end);
        QFETCH(QString, warning);
        QFETCH(QString, status);
        Desk d(end);
        d.platform.sectionsConfirm =
            QTest::currentDataTag() != QLatin1String("section dialog left");
        const auto before = d.state->results;
        d.choose(qPrintable(item));
        // A refused geometry is the only word, before the section dialog.
        QCOMPARE(d.platform.messages.isEmpty() ? QString() : d.platform.messages[0].text, warning);
        QCOMPARE(d.platform.sectionKinds.isEmpty(), !warning.isEmpty());
        QCOMPARE(d.window.isFormOpen(FormId::Overzicht), !status.isEmpty());
        QCOMPARE(d.window.isFormOpen(FormId::Invoer), status.isEmpty());
        QVERIFY(!d.platform.busy);
        if (status.isEmpty()) {
            QVERIFY(d.state->results[1][1].cb[0] == before[1][1].cb[0]);
            return;
        }
        QCOMPARE(d.window.statusText(2), status);
        // Escape closes the overview, and exactly one input form comes back.
        QTest::keyClick(d.overview()->textBox(), Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!d.window.isFormOpen(FormId::Overzicht));
        QCOMPARE(d.window.mdiArea()->subWindowList().size(), qsizetype(1));
    }

    // The overview holds the command line's report of the same project, formatted by the styles.
    void overviewText_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("Cb") << 1;
        QTest::newRow("transmission") << 2;
        QTest::newRow("emission") << 3;
    }
    void overviewText() {
        QFETCH(int, kind);
        Desk d(80);
        d.state->sources[1][1].surchargeKx = 5;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("p.orv"));
        QVERIFY(writeProjectFile(path, *d.state).ok());
        d.choose(kind == 1 ? "mnuCb" : kind == 2 ? "mnuLi" : "mnuLwT");
        QString cliText, cliErr;
        QTextStream out(&cliText), err(&cliErr);
        QCOMPARE(
            cli::runReport({path, "--kind", QString::number(kind), "--decimal", ","}, out, err), 0);
        out.flush();
        QTextEdit* box = d.overview()->textBox();
        QCOMPARE(box->toPlainText(), cliText.remove(QLatin1Char('\r')));

        const QTextDocument* doc = box->document();
        QTextCursor inTitle(doc->firstBlock()); // the title follows the user name's 30 places
        inTitle.setPosition(40);
        QVERIFY(inTitle.charFormat().font().bold());
        QVERIFY(doc->find(QStringLiteral("Heftruck")).charFormat().font().italic());
        if (kind != 2) return;
        // The print buttons call their handlers, without one nothing happens; "Kopiëren" puts
        // the report on the clipboard.
        int printed = 0;
        d.overview()->findChild<QAction*>("Toolbar1_printen")->trigger();
        QObject::connect(d.overview(), &frmOverzicht::printRequested, [&] { ++printed; });
        d.overview()->findChild<QAction*>("Toolbar1_printen")->trigger();
        d.overview()->findChild<QAction*>("Toolbar1_kopieren")->trigger();
        QCOMPARE(printed, 1);
        QCOMPARE(QApplication::clipboard()->text(), box->toPlainText());
    }
};

ORV_GUI_TEST_MAIN(TestRekenWindows)
#include "tst_rekenwindows.moc"
