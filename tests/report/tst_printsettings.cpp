// The print settings dialog's logic and the report-section choice.

#include "base/win1252.h"
#include "common/testmain.h"
#include "report/printsettings.h"
#include "report/sections.h"

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

    // Which box answers which question: the boxes mean other parts in each report.
    void sectionQuestions_data() {
        QTest::addColumn<ReportKind>("kind");
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<QString>("answers"); // project, parameters, lines, mobiles
        const auto row = [](const char* name, ReportKind kind, const char* boxes,
                            const char* answers) {
            QTest::newRow(name) << kind << QString(boxes) << QString(answers);
        };
        row("Cb lines only", ReportKind::Cb, "0100", "0010");
        row("transmission parameters", ReportKind::Transmission, "0100", "0100");
        row("transmission mobiles", ReportKind::Transmission, "1001", "1001");
        row("emission both", ReportKind::Emission, "0110", "0011");
    }
    void sectionQuestions() {
        QFETCH(ReportKind, kind);
        QFETCH(QString, boxes);
        QFETCH(QString, answers);
        const Sections s = *Sections::fromText(boxes);
        const QString got =
            QString::number(s.projectBlock()) + QString::number(s.parameterBlock(kind)) +
            QString::number(s.linesListed(kind)) + QString::number(s.mobilesListed(kind));
        QCOMPARE(got, answers);
        QCOMPARE(s.text(), boxes);
        // Every report opens its dialog complete: each box it offers is ticked.
        for (int box = 0; box < 4; ++box)
            QCOMPARE(Sections::initial(kind).box(box), !sectionCaption(kind, box).isEmpty());
    }
    void sectionsText() {
        QVERIFY(!Sections::fromText(QStringLiteral("111")));
        QVERIFY(!Sections::fromText(QStringLiteral("1121")));
    }
};

ORV_TEST_MAIN(TestPrintSettings)
#include "tst_printsettings.moc"
