// The print settings dialog's logic, the sizes a settings file may hold and the settings that
// cut a report's tables.

#include "base/win1252.h"
#include "common/testmain.h"
#include "report/pagefit.h"
#include "report/printsettings.h"

using namespace orv;

namespace {

// The entries the dialog's lists select for the settings (orientation/font/size/header/
// body1/body2); -1 where none fits.
QString shown(const SettingsData& s) {
    return QStringLiteral("%1/%2/%3/%4/%5/%6")
        .arg(orientationEntry(s.paperOrientation))
        .arg(trimmed(s.printFontName))
        .arg(fontSizeEntry(s.printFontSize))
        .arg(styleEntry(s.headerStyle))
        .arg(styleEntry(s.bodyStyle1))
        .arg(styleEntry(s.bodyStyle2));
}

SettingsData settings(int size, const QString& font, int header, int body1, int body2,
                      int orientation) {
    SettingsData s;
    s.printFontSize = static_cast<qint16>(size);
    s.printFontName = fixedText(font, kPrintFontNameWidth);
    s.headerStyle = static_cast<qint16>(header);
    s.bodyStyle1 = static_cast<qint16>(body1);
    s.bodyStyle2 = static_cast<qint16>(body2);
    s.paperOrientation = static_cast<qint16>(orientation);
    return s;
}

} // namespace

class TestPrintSettings : public QObject {
    Q_OBJECT
private slots:
    void startValues_data() {
        QTest::addColumn<bool>("standard"); // the "Standaard" button instead of opening
        QTest::addColumn<SettingsData>("stored");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing stored") << false << SettingsData{} << "0/Courier New/3/2/1/1";
        QTest::newRow("stored values kept")
            << false << settings(10, "Arial", 0, 4, 0, 2) << "1/Arial/2/2/3/1";
        QTest::newRow("blank font name only")
            << false << settings(6, "   ", 1, 1, 1, 1) << "0/Courier New/0/0/0/0";
        // A size the list does not offer is kept for printing and selects no entry.
        QTest::newRow("size outside the list")
            << false << settings(9, "Courier New", 3, 2, 2, 1) << "0/Courier New/-1/2/1/1";
        QTest::newRow("Standaard")
            << true << settings(12, "Arial", 4, 4, 4, 1) << "1/Courier New/1/2/0/1";
    }
    void startValues() {
        QFETCH(bool, standard);
        QFETCH(SettingsData, stored);
        QFETCH(QString, expected);
        if (standard)
            applyPrintStandard(stored);
        else
            applyPrintStartValues(stored);
        QCOMPARE(shown(stored), expected);
        QCOMPARE(stored.printFontName.size(), kPrintFontNameWidth);
    }

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
        SettingsData s = settings(stored, "Courier New", 3, 1, 2, 1);
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
        const SettingsData s = settings(size, "Courier New", 3, 1, 2, orientation);
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
