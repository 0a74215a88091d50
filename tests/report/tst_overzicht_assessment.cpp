// The transmission report as the place where the assessment is formed: which rows feed the
// period totals, how surcharges show in the rows, the totals and the notes.

#include "app/numberformat.h"
#include "common/testregistry.h"
#include "overzichtfixture.h"
#include "report/overzicht.h"

using namespace orv;
using namespace orvtest;

namespace {

QString sp(int n) {
    return QString(n, QLatin1Char(' '));
}
QString n25(const char* text) {
    return QString::fromUtf8(text).leftJustified(25);
}
const QString kSentence = QStringLiteral("De toeslag is van toepassing op het totale geluidsniveau "
                                         "voor de duur van de betreffende geluidsbron.");

// The three period parts (14 characters each) at the end of a source row.
QString periodParts(const QStringList& lines, const char* name) {
    const QString row = lineStarting(lines, n25(name));
    return row.isNull() ? row : row.mid(99);
}

QStringList notesOf(const QStringList& lines) {
    QStringList notes;
    for (const QString& line : lines) {
        if (line.startsWith(QChar(0x2022))) notes << line;
    }
    return notes;
}

} // namespace

class TestOverzichtAssessment : public QObject {
    Q_OBJECT
private slots:
    void init() { setDecimalSeparator(QLatin1Char('.')); }

    // kx = {line 1, line 2, mobile 1, mobile 2, total level}
    void surcharges_data() {
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QList<int>>("kx");
        QTest::addColumn<QString>("vrachtwagen");
        QTest::addColumn<QString>("bestelbus");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QStringList>("notes");
        const QString plainTotal =
            "Totaal" + sp(93) + "   46.7   60.2   40.1   60.2   30.0     ---";
        // The line sources have no operating hours here, so the surcharge of the last
        // surcharged listed source leaves the totals as the unsurcharged rows give them.
        QTest::newRow("two line sources +5 and +3")
            << "1111" << QList<int>{5, 3, 0, 0, 0} << "   50.3•  60.2   43.1•  60.2    ---    ---"
            << "   43.0•   ---   38.0•   ---   33.0•   ---" << plainTotal
            << QStringList{"• Geluidsbron met toeslag +5 dB. " + kSentence};
        QTest::newRow("line and mobile source")
            << "1110" << QList<int>{0, 10, 5, 0, 0} << "   45.3   60.2   38.1   60.2    ---    ---"
            << "   50.0•   ---   45.0•   ---   40.0•   ---" << QString()
            << QStringList{"• Geluidsbron met toeslag +10 dB. " + kSentence,
                           "• Geluidsbron met toeslag +5 dB. " + kSentence};
        QTest::newRow("unlisted source still gets its note")
            << "1101" << QList<int>{5, 0, 0, 0, 0} << QString() << QString()
            << "Totaal" + sp(93) + "   34.5   52.1   27.3   52.1    ---    ---"
            << QStringList{"• Geluidsbron met toeslag +5 dB. " + kSentence};
        QTest::newRow("total level +10")
            << "1111" << QList<int>{0, 0, 0, 0, 10} << "   45.3   60.2   38.1   60.2    ---    ---"
            << "   40.0    ---   35.0    ---   30.0    ---"
            << "Totaal" + sp(93) + "   56.7•  60.2   50.1•  60.2   40.0•    ---"
            << QStringList{"• Geluidsniveau met toeslag +10 dB. "};
        QTest::newRow("total level replaces the source notes")
            << "1111" << QList<int>{5, 0, 0, 0, 5} << "   50.3•  60.2   43.1•  60.2    ---    ---"
            << QString() << QString() << QStringList{"• Geluidsniveau met toeslag +5 dB. "};
    }
    void surcharges() {
        QFETCH(QString, flags);
        QFETCH(QList<int>, kx);
        QFETCH(QString, vrachtwagen);
        QFETCH(QString, bestelbus);
        QFETCH(QString, total);
        QFETCH(QStringList, notes);
        auto st = makeReportState();
        st->sources[0][1].surchargeKx = static_cast<qint16>(kx[0]);
        st->sources[0][2].surchargeKx = static_cast<qint16>(kx[1]);
        st->sources[1][1].surchargeKx = static_cast<qint16>(kx[2]);
        st->sources[1][2].surchargeKx = static_cast<qint16>(kx[3]);
        st->sources[0][0].surchargeKx = static_cast<qint16>(kx[4]);
        setFlags(*st, flags);
        MaakOverzicht(*st, 2);
        const QStringList lines = reportLines(reportText(*st));
        if (!vrachtwagen.isNull()) QCOMPARE(periodParts(lines, "Vrachtwagen"), vrachtwagen);
        if (!bestelbus.isNull()) QCOMPARE(periodParts(lines, "Bestelbus"), bestelbus);
        if (!total.isNull()) QCOMPARE(lineStarting(lines, "Totaal"), total);
        QCOMPARE(notesOf(lines), notes);
        // The notes follow the footnotes, then one empty line closes the table.
        const qsizetype footnote = lines.indexOf(lineStarting(lines, "³ De reflectiebijdrage"));
        QVERIFY(footnote > 0);
        for (int i = 0; i < notes.size(); ++i)
            QCOMPARE(lines.at(footnote + 1 + i), notes.at(i));
        QCOMPARE(lines.at(footnote + 1 + notes.size()), QString());
        QVERIFY(lines.at(footnote + 2 + notes.size()).startsWith("Letmaal = "));
    }

    // A silent period shows "---" and adds nothing, even when a damaged row still holds a
    // level for it; a row without LAeq adds nothing either.
    void silentPeriodAddsNothing() {
        auto st = makeReportState();
        st->results[0][1].laeq[2] = 55;
        st->results[1][2].lamax[0] = 65;
        setFlags(*st, "1111");
        MaakOverzicht(*st, 2);
        const QStringList lines = reportLines(reportText(*st));
        QCOMPARE(periodParts(lines, "Vrachtwagen").right(14), QString("    ---    ---"));
        QCOMPARE(periodParts(lines, "Koelunit").left(14), QString("    ---   65.0"));
        QCOMPARE(st->totalLaeq[2], 30.0);
        // The highest LAmax runs over every listed row, whether its LAeq counted or not.
        QCOMPARE(st->totalLamax[0], 65.0);
        QCOMPARE(st->totalLamax[2], 0.0);
    }

    // Without the source lists the transmission report has no table, and the assessment of
    // an earlier build stays as it stood.
    void noSourceListsKeepsAssessment() {
        auto st = makeReportState();
        st->letmaal = 51.5;
        st->totalLaeq[0] = 48.25;
        setFlags(*st, "1100");
        MaakOverzicht(*st, 2);
        QVERIFY(st->reportBlocks[2].isEmpty());
        QVERIFY(st->reportBlocks[4].isEmpty());
        QCOMPARE(st->letmaal, 51.5);
        QCOMPARE(st->totalLaeq[0], 48.25);
    }

    // Building the report again forms the same assessment: nothing accumulates between runs.
    void rebuildIsStable() {
        auto st = makeReportState();
        setFlags(*st, "1111");
        MaakOverzicht(*st, 2);
        const QString first = reportText(*st);
        const double lden = st->lden;
        MaakOverzicht(*st, 2);
        QCOMPARE(reportText(*st), first);
        QCOMPARE(st->lden, lden);
    }
};

ORV_TEST(TestOverzichtAssessment)
#include "tst_overzicht_assessment.moc"
