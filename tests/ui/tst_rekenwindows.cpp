// The calculation from the desktop: the "Berekening" menu's commands, the overview, the
// geometry window and the surcharge tool, driven as a user drives them.

#include "app/mainstate.h"
#include "app/projectfile.h"
#include "calc/calcfixture.h"
#include "cli/commands.h"
#include "common/fakeplatform.h"
#include "common/guards.h"
#include "common/testmain.h"
#include "ui/overzicht/frmoverzicht.h"
#include "ui/shell/frmstart.h"
#include "ui/tools/frmgeometrie.h"
#include "ui/tools/frmtoeslag.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <tuple>

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
    int inputForms() const { return static_cast<int>(window.mdiArea()->subWindowList().size()); }

    DecimalSeparatorGuard comma{QLatin1Char(',')};
    std::unique_ptr<State> state = freshState();
    FakePlatform platform;
    frmStart window{*state, platform};
    MainState main{*state, window, platform};
};

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Answers the next modal dialog by closing it, and hands it to `seen` first.
void closeNextDialog(std::function<void(QWidget*)> seen) {
    QTimer::singleShot(0, [seen] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            seen(w);
            w->close();
        }
    });
}

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
        flushDeletes();
        QVERIFY(!d.window.isFormOpen(FormId::Overzicht));
        QCOMPARE(d.inputForms(), 1);
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
        QString cliText;
        QString cliErr;
        QTextStream out(&cliText), err(&cliErr);
        QCOMPARE(
            cli::runReport({path, "--kind", QString::number(kind), "--decimal", ","}, out, err), 0);
        out.flush();
        QTextEdit* box = d.overview()->textBox();
        QCOMPARE(box->toPlainText(), cliText.remove(QLatin1Char('\r')));
        QVERIFY(box->isReadOnly());

        const QTextDocument* doc = box->document();
        auto formatAt = [doc](const QString& text) { return doc->find(text).charFormat(); };
        QTextCursor inTitle(doc->firstBlock()); // the title follows the user name's 30 places
        inTitle.setPosition(40);
        const QTextCharFormat title = inTitle.charFormat();
        QVERIFY(title.font().bold() && !title.font().italic());
        QCOMPARE(title.fontPointSize(), 10.0);
        const QTextCharFormat row = formatAt(QStringLiteral("Heftruck"));
        QVERIFY(!row.font().bold() && row.font().italic());
        QCOMPARE(row.fontPointSize(), 8.0);
        if (kind != 2) return;
        QVERIFY(formatAt(QStringLiteral("Letmaal")).font().bold());
        // The print buttons call their handlers, without one nothing happens; "Kopiëren" puts
        // the report on the clipboard.
        int printed = 0;
        d.overview()->findChild<QAction*>("Toolbar1_printen")->trigger();
        d.overview()->setPrintHandler([&] { ++printed; });
        d.overview()->findChild<QAction*>("Toolbar1_printen")->trigger();
        d.overview()->findChild<QAction*>("Toolbar1_kopieren")->trigger();
        QCOMPARE(printed, 1);
        QCOMPARE(QApplication::clipboard()->text(), box->toPlainText());
    }

    // Length, start, end as typed -> the window's last line, or the message box's text
    // (information icon, the window's caption); a box without a number shows nothing.
    void geometry_data() {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QString>("shown");
        QTest::newRow("point on the line")
            << QStringList{"100", "150", "50"} << false
            << "Lengte rijlijn = 100,0 m¹\nKan geen afstand tot lijnbron bepalen!";
        QTest::newRow("receiver behind the start")
            << QStringList{"100", "50", "150"} << true << "Zichthoek vanuit immissiepunt = 0,00°";
        QTest::newRow("a box without a number") << QStringList{"100", "5x", "150"} << false << "";
    }
    void geometry() {
        QFETCH(QStringList, boxes);
        QFETCH(QString, shown);
        const DecimalSeparatorGuard comma(QLatin1Char(','));
        FakePlatform platform;
        QString caption, text;
        closeNextDialog([&](QWidget* w) {
            caption = w->windowTitle();
            text = w->findChild<QLabel*>("lblGeometrie")->text().section('\n', -1);
        });
        QTEST(frmGeometrie::showTest(platform, {boxes[0], "10", boxes[1], boxes[2], "Route 1  "}),
              "opened");
        QCoreApplication::processEvents(); // the timer of a window that never opened
        for (const RecordedMessage& m : platform.messages) {
            QCOMPARE(m.icon, MsgIcon::Information);
            std::tie(caption, text) = std::tie(m.caption, m.text);
        }
        QCOMPARE(text, shown);
        if (!shown.isEmpty()) QCOMPARE(caption, QStringLiteral("Geometrie lijnbron Route 1"));
    }

    // Site, source, Tb by day with K 5 -> the result line or the warning (exclamation icon).
    void toeslagRating_data() {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("4 of 12 h") << QStringList{"50", "45", "4"} << "LAr,LT = 53,4 dB(A)";
        QTest::newRow("whole day") << QStringList{"50", "45", "12"} << "LAr,LT = 55,0 dB(A)";
        QTest::newRow("no site level")
            << QStringList{"", "45", "4"} << "LAeq(totaal) niet ingevuld!";
    }
    void toeslagRating() {
        QFETCH(QStringList, boxes);
        Desk d(80);
        frmToeslag tool(*d.state, d.platform);
        tool.findChild<QComboBox*>("Combo2")->setCurrentIndex(1);
        for (int i = 0; i < 3; ++i)
            tool.findChild<QLineEdit*>(QStringLiteral("Text_%1").arg(i))->setText(boxes[i]);
        tool.findChild<QPushButton*>("cmdReken")->click();
        QString shown = tool.findChild<QLabel*>("lblResultaat")->text();
        for (const RecordedMessage& m : d.platform.messages) {
            QCOMPARE(m.icon, MsgIcon::Exclamation);
            shown += m.text;
        }
        QTEST(shown, "shown");
    }

    void toeslagList() {
        Desk d(80);
        d.state->sources[0][0].surchargeKx = 10;
        d.state->sources[0][1].surchargeKx = 3;
        frmToeslag tool(*d.state, d.platform);
        auto* source = tool.findChild<QComboBox*>("Combo3");
        auto* k = tool.findChild<QComboBox*>("Combo2");
        // Opens on the surcharged source; its 3 dB is not offered, so no entry shows.
        QCOMPARE(source->currentIndex(), 1);
        QCOMPARE(k->currentIndex(), -1);
        // Moving through the list shows each entry's surcharge and stores nothing.
        source->setCurrentIndex(0);
        QCOMPARE(k->currentText(), QStringLiteral("10"));
        QCOMPARE(d.state->sources[0][1].surchargeKx, 3);
        // A Tb longer than the evening is brought back to it.
        auto* hours = tool.findChild<QLineEdit*>("Text_2");
        hours->setText(QStringLiteral("6"));
        tool.findChild<QComboBox*>("Combo1")->setCurrentIndex(1);
        QCOMPARE(hours->text(), QStringLiteral("4,0000"));
        // K 5 on the mobile source clears the others, the total level's included.
        source->setCurrentIndex(2);
        k->setCurrentIndex(1);
        QCOMPARE(d.state->sources[1][1].surchargeKx, 5);
        QCOMPARE(d.state->sources[0][0].surchargeKx + d.state->sources[0][1].surchargeKx, 0);
    }
};

ORV_GUI_TEST_MAIN(TestRekenWindows)
#include "tst_rekenwindows.moc"
