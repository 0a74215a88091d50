// The calculation sheet: shares of the period energy, what one source alone must give up to
// meet a limit (checked by applying the rounded value in a new run), and the export texts.

#include "app/calculationrun.h"
#include "base/numberformat.h"
#include "common/calcfixture.h"
#include "common/fakemainview.h"
#include "common/fakeplatform.h"
#include "common/guards.h"
#include "common/testmain.h"
#include "report/sheet.h"
#include "report/sheetcolumns.h"
#include "report/sheetexport.h"

#include <cmath>
#include <functional>

using namespace orv;
using namespace calctest;
using Status = SheetReduction::Status;

namespace {

bool runTransmission(State& s) {
    orvtest::FakePlatform platform;
    orvtest::FakeMainView view;
    return runCalculationCommand(s, platform, platform, view, ReportKind::Transmission).done();
}

// Three mobile sources alike but for their day hours 6, 3.6 and 2.4: 50, 30 and 20 % of the
// day's energy.
void fiftyThirtyTwenty(State& s) {
    for (double hours : {6.0, 3.6, 2.4})
        add(s, Mobile{.amount = {hours, 0, 0}});
}

// The project built and calculated; null when the run was refused.
std::unique_ptr<State> ran(const std::function<void(State&)>& build) {
    auto s = freshState();
    build(*s);
    return runTransmission(*s) ? std::move(s) : nullptr;
}

const SheetRow& rowOf(const Sheet& sheet, int kind, int number, int period) {
    for (const SheetRow& row : sheet.rows) {
        if (row.kind == kind && row.number == number && row.period == period) return row;
    }
    static const SheetRow none;
    return none;
}

SheetLimits dayLimit(double limit) {
    SheetLimits limits;
    limits.rated[0] = limit;
    return limits;
}

struct Case {
    std::function<void(State&)> build;
    double below;                // limit = the day's rated level minus this
    QList<Status> power, amount; // per source, line sources first; empty: not asserted
    double firstExactDb = NAN;   // exact reduction of the first source
};

} // namespace
Q_DECLARE_METATYPE(Case)

class TestSheet : public QObject {
    Q_OBJECT
    orvtest::DecimalSeparatorGuard decimal_{QLatin1Char(',')};

private slots:

    void shares() {
        const auto s = ran(fiftyThirtyTwenty);
        QVERIFY(s);
        const Sheet sheet = buildSheet(*s, {});
        const double want[] = {50, 30, 20};
        for (int i = 1; i <= 3; ++i) {
            const SheetRow& row = rowOf(sheet, MobileSource, i, 0);
            QVERIFY(near(row.sharePercent, want[i - 1], 1e-9));
            QVERIFY(near(row.shareDb, -10 * std::log10(want[i - 1] / 100), 1e-9));
        }
        QCOMPARE(sheet.rows.front().number, 1); // the largest share leads
    }

    void reductions_data() {
        const QList<Status> met{Status::Met, Status::Met, Status::Met};
        const QList<Status> onlyFirst{Status::Needed, Status::NotFeasible, Status::NotFeasible};
        const QList<Status> none{Status::NotFeasible, Status::NotFeasible, Status::NotFeasible};
        auto surcharged = [](State& s) {
            fiftyThirtyTwenty(s);
            s.sources[1][1].surchargeKx = 5;
        };
        auto onTotal = [](State& s) {
            fiftyThirtyTwenty(s);
            s.sources[0][0].surchargeKx = 5;
        };
        auto routeAndMobile = [](State& s) {
            add(s, Line{.distanceA = 60, .distanceB = 60});
            add(s, Mobile{.lwA = 90, .amount = {1, 0, 0}});
        };
        // A route surcharged 10 dB whose vehicles fill the whole day (12 vehicle-hours).
        auto fullRoute = [](State& s) {
            add(s, Line{.amount = {2400, 0, 0}, .distanceA = 60, .distanceB = 60});
            s.sources[0][1].surchargeKx = 10;
            add(s, Mobile{.lwA = 95, .amount = {5, 0, 0}});
        };
        // 36.9 % of the energy must go: only the 50 % source can give it, 5.82 dB.
        const double exact = -10 * std::log10((0.5 - (1 - std::pow(10, -0.2))) / 0.5);
        table<Case>({
            {"50/30/20, limit 2 dB below", {fiftyThirtyTwenty, 2, onlyFirst, onlyFirst, exact}},
            {"within the limit", {fiftyThirtyTwenty, -1, met, met}},
            {"surcharge on the total", {onTotal, 2, onlyFirst, onlyFirst, exact}},
            // Quietening the surcharged source keeps K on the rest while it runs; only
            // fewer hours take it off.
            {"surcharged source, 5 dB below",
             {surcharged, 5, none, {Status::Needed, Status::NotFeasible, Status::NotFeasible}}},
            {"route and small mobile, 3 dB below",
             {routeAndMobile,
              3,
              {Status::Needed, Status::NotFeasible},
              {Status::Needed, Status::NotFeasible}}},
            {"surcharged full-day route", {fullRoute, 1.5, {}, {}}},
        });
    }

    void reductions() {
        QFETCH(Case, row);
        const auto s = ran(row.build);
        QVERIFY(s);
        const double limit = s->totalLaeq[0] - row.below;
        const Sheet sheet = buildSheet(*s, dayLimit(limit));
        QVERIFY(near(*sheet.periods[0].margin, -row.below, 1e-12));

        int index = 0;
        for (const SourceKind kind : kSourceKinds) {
            for (int i = 1; i <= s->sourceCount[kind]; ++i, ++index) {
                const SheetRow& r = rowOf(sheet, kind, i, 0);
                if (!row.power.isEmpty()) QCOMPARE(r.rated.status, row.power[index]);
                if (!row.amount.isEmpty()) QCOMPARE(r.amount.status, row.amount[index]);
                if (index == 0 && !std::isnan(row.firstExactDb))
                    QVERIFY(near(r.rated.exactDb, row.firstExactDb, 1e-9));
                checkApplied(*s, r, limit);
            }
        }
        // The sheet's own rated level agrees with the run's at the margin's edge.
        for (double edge : {-1e-6, 1e-6}) {
            const Sheet e = buildSheet(*s, dayLimit(s->totalLaeq[0] + edge));
            for (const SheetRow& r : e.rows) {
                if (r.period == 0 && r.contributes)
                    QCOMPARE(r.rated.status == Status::Met, edge > 0);
            }
        }
    }

    void lamaxReduction() {
        const auto s = ran(fiftyThirtyTwenty);
        QVERIFY(s);
        const double lamax = s->results[1][1].lamax[0];
        SheetLimits limits;
        limits.lamax[0] = lamax - 2.04;
        const Sheet sheet = buildSheet(*s, limits);
        const SheetRow& r = rowOf(sheet, MobileSource, 1, 0);
        QCOMPARE(r.lamaxCut.status, Status::Needed);
        QVERIFY(near(r.lamaxCut.exactDb, 2.04, 1e-9));
        QVERIFY(near(r.lamaxCut.allowedLw, 102.9, 1e-12)); // 105 - 2.04 rounded down
    }

    void defaultOrderFollowsDecisivePeriod() {
        const auto s = ran([](State& x) {
            add(x, Mobile{.amount = {12, 0, 0}});
            add(x, Mobile{.lwA = 95, .amount = {0, 0, 8}}); // night: 5 dB less, +10 penalty
        });
        QVERIFY(s);
        const Sheet sheet = buildSheet(*s, {});
        QCOMPARE(sheet.decisivePeriod, 2);
        QCOMPARE(sheet.rows.front().number, 2);
        QCOMPARE(sheet.rows.size(), std::size_t(6));
    }

    void sortKeepsEmptyLast() {
        const auto s = ran(fiftyThirtyTwenty);
        QVERIFY(s);
        Sheet sheet = buildSheet(*s, dayLimit(s->totalLaeq[0] - 2));
        for (bool ascending : {true, false}) {
            sortSheetRows(sheet.rows, SheetColumn::Reduction, ascending);
            QCOMPARE(sheet.rows[0].rated.status, ascending ? Status::Needed : Status::NotFeasible);
            QCOMPARE(sheet.rows.back().rated.status, Status::NoLimit); // evening, night
        }
    }

    void exportTexts_data() {
        QTest::addColumn<QChar>("decimal");
        QTest::addColumn<QByteArray>("csv");
        const char* bom = "\xEF\xBB\xBF";
        QTest::newRow(",") << QChar(',')
                           << bom + QByteArray("x;\"a;b\";1,5;\"zeg \"\"hoi\"\"\";ë\r\n");
        QTest::newRow(".") << QChar('.') << bom + QByteArray("x,a;b,1.5,\"zeg \"\"hoi\"\"\",ë\r\n");
    }
    void exportTexts() {
        QFETCH(QChar, decimal);
        QFETCH(QByteArray, csv);
        const QString half = QString("1") + decimal + QString("5");
        const QList<QStringList> t{{"x", "a;b", half, "zeg \"hoi\"", "ë"}};
        QCOMPARE(sheetCsv(t, csvSeparator(decimal)), csv);
        QCOMPARE(sheetTsv({{"a\tb", "c"}}), QString("a b\tc\n"));
    }

    // A text that a spreadsheet would run as a formula reaches it as text, in both exports;
    // a signed number stays a number.
    void formulaCells_data() {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("start");
        for (const char* f :
             {"=HYPERLINK(\"http://x\")", "+SUM(1;2)", "-2+3", "@SUM(A1)", "\tx", "\rx"})
            QTest::newRow(f) << QString(f) << "'" + QString(f).left(1);
        for (const char* n : {"-2,5", "+3", "-40.0", "---", "a=b"})
            QTest::newRow(n) << QString(n) << QString(n).left(2);
    }
    void formulaCells() {
        QFETCH(QString, cell);
        QFETCH(QString, start);
        const QString csv = QString::fromUtf8(sheetCsv({{cell}}, ';')).remove('"');
        QVERIFY2(csv.startsWith(start), qPrintable(csv));
        QVERIFY(sheetTsv({{cell}}).startsWith(start.replace('\t', ' ').replace('\r', ' ')));
    }

private:
    // Applying the rounded value in a new run meets the limit; one step more does not.
    static void checkApplied(const State& s, const SheetRow& r, double limit) {
        auto levelWith = [&](const std::function<void(SourceRecord&)>& change) {
            auto t = std::make_unique<State>(s);
            change(t->sources[r.kind][r.number]);
            return runTransmission(*t) ? t->totalLaeq[r.period] : 1e9;
        };
        if (r.rated.status == Status::Needed) {
            QVERIFY(levelWith([&](SourceRecord& x) { x.lwA = r.rated.allowedLw; }) <= limit + 1e-9);
            QVERIFY(levelWith([&](SourceRecord& x) { x.lwA = r.rated.allowedLw + 0.1; }) > limit);
        }
        if (r.amount.status != Status::Needed) return;
        const double step = r.kind == LineSource ? 0.1 : 0.0001;
        auto amount = [&](SourceRecord& x) -> double& {
            return r.kind == LineSource ? x.movements[r.period] : x.operatingHours[r.period];
        };
        QVERIFY(levelWith([&](SourceRecord& x) { amount(x) = r.amount.allowed; }) <= limit + 1e-9);
        QVERIFY(levelWith([&](SourceRecord& x) { amount(x) = r.amount.allowed + step; }) > limit);
    }
};

ORV_TEST_MAIN(TestSheet)
#include "tst_sheet.moc"
