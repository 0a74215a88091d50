// The print preview and the print settings dialog as a user meets them: the page the preview
// opens on, paging, zoom, its PDF, the main window's commands it takes away while it is open;
// the settings the dialog shows and leaves in force.

#include "../report/tst_renderer_fixture.h"
#include "app/mainstate.h"
#include "app/settingsfile.h"
#include "common/fakeplatform.h"
#include "common/testmain.h"
#include "print/afdrukken.h"
#include "ui/overzicht/frmlettertype.h"
#include "ui/overzicht/frmpreview.h"
#include "ui/shell/frmstart.h"

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

QString navigation(const frmPreView& w) {
    QString s;
    for (const char* key : {"begin", "terug", "volgende", "eind"})
        s += w.findChild<QAction*>(QStringLiteral("Toolbar1_") + key)->isEnabled() ? '1' : '0';
    return s;
}

int pdfPages(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return int(QString::fromLatin1(f.readAll()).count(page));
}

// Orientation, font, size, header, body 1, body 2 as the lists show them ("" for none).
QString shown(const frmLettertype& d) {
    QStringList s;
    for (const char* name : {"cboA4", "cboLtype", "cboLgrootte", "cboKop", "cboBody1", "cboBody2"})
        s << d.findChild<QComboBox*>(name)->currentText();
    return s.join('|');
}

// Font, orientation, size, header, body 1, body 2 as they stand in the settings.
QString inForce(const SettingsData& s) {
    QStringList v{trimmed(s.printFontName)};
    for (int n : {s.paperOrientation, s.printFontSize, s.headerStyle, s.bodyStyle1, s.bodyStyle2})
        v << QString::number(n);
    return v.join('|');
}

} // namespace

class TestPrintWindows : public QObject {
    Q_OBJECT
private slots:
    void paging_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("opened"); // begin, terug, volgende, eind
        QTest::addColumn<QString>("afterBegin");
        QTest::newRow("one page") << 3 << 1 << "0000"
                                  << "0000";
        QTest::newRow("three pages") << 80 << 3 << "1100"
                                     << "0011";
    }
    void paging() {
        QFETCH(int, lines);
        QFETCH(int, pages);
        const auto st = makeReportState(2, lines, 0, 2, 8);
        FakePlatform platform;
        QTemporaryDir dir;
        frmPreView w(*st, platform);
        QCOMPARE(w.page(), pages);
        QCOMPARE(w.windowTitle(), QStringLiteral("Afdrukvoorbeeld, pagina %1 van %1").arg(pages));
        QTEST(navigation(w), "opened");
        w.findChild<QAction*>("Toolbar1_begin")->trigger();
        QTEST(navigation(w), "afterBegin");
        // The PDF of the preview has its pages.
        platform.saveAnswers.enqueue(chosen(dir.filePath("voorbeeld.pdf")));
        w.findChild<QAction*>("Toolbar1_pdf")->trigger();
        QCOMPARE(pdfPages(dir.filePath("voorbeeld.pdf")), pages);
    }

    // The page picture follows the zoom and fits the room it is given; a zoom after closing
    // changes nothing.
    void zoom() {
        const auto st = makeReportState(2, 3, 0, 1, 8);
        FakePlatform platform;
        frmPreView w(*st, platform);
        w.resize(700, 500);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* zoom = w.findChild<QComboBox*>("cboZoom");
        auto* container = w.findChild<QWidget*>("DocumentContainer");
        auto* page = w.findChild<QLabel*>("Document");
        const QSize full = page->size();
        zoom->setCurrentIndex(2);
        QVERIFY(page->height() <= container->height() && page->width() < full.width());
        zoom->setCurrentIndex(1);
        QVERIFY(std::abs(page->width() - (container->width() - 20)) <= 2);
        QVERIFY(w.findChild<QWidget*>("VScroll1")->isVisible());
        zoom->setCurrentIndex(0);
        QCOMPARE(page->size(), full);
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        zoom->setCurrentIndex(2);
        QCOMPARE(page->size(), full);
    }

    // While the preview is open the main window hides the user-name and print-settings
    // buttons and disables their menu items; closing gives them back, and "Sluiten" then
    // still ends with no file.
    void mainWindowCommands() {
        QTemporaryDir dir;
        writeSettingsFile(dir.filePath(kSettingsFileName), SettingsData{});
        auto state = makeReportState(2, 3, 0);
        FakePlatform platform;
        platform.currentDir = dir.path();
        frmStart window(*state, platform);
        MainState main(*state, window, platform);
        window.setMainState(&main);
        window.setFormFactory(FormId::PreView, [&](QWidget* parent) -> QWidget* {
            return new frmPreView(*state, platform, &main, parent);
        });
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
        AfdrukVoorbeeld(window);
        platform.answers.enqueue(kAnswerYes);
        window.findChild<QAction*>("mnuSluiten")->trigger();
        QVERIFY(!window.isFormOpen(FormId::PreView));
        QCOMPARE(shown(), QStringLiteral("0011"));
        QCOMPARE(window.statusText(1), kNoFileText);
    }

    // The print settings dialog: what its lists show, and what its buttons leave in force.
    void lettertype_data() {
        QTest::addColumn<int>("storedSize"); // 0: nothing stored
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("lists");
        QTest::addColumn<QString>("settings");
        QTest::newRow("start values")
            << 0 << QStringList{"cmdCancel"}
            << "A4, staand|Courier New|12|Vet        |Cursief    |Cursief    "
            << "Courier New|1|12|3|2|2";
        QTest::newRow("Standaard, then Annuleren")
            << 0 << QStringList{"cmdDefault", "cmdCancel"}
            << "A4, liggend|Courier New| 8|Vet        |Normaal    |Cursief    "
            << "Courier New|2|8|3|1|2";
        QTest::newRow("a size of 9 survives Toepassen")
            << 9 << QStringList{"cmdOK"}
            << "A4, liggend|Liberation Sans||Normaal    |Normaal    |Vet cursief"
            << "Liberation Sans|2|9|1|1|4";
    }
    void lettertype() {
        QFETCH(int, storedSize);
        QFETCH(QStringList, clicks);
        SettingsData settings;
        if (storedSize) {
            settings.printFontSize = static_cast<qint16>(storedSize);
            settings.printFontName = fixedText(u"Liberation Sans", kPrintFontNameWidth);
            settings.paperOrientation = 2;
            settings.headerStyle = 1, settings.bodyStyle1 = 1, settings.bodyStyle2 = 4;
        }
        FakePlatform platform;
        frmLettertype dialog(settings, platform);
        for (const QString& name : clicks) {
            if (name == "cmdCancel" || name == "cmdOK") QTEST(shown(dialog), "lists");
            dialog.findChild<QPushButton*>(name)->click();
        }
        QTEST(inForce(settings), "settings");
        QVERIFY(platform.messages.isEmpty());
    }
};

ORV_GUI_TEST_MAIN(TestPrintWindows)
#include "tst_printwindows.moc"
