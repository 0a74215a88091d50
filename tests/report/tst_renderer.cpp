// Paging of the printed report: page furniture, the break thresholds, the continuation
// headings, printer and preview page turns.

#include "common/recordingsurface.h"
#include "common/testmain.h"
#include "report/drukoverzicht.h"
#include "tst_renderer_fixture.h"

#include <QtTest>

using namespace orv;

namespace {

// The first text of every source row, in drawing order.
std::vector<RecordedOp> sourceRows(const RecordingSurface& s) {
    std::vector<RecordedOp> rows;
    for (const RecordedOp& op : s.texts())
        if (op.x == 0 && (op.text.startsWith(QLatin1String("Route ")) ||
                          op.text.startsWith(QLatin1String("Heftruck "))))
            rows.push_back(op);
    return rows;
}

} // namespace

class TestRendererPaging : public QObject {
    Q_OBJECT
private slots:
    void pageBreaks_data();
    void pageBreaks();
    void distanceHeadingOnContinuationPages();
    void tableHeadingsNeverStandAlone();
};

void TestRendererPaging::pageBreaks_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("sections");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("mobiles");
    QTest::addColumn<bool>("preview");
    QTest::addColumn<double>("threshold");
    QTest::addColumn<QString>("continuation");

    // A small report fits one page: one header, one footer, "Pagina 1".
    QTest::newRow("cb one page") << 1 << "1110" << 1 << 3 << 2 << false << 14300.0 << "";
    QTest::newRow("cb lines portrait")
        << 1 << "1100" << 1 << 200 << 0 << false << 14300.0 << "Lijnbron/rijroute <vervolg>";
    QTest::newRow("cb mobiles landscape")
        << 1 << "1010" << 2 << 0 << 200 << false << 9200.0 << "Mobiele/vaste bron <vervolg>";
    QTest::newRow("li lines portrait")
        << 2 << "1110" << 1 << 200 << 0 << false << 13500.0 << "Lijnbron/rijroute (vervolg)";
    QTest::newRow("li all landscape")
        << 2 << "1111" << 2 << 100 << 100 << false << 8400.0 << "Alle geluidsbronnen (vervolg)";
    QTest::newRow("li mobiles preview")
        << 2 << "1101" << 1 << 30 << 200 << true << 13500.0 << "Mobiele/vaste bron (vervolg)";
    QTest::newRow("lw portrait") << 3 << "1110" << 1 << 150 << 50 << false << 14300.0
                                 << "<vervolg>";
    QTest::newRow("lw landscape preview")
        << 3 << "1110" << 2 << 150 << 50 << true << 9200.0 << "<vervolg>";
}

void TestRendererPaging::pageBreaks() {
    QFETCH(int, kind);
    QFETCH(QString, sections);
    QFETCH(int, orientation);
    QFETCH(int, lines);
    QFETCH(int, mobiles);
    QFETCH(bool, preview);
    QFETCH(double, threshold);
    QFETCH(QString, continuation);

    const auto st = orvtest::makeReportState(kind, lines, mobiles, orientation);
    st->sections = *Sections::fromText(sections);
    RecordingSurface s;
    const int pages = DrukOverzicht(s, *st, preview);
    QCOMPARE(pages == 1, lines + mobiles == 5);

    // Every listed source exactly once, in stored order, each row starting above the
    // threshold, and a page full: its last row is the last that could start above it.
    const int listedLines =
        kind == 2 ? (sections[2] == '1' ? lines : 0) : (sections[1] == '1' ? lines : 0);
    const int listedMobiles =
        kind == 2 ? (sections[3] == '1' ? mobiles : 0) : (sections[2] == '1' ? mobiles : 0);
    const auto rows = sourceRows(s);
    QCOMPARE(static_cast<int>(rows.size()), listedLines + listedMobiles);
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const QString name =
            i < listedLines ? orvtest::lineName(i + 1) : orvtest::mobileName(i + 1 - listedLines);
        QCOMPARE(rows[i].text, name);
        QVERIFY2(rows[i].y <= threshold, qPrintable(name));
    }
    const double rowHeight = rows[1].y - rows[0].y;
    for (std::size_t i = 0; i + 1 < rows.size(); ++i)
        if (rows[i + 1].page != rows[i].page) {
            QCOMPARE(rows[i + 1].page, rows[i].page + 1);
            QVERIFY(rows[i].y + rowHeight > threshold);
        }
    QCOMPARE(rows.back().page, pages);

    const QString title = s.texts(1)[1].text; // under the user name, on every page
    for (int page = 1; page <= pages; ++page) {
        const auto texts = s.texts(page);
        const auto rules = s.lines(page);
        const auto rulesBetween = [&](double top, double bottom, double minWidth = 0) {
            return static_cast<int>(std::count_if(rules.begin(), rules.end(), [&](const auto& l) {
                return l.y > top && l.y < bottom && l.x2 - l.x > minWidth;
            }));
        };
        QCOMPARE(s.find(QStringLiteral("Pagina %1").arg(page), page).size(), 1u);
        QCOMPARE(s.find(QStringLiteral("Ornaveld 1.0"), page).size(), 1u);
        QCOMPARE(s.find(title, page).size(), 1u);
        if (page < pages) {
            // A rule to the table's width, then "<volgende pagina>", then the footer.
            const auto next = s.find(QStringLiteral("<volgende pagina>"), page);
            QCOMPARE(next.size(), 1u);
            QVERIFY(rulesBetween(next.front().y - 100, next.front().y, 10000) > 0);
            QCOMPARE(texts[texts.size() - 3].text, QStringLiteral("<volgende pagina>"));
        }
        if (page > 1) {
            // Header (user name, title), the continuation heading, then the column headings
            // between two rules, then the rows.
            QCOMPARE(texts[0].text.trimmed(), QStringLiteral("ING. J. DE VRIES"));
            QCOMPARE(texts[1].text, title);
            QCOMPARE(texts[2].text, continuation);
            QCOMPARE(texts[3].text, QStringLiteral("Geluidsbron"));
            const auto firstRow = std::find_if(
                rows.begin(), rows.end(), [page](const RecordedOp& r) { return r.page == page; });
            QVERIFY(firstRow != rows.end());
            QCOMPARE(rulesBetween(texts[2].y, texts[3].y), 1);
            QCOMPARE(rulesBetween(texts[3].y, firstRow->y), 1);
        }
    }
    QCOMPARE(s.find(QStringLiteral("<volgende pagina>")).size(), std::size_t(pages - 1));
    QCOMPARE(s.texts().back().text, QStringLiteral("Pagina %1").arg(pages));
    // Only the printer gets paper (A4); the preview picture was sized by its window.
    QCOMPARE(s.count(RecordedOp::Paper), preview ? 0 : 1);
    if (!preview) {
        QCOMPARE(s.ops().front().paperSize, 9);
        QCOMPARE(s.ops().front().orientation, orientation);
    }
    // Title and page number end at the right limit, 1000 twips inside the printable page.
    const auto pageOne = s.find(QStringLiteral("Pagina 1")).front();
    QCOMPARE(s.find(title).front().x2, s.scaleWidth() - 1000);
    QCOMPARE(pageOne.x2, s.scaleWidth() - 1000);
    QCOMPARE(pageOne.y, s.scaleHeight() - 1000 + 100);
    QCOMPARE(s.count(RecordedOp::NewPage), preview ? 0 : pages - 1);
    QCOMPARE(s.count(RecordedOp::Clear), preview ? pages - 1 : 0);
    QCOMPARE(s.count(RecordedOp::Capture), preview ? pages : 0);
}

void TestRendererPaging::distanceHeadingOnContinuationPages() {
    const auto st = orvtest::makeReportState(2, 120, 0, 1);
    RecordingSurface s(TextMetric::proportional());
    const int pages = DrukOverzicht(s, *st, false);
    QVERIFY(pages >= 3);
    const auto first = s.find(QStringLiteral("R1/R2¹"));
    QCOMPARE(first.size(), 1u);
    QCOMPARE(first.front().page, 1);
    const auto later = s.find(QStringLiteral("Rmin/Rmax¹"));
    QCOMPARE(static_cast<int>(later.size()), pages - 1);
    for (const RecordedOp& op : later) {
        QVERIFY(op.page > 1);
        QCOMPARE(op.x2, first.front().x2);
        QVERIFY(op.x < first.front().x); // the longer text starts further left
    }
}

// Kind 1 prints its mobile table under the line table; when the line table ends near the
// bottom, the mobile table starts on the next page instead of leaving its headings there.
void TestRendererPaging::tableHeadingsNeverStandAlone() {
    for (int lines = 40; lines <= 80; ++lines) {
        const auto st = orvtest::makeReportState(1, lines, 3, 2);
        RecordingSurface s;
        const int pages = DrukOverzicht(s, *st, false);
        const auto heading = s.find(QStringLiteral("Mobiele/vaste bron"));
        QCOMPARE(heading.size(), 1u);
        const auto rows = sourceRows(s);
        QCOMPARE(rows.back().text, orvtest::mobileName(3));
        QVERIFY2(rows[static_cast<std::size_t>(lines)].page == heading.front().page,
                 qPrintable(QString::number(lines)));
        for (const RecordedOp& op : s.texts())
            if (!op.text.startsWith(QLatin1String("Pagina")) &&
                op.text != QLatin1String("Ornaveld 1.0"))
                QVERIFY2(op.y2 <= s.scaleHeight() - 1000, qPrintable(op.text));
        QVERIFY(pages >= 2);
    }
}

ORV_TEST_MAIN(TestRendererPaging)
#include "tst_renderer.moc"
