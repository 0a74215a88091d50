// The print settings dialog's logic and the report-section choice.

#include "app/win1252.h"
#include "common/testregistry.h"
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

    void sectionBoxes_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QString>("flags");
        QTest::newRow("1") << 1
                           << QStringList{"Projectgegevens", "Lijnbron/rijroute",
                                          "Mobiele/vaste bron", ""}
                           << "1110";
        QTest::newRow("2") << 2
                           << QStringList{"Projectgegevens", "Rekenparameters", "Lijnbron/rijroute",
                                          "Mobiele/vaste bron"}
                           << "1111";
        QTest::newRow("3") << 3
                           << QStringList{"Projectgegevens", "Lijnbron/rijroute",
                                          "Mobiele/vaste bron", ""}
                           << "1110";
        QTest::newRow("other kind") << 0 << QStringList{"", "", "", ""} << "0000";
    }
    void sectionBoxes() {
        QFETCH(int, kind);
        QFETCH(QStringList, captions);
        QFETCH(QString, flags);
        QStringList shownCaptions;
        for (int box = 0; box < 4; ++box)
            shownCaptions << sectionCaption(kind, box).toString();
        QCOMPARE(shownCaptions, captions);
        QCOMPARE(defaultSectionsText(kind), flags);
        QVERIFY(sectionCaption(kind, 4).isEmpty());
    }
};

ORV_TEST(TestPrintSettings)
#include "tst_printsettings.moc"
