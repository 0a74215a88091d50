// The printed report, drawn on a recording surface and compared with golden files whose key
// lines were checked by hand: the page furniture, every value ending at its column by its
// measured width in a fixed-pitch and in a proportional font, surcharge marks, the break
// thresholds with their continuation headings, printer and preview page turns.
// ORNAVELD_UPDATE_GOLDEN=1 writes the golden files instead of comparing them.

#include "common/guards.h"
#include "common/recordingsurface.h"
#include "common/testmain.h"
#include "report/drukoverzicht.h"
#include "testdata.h"
#include "tst_renderer_fixture.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace orv;

namespace {

QString pageOf(const RecordingSurface& s, const QString& text) {
    for (const QString& op : s.log())
        if (op.endsWith(QLatin1Char(' ') + text)) return op.section(QLatin1Char(' '), 1, 1);
    return {};
}

} // namespace

class TestRenderer : public QObject {
    Q_OBJECT
    orvtest::DecimalSeparatorGuard separator_{QLatin1Char(',')};
private slots:
    void pages_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("sections");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("mobiles");
        QTest::addColumn<bool>("preview");
        QTest::addColumn<bool>("proportional");
        const auto row = [](const char* name, int kind, const char* sections, int orientation,
                            int lines, int mobiles, bool preview, bool proportional) {
            QTest::newRow(name) << kind << QString(sections) << orientation << lines << mobiles
                                << preview << proportional;
        };
        row("cb_one_page", 1, "1110", 1, 3, 2, false, false);
        row("cb_lines_portrait", 1, "1100", 1, 70, 0, false, true);
        row("cb_mobiles_landscape_preview", 1, "1010", 2, 0, 50, true, false);
        row("li_all_landscape", 2, "1111", 2, 30, 30, false, true);
        row("li_lines_portrait", 2, "1110", 1, 70, 0, false, false);
        row("li_mobiles_preview", 2, "1101", 1, 5, 60, true, true);
        row("li_surcharge_marks", 2, "1111", 2, 2, 2, false, true);
        row("lw_landscape_preview", 3, "1110", 2, 40, 20, true, true);
    }
    void pages() {
        QFETCH(int, kind);
        QFETCH(QString, sections);
        QFETCH(int, orientation);
        QFETCH(int, lines);
        QFETCH(int, mobiles);
        QFETCH(bool, preview);
        QFETCH(bool, proportional);
        const auto st = orvtest::makeReportState(kind, lines, mobiles, orientation);
        st->sections = *Sections::fromText(sections);
        if (QTest::currentDataTag() == QLatin1String("li_surcharge_marks")) {
            // A surcharged route without Lw,A, silent in the evening.
            st->sources[0][2].surchargeKx = 5;
            st->sources[0][2].lwA = 0;
            st->results[0][2].cb[1] = kSilent;
        }
        RecordingSurface s(proportional ? TextMetric::proportional() : TextMetric::fixedPitch());
        const int pages = DrukOverzicht(s, *st, preview);
        const QString text = QStringLiteral("pages %1\n").arg(pages) + s.log().join('\n') + '\n';
        QFile golden(QStringLiteral(ORNAVELD_TEST_DATA_DIR "/golden/druk_%1.txt")
                         .arg(QTest::currentDataTag()));
        if (qEnvironmentVariableIntValue("ORNAVELD_UPDATE_GOLDEN") == 1) {
            QVERIFY(golden.open(QIODevice::WriteOnly));
            golden.write(text.toUtf8());
            return;
        }
        QVERIFY2(golden.open(QIODevice::ReadOnly), qPrintable(golden.fileName()));
        QCOMPARE(text.split('\n'), QString::fromUtf8(golden.readAll()).split('\n'));
    }

    // Kind 1 prints its mobile table under the line table; when the line table ends near the
    // bottom, the mobile table starts on the next page instead of leaving its headings there.
    void tableHeadingsNeverStandAlone() {
        for (int lines = 40; lines <= 80; ++lines) {
            const auto st = orvtest::makeReportState(1, lines, 3, 2);
            RecordingSurface s;
            DrukOverzicht(s, *st, false);
            const QString heading = pageOf(s, QStringLiteral("Mobiele/vaste bron"));
            QVERIFY2(!heading.isEmpty() && heading == pageOf(s, orvtest::mobileName(1)),
                     qPrintable(QString::number(lines)));
        }
    }

    // Values only a damaged file holds: no reading past the tables, no columns collapsed
    // onto the left edge by a size below one point.
    void damagedCountsAndSize() {
        const auto st = orvtest::makeReportState(2, 500, 0, 2);
        st->sourceCount = {600, -4};
        st->settings.printFontSize = -3;
        RecordingSurface s;
        QVERIFY(DrukOverzicht(s, *st, false) > 1);
        const QString last = QLatin1Char(' ') + orvtest::lineName(500);
        QCOMPARE(s.log().filter(last).size(), 1);
        QVERIFY(s.log().filter(QStringLiteral(" 12i ") + orvtest::lineName(1)).size() == 1);
        QCOMPARE(s.log().filter(QStringLiteral(" Totaal")).size(), 1);
    }
};

ORV_TEST_MAIN(TestRenderer)
#include "tst_renderer.moc"
