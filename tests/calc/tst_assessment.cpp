// Period totals, Letmaal, Lden and Lnight; the surcharge on them; LAr,LT; storing a
// surcharge. Expected values worked out with the formulas by hand.

#include "calc/assessment.h"
#include "calc/surcharge.h"
#include "calcfixture.h"
#include "common/testregistry.h"

#include <array>

using namespace orv;
using namespace calctest;

namespace {

using Levels = std::array<double, 3>;
struct TotalsCase {
    Levels energy, total, penalised;
    double letmaal, lden;
};
struct SurchargeCase { // `hours` as stored: per point source for a line
    int kind;
    double points;
    Levels hours, laeq, totalIn, totalOut;
};
struct RatedCase {
    double total, source, hours;
    RatedLevel::Status status;
    double value;
    const char* message;
};
// Surcharges as [total level, line 1, line 2, mobile 1, mobile 2]; list entries:
// 0 "<alle bronnen>", 1-2 the line sources, 3-4 the mobile sources.
struct StoreCase {
    int entry, k;
    std::array<int, 5> before, after;
};

} // namespace

Q_DECLARE_METATYPE(TotalsCase)
Q_DECLARE_METATYPE(SurchargeCase)
Q_DECLARE_METATYPE(RatedCase)
Q_DECLARE_METATYPE(StoreCase)

class TestAssessment : public QObject {
    Q_OBJECT
private slots:
    void totals_data() {
        const double lDay = 51.76434862436484, below = -3.0102999566398116;
        table<TotalsCase>({
            // Day levels 50 and 47, an evening level of 45, no night.
            {"two sources",
             {{1e5 + std::pow(10, 4.7), std::pow(10, 4.5), 0},
              {lDay, 45, 0},
              {lDay, 50, 0},
              lDay,
              49.624941675941095}},
            // The penalty follows the energy sum: totals below 0 dB are still penalised.
            {"totals below 0 dB",
             {{0.5, 0, 0.5},
              {below, 0, below},
              {below, 0, 6.989700043360188},
              6.989700043360188,
              3.1875876262441287}},
            {"nothing listed", {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, 0, 0}},
        });
    }
    void totals() {
        QFETCH(TotalsCase, row);
        auto s = freshState();
        assessLevels(*s, row.energy.data());
        for (int p = 0; p < 3; ++p) {
            QVERIFY(near(s->totalLaeq[p], row.total[p]));
            QVERIFY(near(s->penalisedLevel[p], row.penalised[p]));
        }
        QVERIFY(near(s->letmaal, row.letmaal));
        QCOMPARE(s->lnight, s->totalLaeq[2]);
        QVERIFY(near(s->lden, row.lden));
    }

    void surchargeOnTotals_data() {
        const double rated = 53.377800965674005;
        table<SurchargeCase>({
            // Site 50, source 45 for 4 of 12 hours, K 5. Silent periods keep their total.
            {"mobile, part of the day",
             {1, 1, {4, 0, 0}, {45, 0, 0}, {50, 48, 40}, {rated, 48, 40}}},
            // 10 points of 0.4 h are 4 vehicle-hours.
            {"line, part of the day", {0, 10, {0.4, 0, 0}, {45, 0, 0}, {50, 0, 0}, {rated, 0, 0}}},
            // 10 points of 2 h are 20 vehicle-hours, more than the day: the whole day counts.
            {"line busier than the day", {0, 10, {2, 0, 0}, {45, 0, 0}, {50, 0, 0}, {55, 0, 0}}},
        });
    }
    void surchargeOnTotals() {
        QFETCH(SurchargeCase, row);
        auto s = freshState();
        s->sourceCount = {1, 1};
        s->sectionFlags[2] = s->sectionFlags[3] = 1;
        SourceRecord& src = s->sources[row.kind][1];
        src.surchargeKx = 5;
        src.pointCount = row.points;
        for (int p = 0; p < 3; ++p) {
            src.operatingHours[p] = row.hours[p];
            s->results[row.kind][1].cb[p] = row.hours[p] == 0 ? kSilent : -3;
            s->results[row.kind][1].laeq[p] = row.laeq[p];
            s->totalLaeq[p] = row.totalIn[p];
        }
        ToeslagK(*s);
        for (int p = 0; p < 3; ++p)
            QVERIFY(near(s->totalLaeq[p], row.totalOut[p]));
        QCOMPARE(s->results[row.kind][1].laeq[0], row.laeq[0]); // the source's own level stays
    }

    void rated_data() {
        using S = RatedLevel::Status;
        table<RatedCase>({
            {"4 of 12 h", {50, 45, 4, S::Ok, 53.377800965674005, ""}},
            {"beyond the period", {50, 45, 12.5, S::Ok, 55, ""}},
            {"no source level", {50, 0, 4, S::Ok, 50, ""}},
            {"source is the total", {50, 50, 4, S::Ok, 55, ""}},
            {"no total", {0, 45, 4, S::TotalMissing, 0, "LAeq(totaal) niet ingevuld!"}},
            {"source above total",
             {44.9, 45, 4, S::SourceAboveTotal, 0, "LAeq(deelbron) is groter dan LAeq(totaal)!"}},
        });
    }
    void rated() {
        QFETCH(RatedCase, row);
        const RatedLevel r = ratedLevel(row.total, row.source, row.hours, 12, 5);
        QCOMPARE(r.status, row.status);
        QCOMPARE(r.message(), QString::fromUtf8(row.message));
        if (row.status == RatedLevel::Status::Ok) QVERIFY(near(r.value, row.value));
    }

    void store_data() {
        table<StoreCase>({
            {"mobile after total level", {3, 5, {10, 0, 0, 0, 0}, {0, 0, 0, 5, 0}}},
            {"0 on a source clears nothing", {1, 0, {10, 5, 0, 0, 5}, {10, 0, 0, 0, 5}}},
            {"line clears every other", {2, 10, {5, 5, 0, 5, 5}, {0, 0, 10, 0, 0}}},
        });
    }
    void store() {
        QFETCH(StoreCase, row);
        auto s = freshState();
        s->sourceCount = {2, 2};
        qint16* cells[5] = {&s->sources[0][0].surchargeKx, &s->sources[0][1].surchargeKx,
                            &s->sources[0][2].surchargeKx, &s->sources[1][1].surchargeKx,
                            &s->sources[1][2].surchargeKx};
        for (int i = 0; i < 5; ++i)
            *cells[i] = static_cast<qint16>(row.before[i]);
        storeSurcharge(*s, row.entry, row.k);
        std::array<int, 5> got;
        for (int i = 0; i < 5; ++i)
            got[i] = *cells[i];
        QCOMPARE(got, row.after);
    }
};

ORV_TEST(TestAssessment)
#include "tst_assessment.moc"
