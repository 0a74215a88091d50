// The layout of the three text reports: every key line written out by hand, column by
// column, and the widths and positions that a regenerated golden file could not hide.

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
// A Text(25) name or specification as the rows print it.
QString n25(const char* text) {
    return QString::fromUtf8(text).leftJustified(25);
}
const QString kUser = QStringLiteral("IR. J. DE VRIES") + sp(15);

struct SeparatorGuard {
    QChar before = decimalSeparator();
    explicit SeparatorGuard(QChar sep) { setDecimalSeparator(sep); }
    ~SeparatorGuard() { setDecimalSeparator(before); }
};

QString buildReport(State& st, int kind, const QString& flags, QChar sep = QLatin1Char('.')) {
    SeparatorGuard guard(sep);
    setFlags(st, flags);
    MaakOverzicht(st, kind);
    return reportText(st);
}

} // namespace

class TestOverzicht : public QObject {
    Q_OBJECT
private slots:
    void formatKolom_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("width");
        QTest::addColumn<QChar>("sep");
        QTest::addColumn<QString>("expected");
        QTest::newRow("padded") << 3.25 << "#0.0" << 8 << QChar('.') << "     3.2";
        QTest::newRow("comma") << 0.0625 << "#0.0000" << 8 << QChar(',') << "  0,0625";
        QTest::newRow("exact width") << 12.5 << "#0.0" << 4 << QChar('.') << "12.5";
        QTest::newRow("too wide is written whole")
            << 123456.7 << "#0.0" << 5 << QChar('.') << "123456.7";
        QTest::newRow("speed of three digits") << 100.0 << "#0" << 2 << QChar('.') << "100";
        QTest::newRow("no minus on zero") << -0.04 << "#0.0" << 6 << QChar('.') << "   0.0";
        QTest::newRow("negative") << -10.25 << "#0.0" << 8 << QChar(',') << "   -10,2";
        QTest::newRow("width zero") << 7.0 << "#0" << 0 << QChar('.') << "7";
    }
    void formatKolom() {
        QFETCH(double, value);
        QFETCH(QString, format);
        QFETCH(int, width);
        QFETCH(QChar, sep);
        QFETCH(QString, expected);
        SeparatorGuard guard(sep);
        QCOMPARE(FormatKolom(value, format, width), expected);
    }

    // Whole lines, put together column by column from the layout of each table.
    void keyLines_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QChar>("sep");
        QTest::addColumn<QString>("expected");
        const QChar dot('.');
        const QString cbTitle =
            kUser + sp(28) + "BEPALING BEDRIJFSDUURCORRECTIE Cb VOLGENS HMRI:1999";
        QTest::newRow("1 title") << 1 << "1110" << dot << cbTitle;
        QTest::newRow("1 title without lines")
            << 1 << "1010" << dot
            << kUser + sp(17) + "BEPALING BEDRIJFSDUURCORRECTIE Cb VOLGENS HMRI:1999";
        QTest::newRow("1 heading 1")
            << 1 << "1110" << dot
            << "Geluidsbron" + sp(16) + "Specificatie" + sp(14) + "Aantal¹" + sp(6) + "L/v²" +
                   sp(8) + "Voertuigbewegingen" + sp(8) + "Bedrijfsduurcorr.³";
        QTest::newRow("1 line row")
            << 1 << "1110" << dot
            << n25("Vrachtwagen") + "  " + n25("Aanvoer noord") + "  " + "   20" + "  " + " 200.0" +
                   "/" + "30" + "  " + "    10.0" + "     2.0" + "     0.0" + "  " + "    -3.2" +
                   "    -7.5" + "     ---";
        QTest::newRow("1 line row, halves to even, comma")
            << 1 << "1110" << QChar(',')
            << n25("Bestelbus") + "  " + n25("Afvoer zuid") + "  " + "    8" + "  " + "  75,5" +
                   "/" + "15" + "  " + "    40,0" + "    12,5" + "     6,0" + "  " + "    -1,0" +
                   "    -4,2" + "    -9,0";
        QTest::newRow("1 mobile heading 1")
            << 1 << "1110" << dot
            << "Geluidsbron" + sp(16) + "Specificatie" + sp(14) + "Aantal¹" + sp(2) +
                   " Effectieve bedrijfsduur² " + " " + " Bedrijfsduurcorrectie³ ";
        QTest::newRow("1 mobile heading 2")
            << 1 << "1110" << dot
            << sp(60) + "     dag   avond   nacht" + "  " + "     dag   avond   nacht";
        QTest::newRow("1 mobile row")
            << 1 << "1110" << dot
            << n25("Heftruck") + "  " + n25("Laden en lossen") + "  " + "    4" + " " + "  6.0000" +
                   "  1.5000" + "  0.0000" + "  " + "    -9.0" + "   -10.2" + "     ---";

        const QString liTitle =
            kUser + sp(40) + "OVERDRACHTSBEREKENING VOLGENS REKENMETHODE I HMRI:1999";
        QTest::newRow("2 title") << 2 << "1111" << dot << liTitle;
        QTest::newRow("2 height") << 2 << "1111" << QChar(',') << "Immissiehoogte : 5,0 meter";
        QTest::newRow("2 facade") << 2 << "1111" << dot << "Gevelreflectie : 3 dB";
        QTest::newRow("2 ground") << 2 << "1111" << dot << "Bodem          : zacht";
        QTest::newRow("2 heading 1")
            << 2 << "1111" << dot
            << "Geluidsbron" + sp(16) + "Specificatie" + sp(17) + "Lw,A(max)" + "  Hbron" +
                   "      R1/R2¹" + "  Ds²" + "  Cr³" + "   Cm" +
                   "         berekende geluidsniveaus in dB(A)";
        QTest::newRow("2 heading 2")
            << 2 << "1111" << dot
            << sp(56) + "    dB(A)" + "      m" + "          m " + "  dB " + "  dB " + "   dB" +
                   "    dagperiode " + " avondperiode " + " nachtperiode";
        QTest::newRow("2 heading 3")
            << 2 << "1111" << dot << sp(99) + "   LAeq  LAmax   LAeq  LAmax   LAeq  LAmax";
        QTest::newRow("2 line row")
            << 2 << "1111" << dot
            << n25("Vrachtwagen") + "  " + n25("Aanvoer noord") + "  " + "103.5/108.0" + "    1.0" +
                   "  50.0/120.0" + "   0" + "    2" + "   1.2" + "   45.3   60.2" +
                   "   38.1   60.2" + "    ---    ---";
        QTest::newRow("2 row without Lw,max")
            << 2 << "1111" << dot
            << n25("Bestelbus") + "  " + n25("Afvoer zuid") + "  " + " 95.0/  ---" + "    0.8" +
                   "  30.0/ 60.5" + "   5" + "    0" + "   0.0" + "   40.0    ---" +
                   "   35.0    ---" + "   30.0    ---";
        QTest::newRow("2 mobile row")
            << 2 << "1111" << dot
            << n25("Heftruck") + "  " + n25("Laden en lossen") + "  " + " 98.0/110.0" + "    1.5" +
                   "  40.0/ 80.0" + "   0" + "    0" + "   2.0" + "   34.5   52.1" +
                   "   27.3   52.1" + "    ---    ---";
        QTest::newRow("2 row without Lw")
            << 2 << "1111" << dot
            << n25("Koelunit") + "  " + n25("Oplegger") + "  " + "  ---/  ---" + "    4.0" +
                   "  25.0/ 25.0" + "   0" + "    0" + "   0.5" + "    ---    ---" +
                   "    ---    ---" + "    ---    ---";
        // 10log(10^4.53 + 10^4.005 + 10^3.4494) = 46.70, evening 40.07, night 30.0; no
        // LAmax at night: the missing pieces of this row are seven wide.
        QTest::newRow("2 total") << 2 << "1111" << dot
                                 << "Totaal" + sp(93) + "   46.7" + " " + "  60.2" + "   40.1" +
                                        " " + "  60.2" + "   30.0" + " " + "    ---";
        QTest::newRow("2 assessment")
            << 2 << "1111" << dot << "Letmaal = 46.7 dB(A) (Lden = 45.1 dB, Lnight = 30.0 dB)";
        QTest::newRow("2 lines only: total")
            << 2 << "1110" << dot
            << "Totaal" + sp(93) + "   46.4" + " " + "  60.2" + "   39.8" + " " + "  60.2" +
                   "   30.0" + " " + "    ---";
        QTest::newRow("2 lines only: assessment")
            << 2 << "1110" << QChar(',')
            << "Letmaal = 46,4 dB(A) (Lden = 44,8 dB, Lnight = 30,0 dB)";
        QTest::newRow("2 mobiles only: total")
            << 2 << "1101" << dot
            << "Totaal" + sp(93) + "   34.5" + " " + "  52.1" + "   27.3" + " " + "  52.1" +
                   "    ---" + "    ---";
        // The silent night still enters Lden with 10^0.
        QTest::newRow("2 mobiles only: assessment")
            << 2 << "1101" << dot << "Letmaal = 34.5 dB(A) (Lden = 32.3 dB, Lnight = 0.0 dB)";

        const QString lwTitle =
            kUser + sp(28) + "GECUMULEERDE GELUIDSEMISSIE (VERVANGENDE PUNTBRON)";
        QTest::newRow("3 title") << 3 << "1010" << dot << lwTitle;
        QTest::newRow("3 heading 1")
            << 3 << "1110" << dot
            << "Geluidsbron" + sp(16) + "Specificatie" + sp(16) + "Lw,A(max)" + "  Hbron" + sp(12) +
                   "Broncorrecties¹" + sp(5) + "LW,gecorrigeerd";
        QTest::newRow("3 heading 2")
            << 3 << "1110" << dot
            << sp(55) + "    dB(A)" + "      m" + sp(3) + "     dag   avond   nacht" + "  " +
                   "     dag   avond   nacht";
        // 10log20 - 3.2 + 2 = 11.81; 10log20 - 7.5 + 2 = 7.51.
        QTest::newRow("3 line row")
            << 3 << "1110" << dot
            << n25("Vrachtwagen") + "  " + n25("Aanvoer noord") + " " + "103.5/108.0" + "    1.0" +
                   "   " + "    11.8" + "     7.5" + "     ---" + "  " + "   101.2" + "    97.3" +
                   "     ---";
        // 10log8 - 1 - 5 = 3.03, -0.22, -5.02; 93.45 is a half and goes to 93.4.
        QTest::newRow("3 line row with screening")
            << 3 << "1110" << QChar(',')
            << n25("Bestelbus") + "  " + n25("Afvoer zuid") + " " + " 95,0/  ---" + "    0,8" +
                   "   " + "     3,0" + "    -0,2" + "    -5,0" + "  " + "    93,4" + "    90,1" +
                   "    85,0";
        QTest::newRow("3 row without Lw")
            << 3 << "1110" << dot
            << n25("Koelunit") + "  " + n25("Oplegger") + " " + "  ---/  ---" + "    4.0" + "   " +
                   "     0.0     0.0     0.0" + "  " + "     ---     ---     ---";
        QTest::newRow("3 cumulative")
            << 3 << "1110" << dot
            << "Gecumuleerde geluidsemissie (vervangende puntbron)" + sp(13) + "     1.2" + "   " +
                   "     0.0     0.0     ---" + "  " + "   101.3    95.0     ---";
    }
    void keyLines() {
        QFETCH(int, kind);
        QFETCH(QString, flags);
        QFETCH(QChar, sep);
        QFETCH(QString, expected);
        auto st = makeReportState();
        const QStringList lines = reportLines(buildReport(*st, kind, flags, sep));
        const QString prefix = expected.left(std::min<qsizetype>(expected.size(), 20));
        QStringList candidates;
        for (const QString& line : lines) {
            if (line == expected) return;
            if (line.startsWith(prefix)) candidates << line;
        }
        qWarning() << "candidates:" << candidates;
        QFAIL("line not found");
    }

    // Every source row of a table has the width of its table, in both decimal separators
    // and every section choice that shows the table.
    void rowWidths_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<int>("lineWidth");
        QTest::addColumn<int>("mobileWidth");
        QTest::addColumn<int>("rule");
        QTest::newRow("1 both") << 1 << "1110" << 122 << 110 << 0;
        QTest::newRow("1 mobile only") << 1 << "0010" << 0 << 110 << 112;
        QTest::newRow("2 all") << 2 << "1111" << 141 << 141 << 141;
        QTest::newRow("2 mobile only") << 2 << "0001" << 0 << 141 << 141;
        QTest::newRow("3 both") << 3 << "1110" << 124 << 124 << 124;
        QTest::newRow("3 lines only") << 3 << "0100" << 124 << 0 << 124;
    }
    void rowWidths() {
        QFETCH(int, kind);
        QFETCH(QString, flags);
        QFETCH(int, lineWidth);
        QFETCH(int, mobileWidth);
        QFETCH(int, rule);
        for (QChar sep : {QChar('.'), QChar(',')}) {
            auto st = makeReportState();
            const QStringList lines = reportLines(buildReport(*st, kind, flags, sep));
            int rows[2] = {0, 0};
            for (const QString& line : lines) {
                for (const char* name : {"Vrachtwagen", "Bestelbus", "Heftruck", "Koelunit"}) {
                    if (!line.startsWith(n25(name))) continue;
                    const bool mobile =
                        qstrcmp(name, "Heftruck") == 0 || qstrcmp(name, "Koelunit") == 0;
                    QCOMPARE(line.size(), mobile ? mobileWidth : lineWidth);
                    ++rows[mobile ? 1 : 0];
                }
                if (rule != 0 && line.startsWith(QChar(0x2014)))
                    QCOMPARE(line, QString(rule, QChar(0x2014)));
            }
            QCOMPARE(rows[0], lineWidth == 0 ? 0 : 2);
            QCOMPARE(rows[1], mobileWidth == 0 ? 0 : 2);
        }
    }

    void datePosition_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("gap");
        QTest::newRow("1 with lines") << 1 << "1110"
                                      << "123" << 71;
        QTest::newRow("1 without lines") << 1 << "1010"
                                         << "123" << 60;
        QTest::newRow("2") << 2 << "1111"
                           << "123" << 86;
        QTest::newRow("2 without parameters") << 2 << "1011"
                                              << "123" << 86;
        QTest::newRow("3 with lines") << 3 << "1110"
                                      << "P-2024/17" << 65;
        QTest::newRow("3 without lines") << 3 << "1010"
                                         << "P-2024/17" << 54;
        QTest::newRow("number trimmed") << 2 << "1111"
                                        << "  A12  " << 86;
        QTest::newRow("empty number") << 1 << "1110"
                                      << "" << 74;
        QTest::newRow("as wide as the room") << 1 << "1010" << QString(63, 'x') << 0;
        QTest::newRow("wider than the room") << 1 << "1010" << QString(64, 'x') << 1;
    }
    void datePosition() {
        QFETCH(int, kind);
        QFETCH(QString, flags);
        QFETCH(QString, number);
        QFETCH(int, gap);
        auto st = makeReportState();
        st->project.projectNumber = number.size() > 10 ? number : number.leftJustified(10);
        // A date with trailing blanks is printed as stored.
        st->project.projectDate = QStringLiteral("1-2-2024  ");
        const QStringList lines = reportLines(buildReport(*st, kind, flags));
        const QString expected =
            "Projectnummer  : " + number.trimmed() + sp(gap) + "Datum : 1-2-2024  ";
        QCOMPARE(lineStarting(lines, "Projectnummer"), expected);
    }

    // What each section flag adds: the project lines, the parameter lines and the tables,
    // with the empty lines between them.
    void blockOne_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QStringList>("expected");
        const QString number = "Projectnummer  : 123" + sp(71) + "Datum : 01-02-2024";
        const QStringList project{number, "Projectnaam    : Distributiecentrum Oost",
                                  "Toelichting    : Nachtelijke bevoorrading"};
        const QStringList parameters{"Immissiepunt   : Woning Dorpsstraat 12",
                                     "Immissiehoogte : 5.0 meter", "Bodem          : zacht",
                                     "Gevelreflectie : 3 dB"};
        QStringList k2project = project;
        k2project[0] = "Projectnummer  : 123" + sp(86) + "Datum : 01-02-2024";
        QTest::newRow("1 project") << 1 << "1110" << (project + QStringList{"", ""});
        QTest::newRow("1 none") << 1 << "0110" << QStringList{};
        QTest::newRow("3 project") << 3 << "1110" << (project + QStringList{"", ""});
        QTest::newRow("2 both") << 2 << "1111"
                                << (k2project + QStringList{""} + parameters + QStringList{"", ""});
        QTest::newRow("2 project only") << 2 << "1011" << (k2project + QStringList{"", ""});
        QTest::newRow("2 parameters only") << 2 << "0111" << (parameters + QStringList{"", ""});
        QTest::newRow("2 none") << 2 << "0011" << QStringList{""};
    }
    void blockOne() {
        QFETCH(int, kind);
        QFETCH(QString, flags);
        QFETCH(QStringList, expected);
        auto st = makeReportState();
        buildReport(*st, kind, flags);
        QCOMPARE(reportLines(st->reportBlocks[1]), expected);
    }

    void sections_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("1 all") << 1 << "1110"
                               << QStringList{"Lijnbron/rijroute", "Mobiele/vaste bron",
                                              "¹ Aantal puntbronnen in rijlijn/rijroute.",
                                              "¹ Aantal puntbronnen in mobiele/vaste bron."}
                               << QStringList{};
        QTest::newRow("1 unticked lines")
            << 1 << "1010" << QStringList{"Mobiele/vaste bron", "Projectnummer"}
            << QStringList{"Lijnbron/rijroute", "¹ Aantal puntbronnen in rijlijn/rijroute.",
                           n25("Vrachtwagen")};
        QTest::newRow("1 lines only") << 1 << "0100" << QStringList{"Lijnbron/rijroute"}
                                      << QStringList{"Projectnummer", "Mobiele/vaste bron"};
        QTest::newRow("2 no source lists")
            << 2 << "1100" << QStringList{"Projectnummer", "Immissiepunt"}
            << QStringList{"Totaal",
                           "Letmaal = ",
                           "Alle geluidsbronnen",
                           "Lijnbron/rijroute",
                           "¹ De begin-",
                           QString(141, QChar(0x2014))};
        QTest::newRow("2 all") << 2 << "1111" << QStringList{"Alle geluidsbronnen", "Totaal"}
                               << QStringList{"Lijnbron/rijroute"};
        QTest::newRow("2 lines") << 2 << "0010" << QStringList{"Lijnbron/rijroute"}
                                 << QStringList{n25("Heftruck"), "Projectnummer", "Bodem"};
        QTest::newRow("2 mobiles")
            << 2 << "0001" << QStringList{"Mobiele/vaste bron"} << QStringList{n25("Bestelbus")};
        QTest::newRow("3 no rows") << 3 << "1001"
                                   << QStringList{"Gecumuleerde geluidsemissie (vervangende "
                                                  "puntbron)",
                                                  "¹ 10×log{aantal puntbronnen}"}
                                   << QStringList{n25("Vrachtwagen"), n25("Heftruck")};
    }
    void sections() {
        QFETCH(int, kind);
        QFETCH(QString, flags);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        auto st = makeReportState();
        const QStringList lines = reportLines(buildReport(*st, kind, flags));
        for (const QString& p : present)
            QVERIFY2(!lineStarting(lines, p).isNull(), qPrintable(p));
        for (const QString& a : absent)
            QVERIFY2(lineStarting(lines, a).isNull(), qPrintable(a));
    }

    // Block 0 holds the title and two empty lines, blocks 5..9 stay empty, every line ends in
    // CR LF and no line end stands alone; another kind leaves all blocks empty.
    void blocks_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("1") << 1;
        QTest::newRow("2") << 2;
        QTest::newRow("3") << 3;
        QTest::newRow("0") << 0;
        QTest::newRow("4") << 4;
    }
    void blocks() {
        QFETCH(int, kind);
        auto st = makeReportState();
        for (QString& b : st->reportBlocks)
            b = QStringLiteral("stale\r\n");
        buildReport(*st, kind, "1111");
        if (kind < 1 || kind > 3) {
            QVERIFY(reportText(*st).isEmpty());
            return;
        }
        QVERIFY(st->reportBlocks[0].endsWith("HMRI:1999\r\n\r\n\r\n") ||
                st->reportBlocks[0].endsWith("PUNTBRON)\r\n\r\n\r\n"));
        QCOMPARE(st->reportBlocks[0].count("\r\n"), 3);
        QCOMPARE(st->reportBlocks[4].isEmpty(), kind != 2);
        for (int b = 5; b < 10; ++b)
            QVERIFY(st->reportBlocks[b].isEmpty());
        const QString text = reportText(*st);
        QVERIFY(text.endsWith("\r\n"));
        QCOMPARE(text.count('\n'), text.count("\r\n"));
        QCOMPARE(text.count('\r'), text.count("\r\n"));
    }
};

ORV_TEST(TestOverzicht)
#include "tst_overzicht.moc"
