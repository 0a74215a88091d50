// The print settings dialog's logic and the report-section choice.

#include "app/win1252.h"
#include "common/testregistry.h"
#include "overzichtfixture.h"
#include "report/overzicht.h"
#include "report/printsettings.h"
#include "report/sections.h"

using namespace orv;

namespace {

struct Shown {
    QString orientation, font, size, header, body1, body2;
};

// What the dialog's lists show for the settings; an entry that selects nothing shows "".
Shown shown(const SettingsData& s) {
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
        QTest::addColumn<SettingsData>("stored");
        QTest::addColumn<QStringList>("expected"); // orientation, font, size, header, body1, body2
        QTest::newRow("nothing stored")
            << SettingsData{} << QStringList{"A4, staand",  "Courier New", "12",
                                             "Vet        ", "Cursief    ", "Cursief    "};
        QTest::newRow("stored values kept")
            << settings(10, "Arial", 0, 4, 0, 2)
            << QStringList{"A4, liggend", "Arial",       "10",
                           "Vet        ", "Vet cursief", "Cursief    "};
        QTest::newRow("blank font name only")
            << settings(6, "   ", 1, 1, 1, 1)
            << QStringList{"A4, staand",  "Courier New", " 6",
                           "Normaal    ", "Normaal    ", "Normaal    "};
        // A size the list does not offer is kept for printing and selects no entry.
        QTest::newRow("size outside the list")
            << settings(9, "Courier New", 3, 2, 2, 1)
            << QStringList{"A4, staand",  "Courier New", "",
                           "Vet        ", "Cursief    ", "Cursief    "};
    }
    void startValues() {
        QFETCH(SettingsData, stored);
        QFETCH(QStringList, expected);
        applyPrintStartValues(stored);
        const Shown s = shown(stored);
        QCOMPARE((QStringList{s.orientation, s.font, s.size, s.header, s.body1, s.body2}),
                 expected);
        QCOMPARE(stored.printFontName.size(), kPrintFontNameWidth);
    }

    // "Standaard" writes the settings at once; "Annuleren" afterwards changes nothing.
    void standardThenCancel() {
        SettingsData s = settings(12, "Arial", 4, 4, 4, 1);
        applyPrintStandard(s);
        QCOMPARE(s.printFontSize, qint16(8));
        QCOMPARE(s.paperOrientation, qint16(2));
        QCOMPARE(s.headerStyle, qint16(3));
        QCOMPARE(s.bodyStyle1, qint16(1));
        QCOMPARE(s.bodyStyle2, qint16(2));
        QCOMPARE(s.printFontName, fixedText(u"Courier New", kPrintFontNameWidth));
        const Shown after = shown(s);
        QCOMPARE(after.orientation, QString("A4, liggend"));
        QCOMPARE(after.size, QString(" 8"));
        QCOMPARE(after.body1, QString("Normaal    "));
    }

    void styles_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::newRow("0 unset") << 0 << false << false;
        QTest::newRow("1 normal") << 1 << false << false;
        QTest::newRow("2 italic") << 2 << false << true;
        QTest::newRow("3 bold") << 3 << true << false;
        QTest::newRow("4 bold italic") << 4 << true << true;
        QTest::newRow("5 outside") << 5 << false << false;
        QTest::newRow("-3 outside") << -3 << false << false;
    }
    void styles() {
        QFETCH(int, style);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QCOMPARE(styleBold(style), bold);
        QCOMPARE(styleItalic(style), italic);
    }

    void applyChoice_data() {
        QTest::addColumn<PrintDialogChoice>("choice");
        QTest::addColumn<SettingsData>("expected");
        QTest::newRow("all chosen")
            << PrintDialogChoice{1, "Arial", "10", 0, 1, 3} << settings(10, "Arial", 1, 2, 4, 2);
        QTest::newRow("size text with its blank")
            << PrintDialogChoice{0, "Courier New", " 6", 2, 2, 2}
            << settings(6, "Courier New", 3, 3, 3, 1);
        // Nothing selected: the stored settings stay as they were.
        QTest::newRow("nothing selected")
            << PrintDialogChoice{-1, "  ", "", -1, -1, -1} << settings(9, "Times", 4, 1, 2, 2);
    }
    void applyChoice() {
        QFETCH(PrintDialogChoice, choice);
        QFETCH(SettingsData, expected);
        SettingsData s = settings(9, "Times", 4, 1, 2, 2);
        applyPrintChoice(s, choice);
        QCOMPARE(s.printFontSize, expected.printFontSize);
        QCOMPARE(s.printFontName, expected.printFontName);
        QCOMPARE(s.headerStyle, expected.headerStyle);
        QCOMPARE(s.bodyStyle1, expected.bodyStyle1);
        QCOMPARE(s.bodyStyle2, expected.bodyStyle2);
        QCOMPARE(s.paperOrientation, expected.paperOrientation);
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

    // Unticking "Lijnbron/rijroute" in report kind 1 drops the line table and pulls the date
    // in from column 74 to 63 after the label.
    void untickLinesNarrowsDate() {
        auto st = orvtest::makeReportState();
        std::array<int, 4> flags = initialSectionFlags(1);
        for (int pass = 0; pass < 2; ++pass) {
            for (int i = 0; i < 4; ++i)
                st->sectionFlags[i] = flags[static_cast<std::size_t>(i)];
            MaakOverzicht(*st, 1);
            const QStringList lines = orvtest::reportLines(reportText(*st));
            const QString number = orvtest::lineStarting(lines, "Projectnummer");
            QCOMPARE(number.indexOf("Datum : ") - int(sizeof("Projectnummer  : ") - 1),
                     pass == 0 ? 74 : 63);
            QCOMPARE(lines.contains("Lijnbron/rijroute"), pass == 0);
            setSectionFlag(flags, 1, false);
        }
        QCOMPARE(sectionFlagsText(flags), QString("1010"));
    }
};

ORV_TEST(TestPrintSettings)
#include "tst_printsettings.moc"
