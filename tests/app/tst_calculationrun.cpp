// The three calculation commands as the menu runs them: what they ask, what they refuse,
// what they leave behind.

#include "app/calculationrun.h"
#include "base/numberformat.h"
#include "common/calcfixture.h"
#include "common/fakemainview.h"
#include "common/fakeplatform.h"
#include "common/guards.h"
#include "common/testmain.h"
#include "report/overzicht.h"

#include <cmath>
#include <cstring>
#include <limits>

using namespace orv;
using namespace calctest;

namespace {

// A small site worked out by hand: a truck route and two mobile sources, the cooling unit
// with a surcharge of 5 dB; receiver at 5 m on soft ground (so hard-ground damping), façade 3.
std::unique_ptr<State> smallSite() {
    auto s = freshState();
    setReceiver(*s, 5, "zacht", 3);
    Line route{.lwAMax = 108, .points = 4, .length = 80, .speed = 15, .amount = {40, 10, 0}};
    route.description = QStringLiteral("Vrachtroute");
    route.height = 1;
    route.distanceA = 30;
    route.distanceB = 90;
    route.reflection = 2;
    add(*s, route);
    add(*s, Mobile{.lwA = 98, .lwAMax = 104, .points = 2, .amount = {6, 2, 1}, .distanceA = 40});
    s->sources[1][1].distanceB = 90;
    s->sources[1][1].screening = 5;
    Mobile unit{.lwA = 90, .lwAMax = 0, .amount = {12, 4, 8}, .height = 3, .distanceA = 60};
    unit.description = QStringLiteral("Koelunit");
    unit.distanceB = 60;
    add(*s, unit);
    s->sources[1][2].surchargeKx = 5;
    return s;
}

// The results are unchanged, apart from the two columns the geometry check writes as it goes.
bool sameResultsBesideCheck(State& a, const State& b) {
    for (int i = 1; i <= a.sourceCount[0]; ++i) {
        a.results[0][i].lineLength = b.results[0][i].lineLength;
        a.results[0][i].startCosine = b.results[0][i].startCosine;
    }
    return std::memcmp(&a.results, &b.results, sizeof a.results) == 0;
}

struct Run {
    orvtest::FakePlatform platform;
    orvtest::FakeMainView view;
    QStringList warnings;
    Refusal status = Refusal::None;
    void operator()(State& s, int kind) {
        const Outcome run =
            runCalculationCommand(s, platform, platform, view, static_cast<ReportKind>(kind));
        status = run.refusal;
        warnings = run.warnings;
    }
};

} // namespace

class TestCalculationRun : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { separator_.emplace(QLatin1Char(',')); }
    void cleanupTestCase() { separator_.reset(); }

    void handCheckedSite() {
        auto s = smallSite();
        Run run;
        run(*s, 2);
        QCOMPARE(run.status, Refusal::None);
        // 2·80/30 = 5.33: five points wanted, four given.
        const QString warning =
            QStringLiteral("Bron Vrachtroute dient minimaal uit 5 bronpunten te bestaan!");
        QCOMPARE(run.warnings, QStringList{warning});
        QCOMPARE(run.platform.messages.value(0).text, warning);
        QCOMPARE(run.platform.log,
                 (QStringList{"sections", "busy", "message:Waarschuwing", "idle"}));
        QCOMPARE(run.view.calls, (QStringList{"close:0", "show:1"}));
        QCOMPARE(run.view.panels.value(2), QStringLiteral("Berekening geluidsniveaus"));
        QCOMPARE(s->reportKind, ReportKind::Transmission);
        QVERIFY(s->sectionsConfirmed);
        // The assessment the run formed; the unit runs whole periods, so +5 dB each.
        // The single steps have their own exact checks; here the figures the user reads.
        const QString report = reportText(*s).simplified();
        QVERIFY(report.contains(QStringLiteral("Totaal 56,9 74,1 56,7 74,1 54,0 60,6")));
        QVERIFY(report.contains(
            QStringLiteral("Letmaal = 64,0 dB(A) (Lden = 61,2 dB, Lnight = 54,0 dB)")));
    }

    // A cancelled section dialog and a damaged value calculate nothing; a refusal found
    // mid-run (one-decimal inputs whose triangle passes the check by a rounding hair while the
    // receiving point lies on the route) puts back what was there. None leaves a window change
    // behind.
    void refusalLeavesResults_data() {
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<Refusal>("refusal");
        QTest::addColumn<QString>("message");
        QTest::newRow("dialog cancelled") << true << Refusal::Cancelled << QString();
        QTest::newRow("receiver on the route") << false << Refusal::Geometry
                                               << "Bron Vrachtroute: het immissiepunt ligt op de "
                                                  "lijnbron; berekening niet uitgevoerd.";
        QTest::newRow("damaged value") << false << Refusal::DamagedValue
                                       << "Bron Vrachtroute: ongeldige waarde voor Rijsnelheid; "
                                          "berekening niet uitgevoerd.";
    }
    void refusalLeavesResults() {
        QFETCH(bool, cancel);
        QFETCH(Refusal, refusal);
        QFETCH(QString, message);
        const bool damaged = refusal == Refusal::DamagedValue;
        auto s = smallSite();
        Run first;
        first(*s, 2);
        const auto before = std::make_unique<State>(*s);
        SourceRecord& route = s->sources[0][1];
        route.lwA += 10; // would change every result, were anything calculated
        if (damaged) route.speed = std::numeric_limits<double>::quiet_NaN();
        if (refusal == Refusal::Geometry)
            route.length = 346.4, route.distanceA = 338.7, route.distanceB = 7.7;
        route.movements[2] = 5;
        Run run;
        run.platform.sectionsConfirm = !cancel;
        run(*s, 2);
        QCOMPARE(run.status, refusal);
        QCOMPARE(run.platform.messages.size(), cancel ? 0 : 1);
        QCOMPARE(run.platform.messages.value(0).text, message);
        QVERIFY(run.warnings.isEmpty());
        QVERIFY(sameResultsBesideCheck(*s, *before));
        QCOMPARE(s->totalLaeq[0], before->totalLaeq[0]);
        QCOMPARE(route.operatingHours[2], before->sources[0][1].operatingHours[2]);
        QVERIFY(!run.platform.busy);
        QCOMPARE(run.platform.log.contains(QStringLiteral("busy")), refusal == Refusal::Geometry);
        QVERIFY(run.view.calls.isEmpty());
    }

private:
    std::optional<orvtest::DecimalSeparatorGuard> separator_;
};

ORV_TEST_MAIN(TestCalculationRun)
#include "tst_calculationrun.moc"
