// The surcharge tool's model: the entry it opens on, what its boxes show, the operating time
// kept within a period and the rated level of a chosen period.

#include "calc/calcfixture.h"
#include "calc/surchargetool.h"
#include "common/guards.h"
#include "common/testmain.h"

using namespace orv;
using namespace calctest;

namespace {

// Two line sources and two mobile sources; results as a run would leave them.
std::unique_ptr<State> site(std::initializer_list<int> surcharges) {
    auto s = freshState();
    add(*s, Line{.description = QStringLiteral("Route A")});
    add(*s, Line{.description = QStringLiteral("Route B")});
    add(*s, Mobile{.description = QStringLiteral("Heftruck")});
    add(*s, Mobile{.description = QStringLiteral("Koelunit")});
    // "<alle bronnen>", Route A, Route B, Heftruck, Koelunit.
    const std::pair<int, int> places[] = {{0, 0}, {0, 1}, {0, 2}, {1, 1}, {1, 2}};
    int i = 0;
    for (int k : surcharges) {
        s->sources[places[i].first][places[i].second].surchargeKx = static_cast<qint16>(k);
        ++i;
    }
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
    void preselection_data() {
        QTest::addColumn<QList<int>>("surcharges"); // <alle bronnen>, A, B, Heftruck, Koelunit
        QTest::addColumn<int>("entry");
        QTest::newRow("none") << QList<int>{0, 0, 0, 0, 0} << 0;
        QTest::newRow("total only") << QList<int>{10, 0, 0, 0, 0} << 0;
        QTest::newRow("line source") << QList<int>{0, 0, 5, 0, 0} << 2;
        QTest::newRow("last of two wins") << QList<int>{0, 5, 0, 10, 0} << 3;
        QTest::newRow("negative is none") << QList<int>{0, 0, 0, 0, -5} << 0;
    }
    void preselection() {
        QFETCH(QList<int>, surcharges);
        auto s = site({surcharges[0], surcharges[1], surcharges[2], surcharges[3], surcharges[4]});
        const SurchargeTool tool(*s);
        QCOMPARE(tool.entries(),
                 (QStringList{"<alle bronnen>", "Route A", "Route B", "Heftruck", "Koelunit"}));
        QTEST(tool.preselection(), "entry");
    }

    // A line source's Cb of 0 is a point source operating the whole period.
    // Period, entry -> the three boxes ("-" for a box left as typed) and the surcharge entry.
    void refresh_data() {
        QTest::addColumn<int>("period");
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<int>("surchargeEntry");
        QTest::newRow("all sources keep typed boxes")
            << 0 << 0 << 10 << QStringList{"52,3", "-", "-"} << 2;
        QTest::newRow("one point's hours by day")
            << 0 << 4 << 5 << QStringList{"52,3", "47,0", "4,0000"} << 1;
        QTest::newRow("silent period") << 1 << 4 << 0 << QStringList{"44,0", "0,0", "0,0000"} << 0;
        QTest::newRow("value not offered")
            << 2 << 1 << 3 << QStringList{"0,0", "0,0", "8,0000"} << -1;
    }
    void refresh() {
        QFETCH(int, period);
        QFETCH(int, entry);
        QFETCH(int, stored);
        QFETCH(QStringList, boxes);
        const orvtest::DecimalSeparatorGuard comma(QLatin1Char(','));
        auto s = site({});
        s->sources[entry <= 2 ? 0 : 1][entry <= 2 ? entry : entry - 2].surchargeKx =
            static_cast<qint16>(stored);
        const SurchargeBoxes got = SurchargeTool(*s).refresh(period, entry);
        QCOMPARE(got.total, boxes[0]);
        QCOMPARE(got.sourceLevel.value_or("-"), boxes[1]);
        QCOMPARE(got.hours.value_or("-"), boxes[2]);
        QTEST(got.surchargeEntry, "surchargeEntry");
    }

    // The result rows are those of the moment the tool opened.
    void refreshUsesRowsOfOpening() {
        const orvtest::DecimalSeparatorGuard comma(QLatin1Char(','));
        auto s = site({});
        const SurchargeTool tool(*s);
        s->results[1][2].laeq[0] = 60;
        s->totalLaeq[0] = 70;
        QCOMPARE(tool.refresh(0, 4).sourceLevel.value(), QStringLiteral("47,0"));
        QCOMPARE(tool.refresh(0, 4).total, QStringLiteral("52,3"));
    }

    void clampedHours_data() {
        QTest::addColumn<double>("hours");
        QTest::addColumn<int>("period");
        QTest::addColumn<QString>("text"); // empty: the typed time stays
        QTest::newRow("evening 6 h") << 6.0 << 1 << "4,0000";
        QTest::newRow("night 9 h") << 9.0 << 2 << "8,0000";
        QTest::newRow("exactly the period") << 4.0 << 1 << "";
        QTest::newRow("day fits") << 11.5 << 0 << "";
    }
    void clampedHours() {
        QFETCH(double, hours);
        QFETCH(int, period);
        const orvtest::DecimalSeparatorGuard comma(QLatin1Char(','));
        auto s = site({});
        QTEST(SurchargeTool(*s).clampedHours(hours, period).value_or(QString()), "text");
    }

    // The period chosen gives the period length of the rated level.
    void rateByPeriod_data() {
        QTest::addColumn<int>("period");
        QTest::addColumn<double>("hours");
        QTest::addColumn<double>("rated");
        QTest::newRow("day, 4 of 12 h") << 0 << 4.0 << 53.4;
        QTest::newRow("day, whole period") << 0 << 12.0 << 55.0;
        QTest::newRow("evening, whole period") << 1 << 4.0 << 55.0;
    }
    void rateByPeriod() {
        QFETCH(int, period);
        QFETCH(double, hours);
        QFETCH(double, rated);
        auto s = site({});
        const RatedLevel level = SurchargeTool(*s).rate(50, 45, hours, period, 5);
        QVERIFY(level.outcome.done());
        QVERIFY(near(level.value, rated, 0.05));
    }

    void surchargeFor() {
        auto s = site({0, 0, 0, 0, 3});
        const SurchargeTool tool(*s);
        QCOMPARE(tool.surchargeFor(2, 4), 10);
        QCOMPARE(tool.surchargeFor(-1, 4), 3); // the list shows none: the stored value
    }
};

ORV_TEST_MAIN(TestSurchargeTool)
#include "tst_surchargetool.moc"
