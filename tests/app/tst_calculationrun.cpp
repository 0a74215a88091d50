// The three calculation commands as the menu runs them: what they ask, what they refuse,
// what they leave behind.

#include "app/calculationrun.h"
#include "base/numberformat.h"
#include "calc/calcfixture.h"
#include "common/fakemainview.h"
#include "common/fakeplatform.h"
#include "common/guards.h"
#include "common/testmain.h"
#include "report/overzicht.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <map>

using namespace orv;
using namespace calctest;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

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

struct DamagedCase { // `kind` of the first source whose `field` is damaged
    int command, kind;
    const char* field;
    double value;
    const char* label; // empty: the command runs
};

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
        // Totals formed while the report was built; the unit runs whole periods, so +5 dB each.
        // The single steps have their own exact checks; here the figures the user reads.
        const QString report = reportText(*s).simplified();
        QVERIFY(report.contains(QStringLiteral("Totaal 56,9 74,1 56,7 74,1 54,0 60,6")));
        QVERIFY(report.contains(
            QStringLiteral("Letmaal = 64,0 dB(A) (Lden = 61,2 dB, Lnight = 54,0 dB)")));
    }

    // A cancelled section dialog calculates nothing; a refusal found mid-run (one-decimal
    // inputs whose triangle passes the check by a rounding hair while the receiving point lies
    // on the route) puts back what was there. Neither leaves a window change behind.
    void refusalLeavesResults_data() {
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<Refusal>("refusal");
        QTest::addColumn<QString>("message");
        QTest::newRow("dialog cancelled") << true << Refusal::Cancelled << QString();
        QTest::newRow("receiver on the route") << false << Refusal::Geometry
                                               << "Bron Vrachtroute: het immissiepunt ligt op de "
                                                  "lijnbron; berekening niet uitgevoerd.";
    }
    void refusalLeavesResults() {
        QFETCH(bool, cancel);
        QFETCH(Refusal, refusal);
        QFETCH(QString, message);
        auto s = smallSite();
        Run first;
        first(*s, 2);
        const auto before = std::make_unique<State>(*s);
        SourceRecord& route = s->sources[0][1];
        route.lwA += 10; // would change every result, were anything calculated
        if (!cancel) route.length = 346.4, route.distanceA = 338.7, route.distanceB = 7.7;
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
        QVERIFY(run.view.calls.isEmpty());
    }

    // One row per field label; only what a command reads is checked.
    void damagedValue_data() {
        table<DamagedCase>({
            {"speed 0", {1, 0, "speed", 0, "Rijsnelheid"}},
            {"no sub-sources", {1, 1, "points", 0, "Aantal deelbronnen"}},
            {"negative length", {1, 0, "length", -1, "Lengte lijnbron/rijroute"}},
            {"negative movements", {3, 0, "movements", -1, "Intenstiteit (vtg/periode)"}},
            {"infinite hours", {1, 1, "hours", kInf, "Effectieve bedrijfsduur (u)"}},
            {"sound power NaN", {2, 0, "lwA", kNaN, "Geluidsbron"}},
            {"height 0", {2, 1, "height", 0, "Bronhoogte"}},
            {"start NaN", {2, 0, "distanceA", kNaN, "Afstand begin"}},
            {"farthest infinite", {2, 1, "distanceB", kInf, "Grootste afstand"}},
            {"screening 32767", {2, 1, "screening", 32767, "Afscherming"}},
            // The receiving point is named by its description.
            {"receiver height -3", {2, 0, "receiver", -3, "Hoogte immissiepunt"}},
            {"facade 3000", {2, 0, "facade", 3000, "Gevelreflectie"}},
            {"kind 1 ignores the receiver", {1, 0, "receiver", kNaN, ""}},
        });
    }
    void damagedValue() {
        QFETCH(DamagedCase, row);
        const QString field = QString::fromLatin1(row.field), label = QString::fromUtf8(row.label);
        auto s = smallSite();
        SourceRecord& src = s->sources[row.kind][1];
        const std::map<QString, double*> cells{{"speed", &src.speed},
                                               {"points", &src.pointCount},
                                               {"length", &src.length},
                                               {"movements", &src.movements[1]},
                                               {"hours", &src.operatingHours[2]},
                                               {"lwA", &src.lwA},
                                               {"height", &src.height},
                                               {"distanceA", &src.distanceA},
                                               {"distanceB", &src.distanceB},
                                               {"receiver", &s->project.receiverHeight}};
        if (field == "screening")
            src.screening = static_cast<qint16>(row.value);
        else if (field == "facade")
            s->project.facadeReflection = static_cast<qint16>(row.value);
        else
            *cells.at(field) = row.value;
        const bool receiver = field == "receiver" || field == "facade";
        s->project.receiverDescription = fixedText(u"Woning 12", kReceiverDescriptionWidth);
        const auto before = std::make_unique<State>(*s);
        Run run;
        run(*s, row.command);
        if (label.isEmpty()) {
            QCOMPARE(run.status, Refusal::None);
            return;
        }
        QCOMPARE(run.status, Refusal::DamagedValue);
        QCOMPARE(run.platform.messages.size(), 1);
        QCOMPARE(run.platform.messages[0].text,
                 (receiver ? QStringLiteral("Immissiepunt Woning 12")
                           : QStringLiteral("Bron ") + trimmed(src.description)) +
                     QStringLiteral(": ongeldige waarde voor ") + label +
                     QStringLiteral("; berekening niet uitgevoerd."));
        QVERIFY(!run.platform.log.contains(QStringLiteral("busy")));
        QVERIFY(run.view.calls.isEmpty());
        QVERIFY(sameResultsBesideCheck(*s, *before));
    }

private:
    std::optional<orvtest::DecimalSeparatorGuard> separator_;
};

ORV_TEST_MAIN(TestCalculationRun)
#include "tst_calculationrun.moc"
