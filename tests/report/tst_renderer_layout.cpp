// Placement on the printed page: every value ends at its column by its measured width, in a
// fixed-pitch and in a proportional font; surcharge marks; damaged counts and sizes.

#include "base/numberformat.h"
#include "common/guards.h"
#include "common/recordingsurface.h"
#include "common/testmain.h"
#include "report/drukoverzicht.h"
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

// The text equal to text that ends at the column (in units of 12 x 8 twips), or row's end.
auto cellAt(const std::vector<RecordedOp>& row, const QString& text, int column) {
    return std::find_if(row.begin(), row.end(), [&](const RecordedOp& op) {
        return op.text == text && std::abs(op.x2 - column * 96.0) < 1e-6;
    });
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
    void initTestCase() { separator_.emplace(QLatin1Char(',')); }
    void cleanupTestCase() { separator_.reset(); }
    void columnEnds_data();
    void columnEnds();
    void surchargeMarks();
    void damagedCountsAndSize();

private:
    std::optional<orvtest::DecimalSeparatorGuard> separator_;
};

void TestRendererLayout::columnEnds_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("proportional");
    QTest::addColumn<QString>("anchor");
    QTest::addColumn<Cells>("cells");

    const Cells cbLine{{"2", 62},    {"81,0/15", 73}, {"31,0", 83},   {"21,0", 91},
                       {"11,0", 99}, {"-10,1", 108},  {"-11,1", 116}, {"-12,1", 124}};
    const Cells cbMobile{{"2", 62},     {"0,7500", 74}, {"0,5000", 82}, {"0,2500", 90},
                         {"-10,1", 99}, {"-11,1", 107}, {"-12,1", 115}};
    const Cells li{{"101,0/109,0", 67}, {"1,5", 74},   {"41,0/96,5", 87}, {"5", 91},
                   {"0", 96},           {"0,5", 101},  {"40,1", 109},     {"60,1", 116},
                   {"37,1", 123},       {"58,1", 130}, {"34,1", 137},     {"56,1", 144}};
    const Cells liTotal{{"55,0", 109}, {"70,0", 116}, {"52,0", 123},
                        {"68,0", 130}, {"49,0", 137}, {"66,0", 144}};
    // Source correction of Route 001: 10·log10(2) + Cb - Ds + Cr = 3,01 - 10,1 - 5 + 0.
    const Cells lw{{"101,0/109,0", 67}, {"1,5", 74},   {"-12,1", 83}, {"-13,1", 91},
                   {"-14,1", 99},       {"95,1", 108}, {"94,1", 116}, {"93,1", 124}};
    for (bool prop : {false, true}) {
        const char* m = prop ? "proportional" : "fixed";
        QTest::addRow("cb line row %s", m) << 1 << prop << orvtest::lineName(1) << cbLine;
        QTest::addRow("cb mobile row %s", m) << 1 << prop << orvtest::mobileName(1) << cbMobile;
        QTest::addRow("li row %s", m) << 2 << prop << orvtest::lineName(1) << li;
        QTest::addRow("li total %s", m) << 2 << prop << "Totaal" << liTotal;
        QTest::addRow("lw row %s", m) << 3 << prop << orvtest::lineName(1) << lw;
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
    for (const auto& [text, column] : cells) {
        const auto it = cellAt(row, text, column);
        QVERIFY2(it != row.end(), qPrintable(QStringLiteral("%1 at %2").arg(text).arg(column)));
        QCOMPARE(it->font.size, 8.0);
    }
    // The "Specificatie" column opens at column 28 of every source row.
    if (anchor != QLatin1String("Totaal")) {
        const auto description = std::find_if(
            row.begin(), row.end(), [&](const RecordedOp& op) { return op.x == 28 * 96.0; });
        QVERIFY(description != row.end());
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
    QVERIFY(cellAt(row, "---/110,0", 67) != row.end());
    const auto day = cellAt(row, "45,2", 109); // 40,2 + 5
    QVERIFY(day != row.end());
    const auto mark = std::next(day);
    QCOMPARE(mark->text, QStringLiteral("•"));
    QCOMPARE(mark->x, day->x2);
    for (const auto& [text, column] : Cells{{"---", 123}, {"---", 130}, {"39,2", 137}})
        QVERIFY2(cellAt(row, text, column) != row.end(), qPrintable(text));
    QCOMPARE(
        std::count_if(row.begin(), row.end(), [](const RecordedOp& op) { return op.text == "•"; }),
        2);
    // Route 001 carries no surcharge: no mark on its row.
    const auto plain = lineOf(s, orvtest::lineName(1));
    QVERIFY(std::none_of(plain.begin(), plain.end(),
                         [](const RecordedOp& op) { return op.text == "•"; }));
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

ORV_TEST_MAIN(TestRendererLayout)
#include "tst_renderer_layout.moc"
