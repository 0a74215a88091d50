// Period totals, Letmaal, Lden and Lnight; the surcharge on them; LAr,LT; storing a
// surcharge. Expected values worked out with the formulas by hand.

#include "app/numberformat.h"
#include "calc/assessment.h"
#include "calc/surcharge.h"
#include "calcfixture.h"
#include "common/testregistry.h"

using namespace orv;
using namespace calctest;

using Levels = QList<double>;
using Ints = QList<int>;
Q_DECLARE_METATYPE(RatedLevel::Status)

namespace {

bool near(double a, double b, double tol = 1e-9) {
    return qAbs(a - b) < tol;
}

} // namespace

class TestAssessment : public QObject {
    Q_OBJECT
private slots:
    void totals_data() {
        QTest::addColumn<Levels>("energy");
        QTest::addColumn<Levels>("total");
        QTest::addColumn<Levels>("penalised");
        QTest::addColumn<double>("letmaal");
        QTest::addColumn<double>("lden");
        // Day levels 50 and 47, an evening level of 45, no night.
        QTest::newRow("two sources")
            << Levels{1e5 + std::pow(10, 4.7), std::pow(10, 4.5), 0}
            << Levels{51.76434862436484, 45, 0} << Levels{51.76434862436484, 50, 0}
            << 51.76434862436484 << 49.624941675941095;
        // The penalty follows the energy sum: totals below 0 dB are still penalised.
        QTest::newRow("totals below 0 dB")
            << Levels{0.5, 0, 0.5} << Levels{-3.0102999566398116, 0, -3.0102999566398116}
            << Levels{-3.0102999566398116, 0, 6.989700043360188} << 6.989700043360188
            << 3.1875876262441287;
        // Evening and night still enter Lden, each with 10^0.
        QTest::newRow("day only") << Levels{1e6, 0, 0} << Levels{60, 0, 0} << Levels{60, 0, 0}
                                  << 60.0 << 56.989704386302826;
        QTest::newRow("nothing listed")
            << Levels{0, 0, 0} << Levels{0, 0, 0} << Levels{0, 0, 0} << 0.0 << 0.0;
    }
    void totals() {
        QFETCH(Levels, energy);
        QFETCH(Levels, total);
        QFETCH(Levels, penalised);
        QFETCH(double, letmaal);
        QFETCH(double, lden);
        auto s = freshState();
        const double sums[3] = {energy[0], energy[1], energy[2]};
        assessLevels(*s, sums);
        for (int p = 0; p < 3; ++p) {
            QVERIFY2(near(s->totalLaeq[p], total[p]), qPrintable(QString::number(p)));
            QVERIFY(near(s->penalisedLevel[p], penalised[p]));
        }
        QVERIFY(near(s->letmaal, letmaal));
        QCOMPARE(s->lnight, s->totalLaeq[2]);
        QVERIFY(near(s->lden, lden));
    }

    void highestMaximum_data() {
        QTest::addColumn<bool>("lines");
        QTest::addColumn<bool>("mobiles");
        QTest::addColumn<Levels>("expected");
        QTest::newRow("both listed") << true << true << Levels{70, 65, 0};
        QTest::newRow("mobile only") << false << true << Levels{55, 65, 0};
        QTest::newRow("line only") << true << false << Levels{70, 0, -2};
        QTest::newRow("none listed") << false << false << Levels{0, 0, 0};
    }
    void highestMaximum() {
        QFETCH(bool, lines);
        QFETCH(bool, mobiles);
        QFETCH(Levels, expected);
        auto s = freshState();
        s->sourceCount = {1, 2};
        const double lamax[3][3] = {{70, 0, -2}, {55, 65, -5}, {30, 0, 0}};
        for (int p = 0; p < 3; ++p) {
            s->results[0][1].lamax[p] = lamax[0][p];
            s->results[1][1].lamax[p] = lamax[1][p];
            s->results[1][2].lamax[p] = lamax[2][p];
        }
        s->sectionFlags[2] = lines;
        s->sectionFlags[3] = mobiles;
        const double none[3] = {0, 0, 0};
        assessLevels(*s, none);
        // Zeros take part: a listed source without a level beats a negative one.
        for (int p = 0; p < 3; ++p)
            QCOMPARE(s->totalLamax[p], expected[p]);
    }

    void surchargeOnTotals_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("k");
        QTest::addColumn<double>("points");
        QTest::addColumn<Levels>("hours"); // stored operatingHours (per point for a line)
        QTest::addColumn<Levels>("laeq");
        QTest::addColumn<Levels>("totalIn");
        QTest::addColumn<Levels>("totalOut");
        // Site 50, source 45 for 4 of 12 hours, K 5: 53.378 (rest 48.35, A 46.59, B 43.58,
        // C 52.36). Silent periods keep their total.
        QTest::newRow("mobile, part of the day")
            << 1 << 5 << 1.0 << Levels{4, 0, 0} << Levels{45, 0, 0} << Levels{50, 48, 40}
            << Levels{53.377800965674005, 48, 40};
        // A route's hours are per point source: 10 points of 0.4 h are 4 vehicle-hours.
        QTest::newRow("line, part of the day")
            << 0 << 5 << 10.0 << Levels{0.4, 0, 0} << Levels{45, 0, 0} << Levels{50, 0, 0}
            << Levels{53.377800965674005, 0, 0};
        QTest::newRow("mobile, whole evening")
            << 1 << 10 << 1.0 << Levels{0, 4, 0} << Levels{0, 45, 0} << Levels{50, 48, 0}
            << Levels{50, 58, 0};
        // 10 points of 2 h are 20 vehicle-hours, more than the day: the whole day counts.
        QTest::newRow("line busier than the day")
            << 0 << 5 << 10.0 << Levels{2, 0, 0} << Levels{45, 0, 0} << Levels{50, 0, 0}
            << Levels{55, 0, 0};
        QTest::newRow("source is the whole site")
            << 1 << 5 << 1.0 << Levels{4, 0, 2} << Levels{50, 0, 41} << Levels{50, 0, 41}
            << Levels{55, 0, 46};
    }
    void surchargeOnTotals() {
        QFETCH(int, kind);
        QFETCH(int, k);
        QFETCH(double, points);
        QFETCH(Levels, hours);
        QFETCH(Levels, laeq);
        QFETCH(Levels, totalIn);
        QFETCH(Levels, totalOut);
        auto s = freshState();
        s->sourceCount = {1, 1};
        s->sectionFlags[2] = s->sectionFlags[3] = 1;
        SourceRecord& src = s->sources[kind][1];
        src.surchargeKx = static_cast<qint16>(k);
        src.pointCount = points;
        for (int p = 0; p < 3; ++p) {
            src.operatingHours[p] = hours[p];
            s->results[kind][1].cb[p] = hours[p] == 0 ? kSilent : -3;
            s->results[kind][1].laeq[p] = laeq[p];
            s->totalLaeq[p] = totalIn[p];
        }
        ToeslagK(*s);
        for (int p = 0; p < 3; ++p)
            QVERIFY2(near(s->totalLaeq[p], totalOut[p]),
                     qPrintable(QString::number(s->totalLaeq[p], 'g', 17)));
        QCOMPARE(s->results[kind][1].laeq[0], laeq[0]); // the source's own level stays
    }

    void surchargeCandidates_data() {
        QTest::addColumn<int>("lineK");
        QTest::addColumn<int>("mobileK");
        QTest::addColumn<int>("totalK");
        QTest::addColumn<bool>("mobilesListed");
        QTest::addColumn<double>("day");
        // Both at the whole day: the total rises by the K of the source that counts.
        QTest::newRow("mobile found last wins") << 5 << 10 << 0 << true << 60.0;
        QTest::newRow("unlisted source is passed over") << 5 << 10 << 0 << false << 55.0;
        QTest::newRow("total level") << 0 << 0 << 10 << true << 60.0;
        QTest::newRow("no surcharge") << 0 << 0 << 0 << true << 50.0;
    }
    void surchargeCandidates() {
        QFETCH(int, lineK);
        QFETCH(int, mobileK);
        QFETCH(int, totalK);
        QFETCH(bool, mobilesListed);
        QFETCH(double, day);
        auto s = freshState();
        s->sourceCount = {1, 1};
        s->sectionFlags[2] = 1;
        s->sectionFlags[3] = mobilesListed;
        s->sources[0][0].surchargeKx = static_cast<qint16>(totalK);
        s->sources[0][1].surchargeKx = static_cast<qint16>(lineK);
        s->sources[1][1].surchargeKx = static_cast<qint16>(mobileK);
        for (int kind = 0; kind < 2; ++kind) {
            s->sources[kind][1].pointCount = 1;
            s->sources[kind][1].operatingHours[0] = 12;
            s->results[kind][1].laeq[0] = 45;
            for (int p = 1; p < 3; ++p)
                s->results[kind][1].cb[p] = kSilent;
        }
        s->totalLaeq[0] = 50;
        ToeslagK(*s);
        QCOMPARE(s->totalLaeq[0], day);
        QCOMPARE(s->totalLaeq[1], 0.0); // a total of 0 takes no surcharge
    }

    void rated_data() {
        QTest::addColumn<double>("total");
        QTest::addColumn<double>("source");
        QTest::addColumn<double>("hours");
        QTest::addColumn<int>("k");
        QTest::addColumn<RatedLevel::Status>("status");
        QTest::addColumn<double>("value");
        using S = RatedLevel::Status;
        QTest::newRow("4 of 12 h") << 50.0 << 45.0 << 4.0 << 5 << S::Ok << 53.377800965674005;
        QTest::newRow("whole period") << 50.0 << 45.0 << 12.0 << 5 << S::Ok << 55.0;
        QTest::newRow("beyond the period") << 50.0 << 45.0 << 12.5 << 5 << S::Ok << 55.0;
        QTest::newRow("no source level") << 50.0 << 0.0 << 4.0 << 5 << S::Ok << 50.0;
        QTest::newRow("no operating time") << 50.0 << 45.0 << 0.0 << 5 << S::Ok << 50.0;
        QTest::newRow("source is the total") << 50.0 << 50.0 << 4.0 << 5 << S::Ok << 55.0;
        QTest::newRow("no total") << 0.0 << 45.0 << 4.0 << 5 << S::TotalMissing << 0.0;
        QTest::newRow("source above total")
            << 44.9 << 45.0 << 4.0 << 5 << S::SourceAboveTotal << 0.0;
    }
    void rated() {
        QFETCH(double, total);
        QFETCH(double, source);
        QFETCH(double, hours);
        QFETCH(int, k);
        QFETCH(RatedLevel::Status, status);
        QFETCH(double, value);
        const RatedLevel r = ratedLevel(total, source, hours, 12, k);
        QCOMPARE(r.status, status);
        if (status == RatedLevel::Status::Ok) {
            QVERIFY(near(r.value, value));
            QVERIFY(r.message().isEmpty());
        }
        if (status == RatedLevel::Status::TotalMissing)
            QCOMPARE(r.message(), QStringLiteral("LAeq(totaal) niet ingevuld!"));
        if (status == RatedLevel::Status::SourceAboveTotal)
            QCOMPARE(r.message(), QStringLiteral("LAeq(deelbron) is groter dan LAeq(totaal)!"));
    }

    void store_data() {
        // Surcharges as [total level, line 1, line 2, mobile 1, mobile 2]; list entries:
        // 0 "<alle bronnen>", 1-2 the line sources, 3-4 the mobile sources.
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("k");
        QTest::addColumn<Ints>("before");
        QTest::addColumn<Ints>("after");
        QTest::newRow("mobile after total level")
            << 3 << 5 << Ints{10, 0, 0, 0, 0} << Ints{0, 0, 0, 5, 0};
        QTest::newRow("0 on a source clears nothing")
            << 1 << 0 << Ints{10, 5, 0, 0, 5} << Ints{10, 0, 0, 0, 5};
        QTest::newRow("line clears every other")
            << 2 << 10 << Ints{5, 5, 0, 5, 5} << Ints{0, 0, 10, 0, 0};
        QTest::newRow("total level") << 0 << 5 << Ints{0, 5, 10, 5, 0} << Ints{5, 0, 0, 0, 0};
        QTest::newRow("second mobile") << 4 << 10 << Ints{0, 0, 0, 5, 0} << Ints{0, 0, 0, 0, 10};
    }
    void store() {
        QFETCH(int, entry);
        QFETCH(int, k);
        QFETCH(Ints, before);
        QFETCH(Ints, after);
        auto s = freshState();
        s->sourceCount = {2, 2};
        qint16* cells[5] = {&s->sources[0][0].surchargeKx, &s->sources[0][1].surchargeKx,
                            &s->sources[0][2].surchargeKx, &s->sources[1][1].surchargeKx,
                            &s->sources[1][2].surchargeKx};
        for (int i = 0; i < 5; ++i)
            *cells[i] = static_cast<qint16>(before[i]);
        storeSurcharge(*s, entry, k);
        Ints got;
        for (qint16* cell : cells)
            got.append(*cell);
        QCOMPARE(got, after);
    }
};

ORV_TEST(TestAssessment)
#include "tst_assessment.moc"
