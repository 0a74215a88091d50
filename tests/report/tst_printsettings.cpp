// The print settings dialog's logic and the report-section choice.

#include "base/win1252.h"
#include "common/testmain.h"
#include "report/printsettings.h"
#include "report/sections.h"

using namespace orv;

namespace {

// What the dialog's lists show for the settings (orientation, font, size, header, body1,
// body2); an entry that selects nothing shows "".
QStringList shown(const SettingsData& s) {
    auto entry = [](const auto& texts, int i) {
        return i < 0 ? QString() : texts[static_cast<std::size_t>(i)].toString();
    };
    return {entry(kOrientationTexts, orientationEntry(s.paperOrientation)),
            trimmed(s.printFontName),
            entry(kFontSizeTexts, fontSizeEntry(s.printFontSize)),
            entry(kStyleTexts, styleEntry(s.headerStyle)),
            entry(kStyleTexts, styleEntry(s.bodyStyle1)),
            entry(kStyleTexts, styleEntry(s.bodyStyle2))};
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
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("nothing stored")
            << false << SettingsData{} << QStringList{"A4, staand",  "Courier New", "12",
                                                      "Vet        ", "Cursief    ", "Cursief    "};
        QTest::newRow("stored values kept")
            << false << settings(10, "Arial", 0, 4, 0, 2)
            << QStringList{"A4, liggend", "Arial",       "10",
                           "Vet        ", "Vet cursief", "Cursief    "};
        QTest::newRow("blank font name only")
            << false << settings(6, "   ", 1, 1, 1, 1)
            << QStringList{"A4, staand",  "Courier New", " 6",
                           "Normaal    ", "Normaal    ", "Normaal    "};
        // A size the list does not offer is kept for printing and selects no entry.
        QTest::newRow("size outside the list")
            << false << settings(9, "Courier New", 3, 2, 2, 1)
            << QStringList{"A4, staand",  "Courier New", "",
                           "Vet        ", "Cursief    ", "Cursief    "};
        QTest::newRow("Standaard") << true << settings(12, "Arial", 4, 4, 4, 1)
                                   << QStringList{"A4, liggend", "Courier New", " 8",
                                                  "Vet        ", "Normaal    ", "Cursief    "};
    }
    void startValues() {
        QFETCH(bool, standard);
        QFETCH(SettingsData, stored);
        QFETCH(QStringList, expected);
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
        QTest::newRow("Cb lines only") << ReportKind::Cb << "0100"
                                       << "0010";
        QTest::newRow("Cb mobiles only") << ReportKind::Cb << "0010"
                                         << "0001";
        QTest::newRow("transmission parameters") << ReportKind::Transmission << "0100"
                                                 << "0100";
        QTest::newRow("transmission lines") << ReportKind::Transmission << "0010"
                                            << "0010";
        QTest::newRow("transmission mobiles") << ReportKind::Transmission << "1001"
                                              << "1001";
        QTest::newRow("emission both") << ReportKind::Emission << "0110"
                                       << "0011";
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
