// Placement on the printed page: every value ends at its column by its measured width, in a
// fixed-pitch and in a proportional font; fonts and styles of the page parts; the lines
// under the tables.

#include "app/numberformat.h"
#include "common/testregistry.h"
#include "report/drukoverzicht.h"
#include "report/recordingsurface.h"
#include "tst_renderer_fixture.h"

#include <QtTest>

using namespace orv;

namespace {

using Cells = QList<QPair<QString, int>>; // text, end column

// The texts drawn on the line (same top) as the first text equal to anchor.
std::vector<RecordedOp> lineOf(const RecordingSurface& s, const QString& anchor) {
    const auto found = s.find(anchor);
    if (found.empty()) return {};
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : s.texts(found.front().page))
        if (op.y == found.front().y) out.push_back(op);
    return out;
}

RecordingSurface render(const State& st, bool proportional) {
    RecordingSurface s(proportional ? TextMetric::proportional() : TextMetric::fixedPitch());
    DrukOverzicht(s, st, false);
    return s;
}

} // namespace

class TestRendererLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setDecimalSeparator(QLatin1Char(',')); }
    void columnEnds_data();
    void columnEnds();
    void surchargeMarks();
    void projectBlock_data();
    void projectBlock();
    void fontsAndStyles_data();
    void fontsAndStyles();
    void startValuesLeaveStateAlone();
    void damagedCountsAndSize();
    void notesUnderTransmissionTable_data();
    void notesUnderTransmissionTable();
    void transmissionWithoutSourcesChosen();
};

void TestRendererLayout::columnEnds_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("proportional");
    QTest::addColumn<QString>("anchor");
    QTest::addColumn<Cells>("cells");

    const Cells cbLine{{"2", 62},    {"81,0/15", 73}, {"31,0", 83},   {"21,0", 91},
                       {"11,0", 99}, {"-10,1", 108},  {"-11,1", 116}, {"-12,1", 124}};
    const Cells cbLineHead{
        {"Aantal¹", 63}, {"L/v²", 73}, {"Voertuigbewegingen", 99}, {"Bedrijfsduurcorr.³", 124}};
    const Cells cbMobile{{"2", 62},     {"0,7500", 74}, {"0,5000", 82}, {"0,2500", 90},
                         {"-10,1", 99}, {"-11,1", 107}, {"-12,1", 115}};
    const Cells li{{"101,0/109,0", 67}, {"1,5", 74},   {"41,0/96,5", 87}, {"5", 91},
                   {"0", 96},           {"0,5", 101},  {"40,1", 109},     {"60,1", 116},
                   {"37,1", 123},       {"58,1", 130}, {"34,1", 137},     {"56,1", 144}};
    const Cells liHead{{"Lw,A(max)", 67},
                       {"Hbron", 74},
                       {"R1/R2¹", 87},
                       {"Ds²", 92},
                       {"Cr³", 97},
                       {"Cm", 101},
                       {"berekende geluidsniveaus in dB(A)", 144}};
    const Cells liTotal{{"55,0", 109}, {"70,0", 116}, {"52,0", 123},
                        {"68,0", 130}, {"49,0", 137}, {"66,0", 144}};
    // Source correction of Route 001: 10·log10(2) + Cb - Ds + Cr = 3,01 - 10,1 - 5 + 0.
    const Cells lw{{"101,0/109,0", 67}, {"1,5", 74},   {"-12,1", 83}, {"-13,1", 91},
                   {"-14,1", 99},       {"95,1", 108}, {"94,1", 116}, {"93,1", 124}};
    const Cells lwClosing{{"1,5", 74},    {"0,0", 83},    {"0,0", 91},   {"0,0", 99},
                          {"104,0", 108}, {"103,0", 116}, {"102,0", 124}};
    const Cells lwHead{
        {"Lw,A(max)", 67}, {"Hbron", 74}, {"Broncorrecties¹", 99}, {"LW,gecorrigeerd", 124}};
    for (bool prop : {false, true}) {
        const char* m = prop ? "proportional" : "fixed";
        QTest::addRow("cb line row %s", m) << 1 << prop << orvtest::lineName(1) << cbLine;
        QTest::addRow("cb line heading %s", m) << 1 << prop << "Geluidsbron" << cbLineHead;
        QTest::addRow("cb mobile row %s", m) << 1 << prop << orvtest::mobileName(1) << cbMobile;
        QTest::addRow("li row %s", m) << 2 << prop << orvtest::lineName(1) << li;
        QTest::addRow("li heading %s", m) << 2 << prop << "Geluidsbron" << liHead;
        QTest::addRow("li total %s", m) << 2 << prop << "Totaal" << liTotal;
        QTest::addRow("lw row %s", m) << 3 << prop << orvtest::lineName(1) << lw;
        QTest::addRow("lw heading %s", m) << 3 << prop << "Geluidsbron" << lwHead;
        QTest::addRow("lw closing %s", m)
            << 3 << prop << "Gecumuleerde geluidsemissie (vervangende puntbron)" << lwClosing;
    }
}

void TestRendererLayout::columnEnds() {
    QFETCH(int, kind);
    QFETCH(bool, proportional);
    QFETCH(QString, anchor);
    QFETCH(Cells, cells);
    const auto st = orvtest::makeReportState(kind, 2, 2, 2, 8);
    const RecordingSurface s = render(*st, proportional);
    const auto row = lineOf(s, anchor);
    QVERIFY(!row.empty());
    QCOMPARE(row.front().x, 0.0);
    const double unit = 12.0 * 8;
    for (const auto& cell : cells) {
        // Named copies: clang 14 cannot capture structured bindings in a lambda.
        const auto& text = cell.first;
        const auto column = cell.second;
        const auto it = std::find_if(row.begin(), row.end(), [&](const RecordedOp& op) {
            return op.text == text && std::abs(op.x2 - column * unit) < 1e-6;
        });
        QVERIFY2(it != row.end(), qPrintable(QStringLiteral("%1 at %2").arg(text).arg(column)));
        QCOMPARE(it->font.size, 8.0);
    }
    // The "Specificatie" column opens at column 28 of every row and heading line.
    if (anchor != QLatin1String("Totaal") && !anchor.startsWith(QLatin1String("Gecum"))) {
        const auto spec = std::find_if(row.begin(), row.end(),
                                       [&](const RecordedOp& op) { return op.x == 28 * unit; });
        QVERIFY(spec != row.end());
    }
}

// A surcharged source shows its level with the surcharge and the bullet right after the
// last digit; a silent period shows "---" in both of its columns; a missing Lw,A "---".
void TestRendererLayout::surchargeMarks() {
    const auto st = orvtest::makeReportState(2, 2, 0, 2);
    st->sources[0][2].surchargeKx = 5;
    st->sources[0][2].lwA = 0;
    st->results[0][2].cb[1] = kSilent;
    const RecordingSurface s = render(*st, true);
    const auto row = lineOf(s, orvtest::lineName(2));
    const double unit = 96;
    const auto at = [&](const QString& text, int column) {
        return std::find_if(row.begin(), row.end(), [&](const RecordedOp& op) {
            return op.text == text && std::abs(op.x2 - column * unit) < 1e-6;
        });
    };
    QVERIFY(at("---/110,0", 67) != row.end());
    const auto day = at("45,2", 109); // 40,2 + 5
    QVERIFY(day != row.end());
    const auto mark = std::next(day);
    QCOMPARE(mark->text, QStringLiteral("•"));
    QCOMPARE(mark->x, day->x2);
    QVERIFY(at("---", 123) != row.end());
    QVERIFY(at("---", 130) != row.end());
    QVERIFY(at("39,2", 137) != row.end());
    QCOMPARE(
        std::count_if(row.begin(), row.end(), [](const RecordedOp& op) { return op.text == "•"; }),
        2);
    // Route 001 carries no surcharge: no mark on its row.
    const auto plain = lineOf(s, orvtest::lineName(1));
    QVERIFY(std::none_of(plain.begin(), plain.end(),
                         [](const RecordedOp& op) { return op.text == "•"; }));
}

void TestRendererLayout::projectBlock_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("sections");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("dateEnd"); // table width in body columns
    QTest::newRow("cb both tables") << 1 << "1110" << 8 << 125;
    QTest::newRow("cb mobile table only") << 1 << "1010" << 8 << 116;
    QTest::newRow("li") << 2 << "1111" << 6 << 145;
    QTest::newRow("lw") << 3 << "1110" << 10 << 125;
}

void TestRendererLayout::projectBlock() {
    QFETCH(int, kind);
    QFETCH(QString, sections);
    QFETCH(int, size);
    QFETCH(int, dateEnd);
    const auto st = orvtest::makeReportState(kind, 1, 1, 2, size);
    for (int i = 0; i < 4; ++i)
        st->sectionFlags[i] = sections[i] == QLatin1Char('1');
    const RecordingSurface s = render(*st, true);

    const auto number = lineOf(s, QStringLiteral("Projectnummer"));
    QCOMPARE(number.size(), 3u);
    QCOMPARE(number[0].y, 1000.0);
    QCOMPARE(number[1].text, QStringLiteral(": P-2024-17"));
    QCOMPARE(number[1].x, 15.0 * 12 * (size + 2)); // the label column in the block's own font
    QCOMPARE(number[2].text, QStringLiteral("Datum : 14-03-2024"));
    QCOMPARE(number[2].x2, dateEnd * 12.0 * size);
    QCOMPARE(lineOf(s, QStringLiteral("Projectnaam"))[1].text,
             QStringLiteral(": Distributiecentrum Oost"));
    QCOMPARE(lineOf(s, QStringLiteral("Toelichting"))[1].text,
             QStringLiteral(": Nieuwe vergunning"));
    const auto receiver = lineOf(s, QStringLiteral("Immissiehoogte"));
    if (kind == 2) {
        QCOMPARE(receiver[1].text, QStringLiteral(": 5,0 meter"));
        QCOMPARE(lineOf(s, QStringLiteral("Immissiepunt"))[1].text,
                 QStringLiteral(": Woning Dorpsstraat 4"));
        QCOMPARE(lineOf(s, QStringLiteral("Bodem"))[1].text, QStringLiteral(": zacht"));
        QCOMPARE(lineOf(s, QStringLiteral("Gevelreflectie"))[1].text, QStringLiteral(": 3 dB"));
    } else {
        QVERIFY(receiver.empty());
    }
    // Without the project section the table follows the header directly.
    st->sectionFlags[0] = 0;
    const RecordingSurface bare = render(*st, true);
    QVERIFY(bare.find(QStringLiteral("Projectnummer")).empty());
    QVERIFY(bare.find(QStringLiteral("Geluidsbron")).front().y <
            s.find(QStringLiteral("Geluidsbron")).front().y);
}

void TestRendererLayout::fontsAndStyles_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("headerStyle");
    QTest::addColumn<int>("bodyStyle1");
    QTest::addColumn<int>("bodyStyle2");
    QTest::newRow("standard") << 8 << 3 << 1 << 2;
    QTest::newRow("all normal") << 10 << 1 << 1 << 1;
    QTest::newRow("bold italic body") << 6 << 2 << 4 << 4;
    QTest::newRow("bold tables") << 12 << 4 << 2 << 3;
}

void TestRendererLayout::fontsAndStyles() {
    QFETCH(int, size);
    QFETCH(int, headerStyle);
    QFETCH(int, bodyStyle1);
    QFETCH(int, bodyStyle2);
    const auto st = orvtest::makeReportState(2, 1, 0, 2, size);
    st->settings.printFontName = fixedText(u"Liberation Serif", kPrintFontNameWidth);
    st->settings.headerStyle = static_cast<qint16>(headerStyle);
    st->settings.bodyStyle1 = static_cast<qint16>(bodyStyle1);
    st->settings.bodyStyle2 = static_cast<qint16>(bodyStyle2);
    const RecordingSurface s = render(*st, false);

    const auto check = [&](const QString& text, double expectSize, int style) {
        const auto ops = s.find(text);
        QVERIFY2(!ops.empty(), qPrintable(text));
        const SurfaceFont& f = ops.front().font;
        QCOMPARE(f.name, QStringLiteral("Liberation Serif"));
        QCOMPARE(f.size, expectSize);
        QCOMPARE(f.bold, style == 3 || style == 4);
        QCOMPARE(f.italic, style == 2 || style == 4);
    };
    check(QStringLiteral("OVERDRACHTSBEREKENING VOLGENS REKENMETHODE I HMRI:1999"), 8, headerStyle);
    check(QStringLiteral("Projectnummer"), size + 2, bodyStyle1);
    check(QStringLiteral("Immissiepunt"), size + 2, bodyStyle1);
    check(QStringLiteral("Geluidsbron"), size, bodyStyle2);
    check(orvtest::lineName(1), size, bodyStyle2);
    check(QStringLiteral("Totaal"), size, bodyStyle2);
    check(QStringLiteral("Ornaveld 1.0"), 8, 3);
    check(QStringLiteral("Pagina 1"), 8, 3);
}

void TestRendererLayout::startValuesLeaveStateAlone() {
    auto st = orvtest::makeReportState(1, 1, 1);
    st->settings.paperOrientation = 0;
    st->settings.printFontName = fixedText(u"", kPrintFontNameWidth);
    st->settings.printFontSize = 0;
    st->settings.headerStyle = 0;
    st->settings.bodyStyle1 = 0;
    st->settings.bodyStyle2 = 0;
    RecordingSurface s;
    DrukOverzicht(s, *st, false);
    QCOMPARE(s.ops().front().orientation, 1);
    const SurfaceFont body = s.find(orvtest::lineName(1)).front().font;
    QCOMPARE(body.name, QStringLiteral("Courier New"));
    QCOMPARE(body.size, 12.0);
    QVERIFY(body.italic && !body.bold);
    QVERIFY(s.find(QStringLiteral("BEPALING BEDRIJFSDUURCORRECTIE Cb VOLGENS HMRI:1999"))
                .front()
                .font.bold);
    QCOMPARE(st->settings.printFontSize, qint16(0));
    QCOMPARE(st->settings.paperOrientation, qint16(0));
    QVERIFY(st->settings.printFontName.trimmed().isEmpty());
}

// Values only a damaged file or a careless caller holds: no reading past the tables, no
// columns collapsed onto the left edge.
void TestRendererLayout::damagedCountsAndSize() {
    const auto st = orvtest::makeReportState(2, 500, 0, 2);
    st->sourceCount = {600, -4};
    st->settings.printFontSize = -3;
    RecordingSurface s;
    const int pages = DrukOverzicht(s, *st, false);
    QVERIFY(pages > 1);
    QCOMPARE(s.find(orvtest::lineName(500)).size(), 1u);
    QCOMPARE(s.find(orvtest::lineName(1)).front().font.size, 12.0);
    QCOMPARE(s.find(QStringLiteral("Totaal")).size(), 1u);
}

void TestRendererLayout::notesUnderTransmissionTable_data() {
    const QString sentence =
        QStringLiteral("De toeslag is van toepassing op het totale geluidsniveau voor de duur van "
                       "de betreffende geluidsbron.");
    QTest::addColumn<int>("total");
    QTest::addColumn<QList<int>>("lineKs");
    QTest::addColumn<QList<int>>("mobileKs");
    QTest::addColumn<QStringList>("notes");
    QTest::newRow("none") << 0 << QList<int>{0, 0} << QList<int>{0, 0} << QStringList{};
    QTest::newRow("first line source only")
        << 0 << QList<int>{5, 3} << QList<int>{0, 0}
        << QStringList{"• Geluidsbron met toeslag +5 dB. " + sentence};
    QTest::newRow("line and unlisted mobile")
        << 0 << QList<int>{0, 10} << QList<int>{0, 5}
        << QStringList{"• Geluidsbron met toeslag +10 dB. " + sentence,
                       "• Geluidsbron met toeslag +5 dB. " + sentence};
    QTest::newRow("total replaces all") << 10 << QList<int>{5, 0} << QList<int>{5, 0}
                                        << QStringList{"• Geluidsniveau met toeslag +10 dB. "};
}

void TestRendererLayout::notesUnderTransmissionTable() {
    QFETCH(int, total);
    QFETCH(QList<int>, lineKs);
    QFETCH(QList<int>, mobileKs);
    QFETCH(QStringList, notes);
    const auto st = orvtest::makeReportState(2, 2, 2, 2);
    st->sectionFlags[3] = 0; // the mobile sources are not listed, their surcharge still counts
    st->sources[0][0].surchargeKx = static_cast<qint16>(total);
    for (int i = 0; i < 2; ++i) {
        st->sources[0][i + 1].surchargeKx = static_cast<qint16>(lineKs[i]);
        st->sources[1][i + 1].surchargeKx = static_cast<qint16>(mobileKs[i]);
    }
    const RecordingSurface s = render(*st, false);
    const auto texts = s.texts();
    const auto footnote = std::find_if(texts.begin(), texts.end(), [](const RecordedOp& op) {
        return op.text.startsWith(QStringLiteral("³ De reflectiebijdrage"));
    });
    QVERIFY(footnote != texts.end());
    QStringList after;
    for (auto it = std::next(footnote); it != texts.end() && it->x == 0; ++it)
        after.append(it->text);
    const QString letmaal =
        QStringLiteral("Letmaal = 56,3 dB(A) (Lden = 58,1 dB, Lnight = 49,2 dB)");
    const QStringList expected = notes + QStringList{letmaal, QStringLiteral("Ornaveld 1.0")};
    QCOMPARE(after, expected);
    // The total row carries the bullet exactly when the total level has a surcharge.
    const auto totalRow = lineOf(s, QStringLiteral("Totaal"));
    const auto marks = std::count_if(totalRow.begin(), totalRow.end(),
                                     [](const RecordedOp& op) { return op.text == "•"; });
    QCOMPARE(marks, total > 0 ? 3 : 0);
    QVERIFY(s.find(letmaal).front().font.bold);
}

void TestRendererLayout::transmissionWithoutSourcesChosen() {
    const auto st = orvtest::makeReportState(2, 3, 3);
    st->sectionFlags[2] = 0;
    st->sectionFlags[3] = 0;
    RecordingSurface s;
    QCOMPARE(DrukOverzicht(s, *st, false), 1);
    QVERIFY(s.find(QStringLiteral("Totaal")).empty());
    QVERIFY(s.find(QStringLiteral("Geluidsbron")).empty());
    for (const RecordedOp& op : s.texts())
        QVERIFY(!op.text.startsWith(QLatin1String("Letmaal")));
    QCOMPARE(s.find(QStringLiteral("Gevelreflectie")).size(), 1u);
}

ORV_TEST(TestRendererLayout)
#include "tst_renderer_layout.moc"
