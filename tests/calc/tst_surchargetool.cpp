// The surcharge tool's model: the entry it opens on and what its boxes then show.

#include "calc/surchargetool.h"
#include "common/calcfixture.h"
#include "common/guards.h"
#include "common/testmain.h"

using namespace orv;
using namespace calctest;

namespace {

// Two line sources and two mobile sources; results as a run would leave them.
std::unique_ptr<State> site(const QList<int>& surcharges) {
    auto s = freshState();
    add(*s, Line{.description = QStringLiteral("Route A")});
    add(*s, Line{.description = QStringLiteral("Route B")});
    add(*s, Mobile{.description = QStringLiteral("Heftruck")});
    add(*s, Mobile{.description = QStringLiteral("Koelunit")});
    // "<alle bronnen>", Route A, Route B, Heftruck, Koelunit.
    const std::pair<int, int> places[] = {{0, 0}, {0, 1}, {0, 2}, {1, 1}, {1, 2}};
    for (int i = 0; i < 5; ++i)
        s->sources[places[i].first][places[i].second].surchargeKx =
            static_cast<qint16>(surcharges[i]);
    s->totalLaeq[0] = 52.26;
    s->totalLaeq[1] = 44;
    s->results[1][2].laeq[0] = 47.04;
    s->results[1][2].cb[0] = -4.7712125471966; // 4 of 12 hours
    s->results[1][2].cb[1] = -99;
    return s;
}

} // namespace

class TestSurchargeTool : public QObject {
    Q_OBJECT
private slots:
    // Surcharges of <alle bronnen>, A, B, Heftruck, Koelunit and a period -> the entry the tool
    // opens on, then its boxes: site, source ("-": left as typed), Tb, and the K entry shown.
    // A line source's Cb of 0 is a point source operating the whole period.
    void opening_data() {
        QTest::addColumn<QList<int>>("surcharges");
        QTest::addColumn<int>("period");
        QTest::addColumn<QString>("shown");
        QTest::newRow("none") << QList<int>{0, 0, 0, 0, 0} << 0 << "0|52,3|-|-|0";
        QTest::newRow("total only") << QList<int>{10, 0, 0, 0, 0} << 0 << "0|52,3|-|-|2";
        QTest::newRow("last of two, hours of one point")
            << QList<int>{0, 5, 0, 0, 10} << 0 << "4|52,3|47,0|4,0000|2";
        QTest::newRow("silent period") << QList<int>{0, 0, 0, 0, 5} << 1 << "4|44,0|0,0|0,0000|1";
        QTest::newRow("line source, K not offered")
            << QList<int>{0, 0, 3, 0, 0} << 2 << "2|0,0|0,0|8,0000|-1";
        QTest::newRow("negative is none") << QList<int>{0, 0, 0, 0, -5} << 0 << "0|52,3|-|-|0";
    }
    void opening() {
        QFETCH(QList<int>, surcharges);
        QFETCH(int, period);
        const orvtest::DecimalSeparatorGuard comma(QLatin1Char(','));
        auto s = site(surcharges);
        const SurchargeTool tool(*s);
        QCOMPARE(tool.entries(),
                 (QStringList{"<alle bronnen>", "Route A", "Route B", "Heftruck", "Koelunit"}));
        const int entry = tool.preselection();
        const SurchargeBoxes b = tool.refresh(period, entry);
        QTEST(QStringList({QString::number(entry), b.total, b.sourceLevel.value_or("-"),
                           b.hours.value_or("-"), QString::number(b.surchargeEntry)})
                  .join(QLatin1Char('|')),
              "shown");
    }
};

ORV_TEST_MAIN(TestSurchargeTool)
#include "tst_surchargetool.moc"
