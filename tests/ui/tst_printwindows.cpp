// The print preview and the print settings dialog as a user meets them: the page the preview
// opens on, its PDF and status line, zoom, the main window's commands it takes away while it
// is open; the settings the dialog shows, leaves in force and warns about.

#include "../report/tst_renderer_fixture.h"
#include "app/mainstate.h"
#include "app/settingsfile.h"
#include "base/win1252.h"
#include "common/fakeplatform.h"
#include "common/testmain.h"
#include "print/afdrukken.h"
#include "ui/overzicht/frmlettertype.h"
#include "ui/overzicht/frmpreview.h"
#include "ui/shell/frmstart.h"
#include "ui/shell/wiring.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace orv;
using namespace orvtest;

namespace {

int pdfPages(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return int(QString::fromLatin1(f.readAll()).count(page));
}

} // namespace

class TestPrintWindows : public QObject {
    Q_OBJECT
private slots:
    void paging_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("font");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("status");
        QTest::newRow("one page") << 3 << 8 << "DejaVu Sans" << 1 << "";
        QTest::newRow("four pages, cut at 10 pt")
            << 80 << 10 << "DejaVu Sans" << 4 << "De tabellen van de overdrachtsberekening zijn";
        QTest::newRow("font not installed") << 3 << 8 << "Geen Bestaand Lettertype XYZ" << 1
                                            << "Lettertype \"Geen Bestaand Lettertype XYZ\" is "
                                               "niet geïnstalleerd; afgedrukt wordt in";
    }
    void paging() {
        QFETCH(int, lines);
        QFETCH(int, size);
        QFETCH(QString, font);
        QFETCH(int, pages);
        QFETCH(QString, status);
        const auto st = makeReportState(2, lines, 0, 2, size);
        st->settings.printFontName = fixedText(font, kPrintFontNameWidth);
        FakePlatform platform;
        QTemporaryDir dir;
        const Session session;
        frmPreView w(*st, session, platform);
        QCOMPARE(w.windowTitle(), QStringLiteral("Afdrukvoorbeeld, pagina %1 van %1").arg(pages));
        const QString shown = w.findChild<QLabel*>("lblStatus")->text();
        QVERIFY2(status.isEmpty() ? shown.isEmpty() : shown.startsWith(status), qPrintable(shown));
        platform.saveAnswers.enqueue(chosen(dir.filePath("voorbeeld.pdf")));
        w.findChild<QAction*>("Toolbar1_pdf")->trigger();
        QCOMPARE(pdfPages(dir.filePath("voorbeeld.pdf")), pages);
    }

    // The page picture follows the zoom; a zoom after closing changes nothing.
    void zoom() {
        const auto st = makeReportState(2, 3, 0, 1, 8);
        FakePlatform platform;
        const Session session;
        frmPreView w(*st, session, platform);
        w.resize(700, 500);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* zoom = w.findChild<QComboBox*>("cboZoom");
        auto* page = w.findChild<QLabel*>("Document");
        const QSize full = page->size();
        zoom->setCurrentIndex(2);
        QVERIFY(page->width() < full.width());
        zoom->setCurrentIndex(0);
        QCOMPARE(page->size(), full);
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        zoom->setCurrentIndex(2);
        QCOMPARE(page->size(), full);
    }

    // While the preview is open the main window hides the user-name and print-settings
    // buttons and disables their menu items; closing gives them back.
    void mainWindowCommands() {
        QTemporaryDir dir;
        writeSettingsFile(dir.filePath(kSettingsFileName), SettingsData{});
        auto state = makeReportState(2, 3, 0);
        FakePlatform platform;
        platform.currentDir = dir.path();
        frmStart window(*state, platform);
        MainState main(*state, window, platform, platform);
        window.setMainState(&main);
        wireWindows(window, main, *state, platform, platform);
        main.MDIForm_Load(QString());
        main.mnuNieuw_Click();
        auto shown = [&] {
            QString s;
            for (const char* name : {"mnuGebruikersNaam", "mnuLettertype"})
                s += window.findChild<QAction*>(name)->isEnabled() ? '1' : '0';
            for (int i : {9, 10})
                s += window.toolbarEntry(i)->isVisible() ? '1' : '0';
            return s;
        };
        AfdrukVoorbeeld(window);
        QCOMPARE(shown(), QStringLiteral("0000"));
        window.closeForm(FormId::PreView);
        QCOMPARE(shown(), QStringLiteral("1111"));
    }

    // The print settings dialog: what its buttons leave in force, chosen by keys as a user
    // does, and the warning when the choice cuts a report's tables.
    void lettertype_data() {
        QTest::addColumn<int>("storedSize");      // 0: nothing stored
        QTest::addColumn<QStringList>("presses"); // a button, or a list and its entry
        QTest::addColumn<QString>("settings");    // font, orientation, size, header, body 1, body 2
        QTest::addColumn<QString>("warning");
        QTest::newRow("Standaard, then Annuleren")
            << 0 << QStringList{"cmdDefault", "cmdCancel"} << "Courier New|2|8|3|1|2"
            << "";
        QTest::newRow("a size of 9 survives Toepassen")
            << 9 << QStringList{"cmdOK"} << "Liberation Sans|2|9|1|1|4"
            << "";
        QTest::newRow("10 pt landscape warns and is kept")
            << 9 << QStringList{"cboLgrootte=2", "cmdOK"} << "Liberation Sans|2|10|1|1|4"
            << "De tabellen van de overdrachtsberekening zijn breder dan de pagina";
        QTest::newRow("8 pt portrait warns and is kept")
            << 0 << QStringList{"cboA4=0", "cboLgrootte=1", "cmdOK"} << "Courier New|1|8|3|2|2"
            << "De tabellen van de bedrijfsduurcorrectie, de overdrachtsberekening en";
    }
    void lettertype() {
        QFETCH(int, storedSize);
        QFETCH(QStringList, presses);
        QFETCH(QString, warning);
        SettingsData settings;
        if (storedSize) {
            settings.printFontSize = static_cast<qint16>(storedSize);
            settings.printFontName = fixedText(u"Liberation Sans", kPrintFontNameWidth);
            settings.paperOrientation = 2;
            settings.headerStyle = 1, settings.bodyStyle1 = 1, settings.bodyStyle2 = 4;
        }
        FakePlatform platform;
        frmLettertype dialog(settings, platform);
        for (const QString& press : presses) {
            const QStringList list = press.split('=');
            if (list.size() == 1) {
                dialog.findChild<QPushButton*>(press)->click();
                continue;
            }
            auto* box = dialog.findChild<QComboBox*>(list[0]);
            QTest::keyClick(box, Qt::Key_Home);
            for (int i = 0; i < list[1].toInt(); ++i)
                QTest::keyClick(box, Qt::Key_Down);
        }
        QStringList inForce{trimmed(settings.printFontName)};
        for (int n : {settings.paperOrientation, settings.printFontSize, settings.headerStyle,
                      settings.bodyStyle1, settings.bodyStyle2})
            inForce << QString::number(n);
        QTEST(inForce.join('|'), "settings");
        QCOMPARE(platform.messages.size(), warning.isEmpty() ? 0 : 1);
        if (!warning.isEmpty())
            QVERIFY(platform.messages[0].caption == "Waarschuwing" &&
                    platform.messages[0].text.startsWith(warning));
    }

    // The font is chosen from the installed fonts, never typed; a stored name that is not
    // installed stays the choice, marked as such.
    void fontList() {
        SettingsData settings;
        settings.printFontName = fixedText(u"Geen Bestaand Lettertype XYZ", kPrintFontNameWidth);
        FakePlatform platform;
        frmLettertype dialog(settings, platform);
        auto* box = dialog.findChild<QComboBox*>("cboLtype");
        QVERIFY(!box->isEditable());
        QVERIFY(box->currentText().startsWith("Geen Bestaand Lettertype XYZ (niet geïnstalleerd"));
        QTest::keyClicks(box, "Mijn eigen letter");
        QVERIFY(box->currentText() != "Mijn eigen letter");
        QTest::keyClick(box, Qt::Key_Home);
        dialog.findChild<QPushButton*>("cmdOK")->click();
        QCOMPARE(trimmed(settings.printFontName), "Geen Bestaand Lettertype XYZ");
    }
};

ORV_GUI_TEST_MAIN(TestPrintWindows)
#include "tst_printwindows.moc"
