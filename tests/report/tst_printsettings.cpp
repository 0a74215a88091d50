// The sizes a settings file may hold and the print settings that cut a report's tables. What
// the dialog's buttons store is checked through the dialog itself.

#include "common/testmain.h"
#include "report/pagefit.h"
#include "report/printsettings.h"

using namespace orv;

namespace {

SettingsData settings(int size, int orientation) {
    SettingsData s;
    s.printFontSize = static_cast<qint16>(size);
    s.paperOrientation = static_cast<qint16>(orientation);
    return s;
}

} // namespace

class TestPrintSettings : public QObject {
    Q_OBJECT
private slots:
    // A stored size beyond what the list offers is brought within it, with the reason; a
    // size between the entries stays.
    void storedSize_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("used");
        QTest::addColumn<QString>("message");
        QTest::newRow("300 pt")
            << 300 << 12
            << "De lettergrootte 300 pt in Ornaveld.set ligt buiten wat de "
               "afdrukinstellingen bieden (6 tot 12 pt); er wordt 12 pt gebruikt.";
        QTest::newRow("3 pt") << 3 << 6 << "De lettergrootte 3 pt";
        QTest::newRow("9 pt") << 9 << 9 << "";
        QTest::newRow("not yet set") << 0 << 0 << "";
    }
    void storedSize() {
        QFETCH(int, stored);
        QFETCH(QString, message);
        SettingsData s = settings(stored, 1);
        const QString told = limitPrintFontSize(s);
        QTEST(int(s.printFontSize), "used");
        QVERIFY2(message.isEmpty() ? told.isEmpty() : told.startsWith(message), qPrintable(told));
    }

    // Which report kinds lose columns at the right edge (1 Cb, 2 transmission, 3 emission).
    void pageCut_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QString>("cut");
        QTest::newRow("6 pt portrait") << 6 << 1 << "";
        QTest::newRow("8 pt landscape") << 8 << 2 << "";
        QTest::newRow("10 pt landscape") << 10 << 2 << "2";
        QTest::newRow("8 pt portrait") << 8 << 1 << "123";
    }
    void pageCut() {
        QFETCH(int, size);
        QFETCH(int, orientation);
        const SettingsData s = settings(size, orientation);
        QString cut;
        for (ReportKind kind : reportKindsCut(s))
            cut += QString::number(int(kind));
        QTEST(cut, "cut");
        if (size == 10)
            QCOMPARE(pageCutWarning(reportKindsCut(s), s),
                     "De tabellen van de overdrachtsberekening zijn breder dan de pagina en "
                     "worden rechts afgesneden: kies een kleinere lettergrootte.");
    }
};

ORV_TEST_MAIN(TestPrintSettings)
#include "tst_printsettings.moc"
