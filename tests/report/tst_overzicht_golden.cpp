// The reports of the bundled example project, compared whole with golden files whose key
// lines were checked by hand, and checked for their structure on top, so that a golden file
// written again from a faulty build cannot pass unnoticed. Also a damaged silent period.
// ORNAVELD_UPDATE_GOLDEN=1 writes the golden files instead of comparing them.

#include "app/calculationrun.h"
#include "app/projectfile.h"
#include "base/numberformat.h"
#include "base/win1252.h"
#include "common/fakemainview.h"
#include "common/fakeplatform.h"
#include "common/guards.h"
#include "common/testmain.h"
#include "overzichtfixture.h"
#include "report/overzicht.h"
#include "testdata.h"
#include "tst_renderer_fixture.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

using namespace orv;
using namespace orvtest;

namespace {

const QString kUserName = QStringLiteral("Ir. J. de Vries");
const QChar kDash(0x2014);
const QChar kBullet(0x2022);

QString goldenPath(const QString& name) {
    return QStringLiteral(ORNAVELD_TEST_DATA_DIR "/golden/") + name;
}

// Widths that the report layout fixes: the row of a source of each kind, the rules, the
// room before "Datum : ".
int rowWidth(int kind, int sourceKind) {
    return kind == 1 ? (sourceKind == 0 ? 122 : 110) : kind == 2 ? 141 : 124;
}
int dateRoom(int kind, bool lines) {
    return kind == 2 ? 89 : lines ? 74 : 63;
}

} // namespace

class TestOverzichtGolden : public QObject {
    Q_OBJECT

    // Layout rules every report of the example must keep, whatever its golden file says.
    void checkStructure(const QString& text, const State& st, int kind, const QString& flags,
                        QChar sep, const QStringList& notes) {
        QCOMPARE(text.count(QLatin1Char('\n')), text.count(QStringLiteral("\r\n")));
        QCOMPARE(text.count(QLatin1Char('\r')), text.count(QStringLiteral("\r\n")));
        const QStringList lines = reportLines(text);
        const bool lines1 = flags.at(1) == QLatin1Char('1');
        QCOMPARE(lines.at(0).indexOf(QStringLiteral("HMRI:1999")) >= 0 ||
                     lines.at(0).endsWith(QStringLiteral("PUNTBRON)")),
                 true);
        QCOMPARE(lines.at(0).left(30), kUserName.toUpper().leftJustified(30));

        const QString number = lineStarting(lines, QStringLiteral("Projectnummer  : "));
        QCOMPARE(number.isNull(), flags.at(0) != QLatin1Char('1'));
        if (!number.isNull()) {
            QCOMPARE(number.indexOf(QStringLiteral("Datum : ")), 17 + dateRoom(kind, lines1));
            QCOMPARE(number.mid(17, dateRoom(kind, lines1)).trimmed(),
                     trimmed(st.project.projectNumber));
        }

        const QRegularExpression cells(QStringLiteral("^[0-9 /\\-%1•]*$").arg(sep));
        for (int k = 0; k < kKinds; ++k) {
            int rows = 0;
            for (int i = 1; i <= st.sourceCount[k]; ++i) {
                const SourceRecord& s = st.sources[k][i];
                const QString start = s.sourceName + QStringLiteral("  ") + s.description;
                for (const QString& line : lines) {
                    if (!line.startsWith(start)) continue;
                    ++rows;
                    QCOMPARE(line.size(), rowWidth(kind, k));
                    QVERIFY2(cells.match(line.mid(53)).hasMatch(), qPrintable(line));
                }
            }
            // Name and Specificatie together tell the example's sources apart.
            const bool shown = flags.at((kind == 2 ? 2 : 1) + k) == QLatin1Char('1');
            QCOMPARE(rows, shown ? st.sourceCount[k] : 0);
        }

        for (const QString& line : lines) {
            if (!line.startsWith(kDash)) continue;
            QCOMPARE(line.count(kDash), line.size());
            if (kind == 1)
                QVERIFY(line.size() == 124 || line.size() == 112);
            else
                QCOMPARE(line.size(), kind == 2 ? 141 : 124);
        }

        QStringList noteLines;
        for (const QString& line : lines)
            if (line.startsWith(kBullet)) noteLines << line;
        QCOMPARE(noteLines, notes);
        if (kind != 2) return;
        const QString total = lineStarting(lines, QStringLiteral("Totaal"));
        const QString letmaal = lineStarting(lines, QStringLiteral("Letmaal = "));
        const bool table = flags.at(2) == QLatin1Char('1') || flags.at(3) == QLatin1Char('1');
        QCOMPARE(total.isNull(), !table);
        QCOMPARE(letmaal.isNull(), !table);
        if (!table) return;
        QCOMPARE(total.left(99), QStringLiteral("Totaal").leftJustified(99));
        const bool marked = st.sources[0][0].surchargeKx > 0;
        int formatted = 0;
        for (int p = 0; p < kPeriods; ++p)
            formatted += st.totalLaeq[p] != 0 ? 1 : 0;
        QCOMPARE(total.count(kBullet), marked ? formatted : 0);
        const QString num = QStringLiteral("-?[0-9]+\\%1[0-9]").arg(sep);
        QVERIFY2(QRegularExpression(QStringLiteral("^Letmaal = %1 dB\\(A\\) \\(Lden = %1 dB, "
                                                   "Lnight = %1 dB\\)$")
                                        .arg(num))
                     .match(letmaal)
                     .hasMatch(),
                 qPrintable(letmaal));
    }

private slots:
    void golden_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QChar>("sep");
        QTest::addColumn<QList<int>>("surcharges"); // total level, line sources 1..3
        QTest::addColumn<QStringList>("notes");
        const QChar comma(','), dot('.');
        const QList<int> none{0, 0, 0, 0};
        QTest::newRow("1 all") << "voorbeeld_1_1110_komma.txt" << 1 << "1110" << comma << none
                               << QStringList{};
        QTest::newRow("1 no lines")
            << "voorbeeld_1_1010_punt.txt" << 1 << "1010" << dot << none << QStringList{};
        QTest::newRow("2 all comma")
            << "voorbeeld_2_1111_komma.txt" << 2 << "1111" << comma << none << QStringList{};
        QTest::newRow("2 all point")
            << "voorbeeld_2_1111_punt.txt" << 2 << "1111" << dot << none << QStringList{};
        QTest::newRow("2 no source lists")
            << "voorbeeld_2_1100_komma.txt" << 2 << "1100" << comma << none << QStringList{};
        QTest::newRow("2 total surcharge")
            << "voorbeeld_2_1111_toeslag10_komma.txt" << 2 << "1111" << comma
            << QList<int>{10, 0, 0, 0} << QStringList{"• Geluidsniveau met toeslag +10 dB. "};
        // Two surcharged sources, one note: that of the first.
        QTest::newRow("2 source surcharges")
            << "voorbeeld_2_1111_bron5en3_punt.txt" << 2 << "1111" << dot << QList<int>{0, 5, 0, 3}
            << QStringList{"• Geluidsbron met toeslag +5 dB. De toeslag is van toepassing op het "
                           "totale geluidsniveau voor de duur van de betreffende geluidsbron."};
        QTest::newRow("3 all") << "voorbeeld_3_1110_punt.txt" << 3 << "1110" << dot << none
                               << QStringList{};
        QTest::newRow("3 mobiles")
            << "voorbeeld_3_0010_komma.txt" << 3 << "0010" << comma << none << QStringList{};
    }
    void golden() {
        QFETCH(QString, file);
        QFETCH(int, kind);
        QFETCH(QString, flags);
        QFETCH(QChar, sep);
        QFETCH(QList<int>, surcharges);
        QFETCH(QStringList, notes);
        auto st = std::make_unique<State>();
        QVERIFY(readProjectFile(QStringLiteral(ORNAVELD_EXAMPLES_DIR "/voorbeeld.orv"), *st).ok());
        st->settings.userName = fixedText(kUserName, kUserNameWidth);
        for (int i = 0; i < 4; ++i)
            st->sources[0][i].surchargeKx = static_cast<qint16>(surcharges[i]);

        const orvtest::DecimalSeparatorGuard separator(sep);
        FakePlatform platform;
        platform.sections = *Sections::fromText(flags);
        FakeMainView view;
        QVERIFY(runCalculationCommand(*st, platform, view, static_cast<ReportKind>(kind)).done());
        const QString text = reportText(*st);

        QFile golden(goldenPath(file));
        if (qEnvironmentVariableIntValue("ORNAVELD_UPDATE_GOLDEN") == 1) {
            QDir().mkpath(QFileInfo(golden).absolutePath());
            QVERIFY(golden.open(QIODevice::WriteOnly));
            golden.write(text.toUtf8());
            golden.close();
        } else {
            QVERIFY2(golden.open(QIODevice::ReadOnly), qPrintable(golden.fileName()));
            const QString expected = QString::fromUtf8(golden.readAll());
            // Line by line first, for a readable failure; then whole, for the line ends.
            const QStringList got = reportLines(text);
            const QStringList want = reportLines(expected);
            for (qsizetype i = 0; i < std::min(got.size(), want.size()); ++i)
                QCOMPARE(got.at(i), want.at(i));
            QCOMPARE(got.size(), want.size());
            QCOMPARE(text, expected);
        }
        checkStructure(text, *st, kind, flags, sep, notes);
        // Building again gives the same text: nothing accumulates between runs.
        MaakOverzicht(*st);
        QCOMPARE(reportText(*st), text);
    }

    // A silent period shows "---" and adds nothing, even when a damaged row still holds a
    // level for it.
    void silentPeriodAddsNothing() {
        auto st = orvtest::makeReportState(2, 2, 0);
        st->results[0][1].cb[2] = kSilent;
        st->results[0][1].laeq[2] = 55;
        MaakOverzicht(*st);
        const QString row = lineStarting(reportLines(reportText(*st)), "Route 001");
        QCOMPARE(row.right(14), QStringLiteral("    ---    ---"));
        QCOMPARE(st->totalLaeq[2], st->results[0][2].laeq[2]);
    }
};

ORV_TEST_MAIN(TestOverzichtGolden)
#include "tst_overzicht_golden.moc"
