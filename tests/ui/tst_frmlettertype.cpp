// The print settings dialog: what it shows for the settings, and what its buttons leave in
// force.

#include "base/win1252.h"
#include "common/fakeplatform.h"
#include "common/testmain.h"
#include "ui/overzicht/frmlettertype.h"

#include <QComboBox>
#include <QPushButton>

using namespace orv;
using namespace orvtest;

namespace {

// Orientation, font, size, header, body 1, body 2 as the lists show them ("" for none).
QString shown(const frmLettertype& d) {
    QStringList s;
    for (const char* name : {"cboA4", "cboLtype", "cboLgrootte", "cboKop", "cboBody1", "cboBody2"})
        s << d.findChild<QComboBox*>(name)->currentText();
    return s.join('|');
}

QString inForce(const SettingsData& s) {
    return QStringLiteral("%1|%2|%3|%4|%5|%6")
        .arg(s.paperOrientation)
        .arg(trimmed(s.printFontName))
        .arg(s.printFontSize)
        .arg(s.headerStyle)
        .arg(s.bodyStyle1)
        .arg(s.bodyStyle2);
}

} // namespace

class TestFrmLettertype : public QObject {
    Q_OBJECT
private slots:
    void buttons_data() {
        QTest::addColumn<int>("storedSize"); // 0: nothing stored
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("lists");
        QTest::addColumn<QString>("settings");
        QTest::newRow("start values")
            << 0 << QStringList{"cmdCancel"}
            << "A4, staand|Courier New|12|Vet        |Cursief    |Cursief    "
            << "1|Courier New|12|3|2|2";
        QTest::newRow("Standaard, then Annuleren")
            << 0 << QStringList{"cmdDefault", "cmdCancel"}
            << "A4, liggend|Courier New| 8|Vet        |Normaal    |Cursief    "
            << "2|Courier New|8|3|1|2";
        QTest::newRow("a size of 9 survives Toepassen")
            << 9 << QStringList{"cmdOK"}
            << "A4, liggend|Liberation Sans||Normaal    |Normaal    |Vet cursief"
            << "2|Liberation Sans|9|1|1|4";
    }
    void buttons() {
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
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Afdrukinstelling overzichten"));
        for (const QString& name : clicks) {
            if (name == "cmdCancel" || name == "cmdOK") QTEST(shown(dialog), "lists");
            dialog.findChild<QPushButton*>(name)->click();
        }
        QTEST(inForce(settings), "settings");
        QVERIFY(platform.messages.isEmpty());
    }
};

ORV_GUI_TEST_MAIN(TestFrmLettertype)
#include "tst_frmlettertype.moc"
