// The three calculation commands as the menu runs them: what they ask, what they refuse,
// what they leave behind.

#include "app/numberformat.h"
#include "calc/commands.h"
#include "calcfixture.h"
#include "common/fakemainview.h"
#include "common/fakeplatform.h"
#include "common/testregistry.h"
#include "report/overzicht.h"

#include <cmath>
#include <cstring>
#include <limits>

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
    Line route;
    route.description = QStringLiteral("Vrachtroute");
    route.lwA = 100;
    route.lwAMax = 108;
    route.points = 4;
    route.length = 80;
    route.speed = 15;
    route.movements[0] = 40;
    route.movements[1] = 10;
    route.height = 1;
    route.distanceA = 30;
    route.distanceB = 90;
    route.reflection = 2;
    add(*s, route);
    Mobile truck;
    truck.description = QStringLiteral("Heftruck");
    truck.lwA = 98;
    truck.lwAMax = 104;
    truck.points = 2;
    truck.hours[0] = 6;
    truck.hours[1] = 2;
    truck.hours[2] = 1;
    truck.height = 1.5;
    truck.distanceA = 40;
    truck.distanceB = 90;
    truck.screening = 5;
    add(*s, truck);
    Mobile unit;
    unit.description = QStringLiteral("Koelunit");
    unit.lwA = 90;
    unit.lwAMax = 0;
    unit.hours[0] = 12;
    unit.hours[1] = 4;
    unit.hours[2] = 8;
    unit.height = 3;
    unit.distanceA = 60;
    unit.distanceB = 60;
    add(*s, unit);
    s->sources[1][2].surchargeKx = 5;
    return s;
}

bool sameResults(const State& a, const State& b) {
    return std::memcmp(&a.results, &b.results, sizeof a.results) == 0;
}

// The same, apart from the two columns that the geometry check writes as it goes.
bool sameResultsBesideCheck(State& a, const State& b) {
    for (int i = 1; i <= a.sourceCount[0]; ++i) {
        a.results[0][i].lineLength = b.results[0][i].lineLength;
        a.results[0][i].startCosine = b.results[0][i].startCosine;
    }
    return sameResults(a, b);
}

struct Run {
    orvtest::FakePlatform platform;
    orvtest::FakeMainView view;
    QStringList warnings;
    CommandStatus status = CommandStatus::Done;
    void operator()(State& s, int kind) {
        status = runCalculationCommand(s, platform, view, kind, &warnings);
    }
};

} // namespace

Q_DECLARE_METATYPE(CommandStatus)

class TestCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setDecimalSeparator(QLatin1Char(',')); }

    void handCheckedSite() {
        auto s = smallSite();
        Run run;
        run(*s, 2);
        QCOMPARE(run.status, CommandStatus::Done);
        // 2·80/30 = 5.33: five points wanted, four given.
        const QString warning =
            QStringLiteral("Bron Vrachtroute dient minimaal uit 5 bronpunten te bestaan!");
        QCOMPARE(run.warnings, QStringList{warning});
        QCOMPARE(run.platform.messages.size(), 1);
        QCOMPARE(run.platform.messages[0].text, warning);

        const SourceResult& route = s->results[0][1];
        QVERIFY(qAbs(route.transmission - 42.84707598445719) < 1e-9);
        QVERIFY(qAbs(route.cm - 0.1507747269009272) < 1e-9);
        QVERIFY(qAbs(route.laeq[0] - 44.50092402080788) < 1e-9);
        QVERIFY(qAbs(route.laeq[1] - 43.25153665472488) < 1e-9);
        QCOMPARE(route.laeq[2], 0.0);
        QVERIFY(qAbs(route.lamax[0] - 74.12971780381727) < 1e-9);
        QVERIFY(qAbs(s->results[1][1].laeq[2] - 41.99081214945389) < 1e-9);
        QVERIFY(qAbs(s->results[1][1].lamax[2] - 60.62491197877707) < 1e-9);
        QVERIFY(qAbs(s->results[1][2].laeq[0] - 48.031985556533684) < 1e-9);
        QCOMPARE(s->results[1][2].lamax[0], 0.0);

        // Formed while the report was built; the unit runs whole periods, so +5 dB each.
        const double totals[3] = {56.903701489954, 56.701627176079384, 53.9969787773643};
        const double lamax[3] = {74.12971780381727, 74.12971780381727, 60.62491197877707};
        for (int p = 0; p < 3; ++p) {
            QVERIFY2(qAbs(s->totalLaeq[p] - totals[p]) < 1e-9, qPrintable(QString::number(p)));
            QVERIFY(qAbs(s->totalLamax[p] - lamax[p]) < 1e-9);
        }
        QVERIFY(qAbs(s->letmaal - 63.9969787773643) < 1e-9);
        QVERIFY(qAbs(s->lden - 61.23336016147714) < 1e-9);
        QVERIFY(qAbs(s->lnight - 53.9969787773643) < 1e-9);
        QVERIFY(reportText(*s).contains(QStringLiteral("Letmaal = 64,0 dB(A)")));
    }

    void sequence_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("menu");
        QTest::newRow("1") << 1 << "Berekening bedrijfsduurcorrectie Cb"
                           << "Bedrijfsduurcorrectie";
        QTest::newRow("2") << 2 << "Berekening geluidsniveaus"
                           << "Overdrachtsberekening";
        QTest::newRow("3") << 3 << "Gecumuleerde geluidsemissie (vervangende puntbron)"
                           << "Gecumuleerde geluidsemissie";
    }
    void sequence() {
        QFETCH(int, kind);
        QFETCH(QString, status);
        QFETCH(QString, menu);
        auto s = smallSite();
        s->sources[0][1].pointCount = 10; // enough points: no warning box in the log
        Run run;
        run.platform.sectionFlags = {1, 0, 1, 1};
        run(*s, kind);
        QCOMPARE(run.status, CommandStatus::Done);
        QCOMPARE(s->reportKind, kind);
        QCOMPARE(run.platform.sectionKinds, QList<int>{kind});
        QVERIFY(s->sectionsConfirmed);
        QCOMPARE(s->sectionFlags[1], 0);
        QCOMPARE(s->sectionFlags[3], 1);
        QCOMPARE(run.platform.log, (QStringList{"sections", "busy", "idle"}));
        QCOMPARE(run.view.calls, (QStringList{"close:0", "show:1"}));
        QCOMPARE(run.view.panels.value(2), status);
        QCOMPARE(commandMenuText(kind), menu);
        QVERIFY(!reportText(*s).isEmpty());
    }

    void nothingToDo_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<bool>("sources");
        QTest::addColumn<CommandStatus>("expected");
        QTest::newRow("no sources") << 2 << true << false << CommandStatus::NoSources;
        QTest::newRow("dialog closed, kind 1")
            << 1 << false << true << CommandStatus::DialogCancelled;
        QTest::newRow("dialog closed, kind 2")
            << 2 << false << true << CommandStatus::DialogCancelled;
        QTest::newRow("dialog closed, kind 3")
            << 3 << false << true << CommandStatus::DialogCancelled;
    }
    void nothingToDo() {
        QFETCH(int, kind);
        QFETCH(bool, confirm);
        QFETCH(bool, sources);
        QFETCH(CommandStatus, expected);
        auto s = sources ? smallSite() : freshState();
        Run first;
        if (sources) first(*s, 2);
        const auto before = std::make_unique<State>(*s);
        // Changed inputs would change every result, were anything calculated.
        for (int k = 0; k < 2; ++k) {
            for (int i = 1; i <= s->sourceCount[k]; ++i)
                s->sources[k][i].lwA += 10;
        }
        Run run;
        run.platform.sectionsConfirm = confirm;
        run(*s, kind);
        QCOMPARE(run.status, expected);
        QCOMPARE(s->reportKind, kind);
        QVERIFY(sameResults(*s, *before));
        QCOMPARE(s->totalLaeq[0], before->totalLaeq[0]);
        QCOMPARE(s->cumulativeLw[0], before->cumulativeLw[0]);
        QCOMPARE(s->reportBlocks[2], before->reportBlocks[2]);
        QVERIFY(run.platform.messages.isEmpty());
        QVERIFY(!run.platform.log.contains(QStringLiteral("busy")));
        QVERIFY(run.view.calls.isEmpty());
        QCOMPARE(run.platform.sectionKinds.size(), sources ? 1 : 0);
    }

    void geometryOnlyForTransmission_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("lineSource");
        QTest::addColumn<CommandStatus>("expected");
        QTest::newRow("kind 1 ignores it") << 1 << true << CommandStatus::Done;
        QTest::newRow("kind 3 ignores it") << 3 << true << CommandStatus::Done;
        QTest::newRow("kind 2 refuses a line") << 2 << true << CommandStatus::GeometryRefused;
        // With only mobile sources the check still runs, over them.
        QTest::newRow("kind 2 refuses a mobile") << 2 << false << CommandStatus::GeometryRefused;
    }
    void geometryOnlyForTransmission() {
        QFETCH(int, kind);
        QFETCH(bool, lineSource);
        QFETCH(CommandStatus, expected);
        auto s = freshState();
        if (lineSource) {
            Line l;
            l.distanceA = 50;
            l.distanceB = 30; // with 100 m: no triangle
            add(*s, l);
        } else {
            Mobile m;
            m.distanceA = 80;
            m.distanceB = 60;
            add(*s, m);
        }
        Run run;
        run(*s, kind);
        QCOMPARE(run.status, expected);
        if (expected == CommandStatus::Done) {
            QVERIFY(run.platform.messages.isEmpty());
        } else {
            QCOMPARE(run.platform.messages.size(), 1);
            QVERIFY(run.platform.sectionKinds.isEmpty()); // refused before the dialog
            QVERIFY(run.view.calls.isEmpty());
        }
    }

    void refusedMidRunPutsResultsBack() {
        // One-decimal inputs whose triangle passes the check by a rounding hair while the
        // receiving point lies on the route: no nearest distance, so no spacing rule.
        auto s = smallSite();
        Run first;
        first(*s, 2);
        QCOMPARE(first.status, CommandStatus::Done);
        const auto before = std::make_unique<State>(*s);
        SourceRecord& route = s->sources[0][1];
        route.length = 346.4;
        route.distanceA = 338.7;
        route.distanceB = 7.7;
        route.movements[2] = 5;
        Run run;
        run(*s, 2);
        QCOMPARE(run.status, CommandStatus::GeometryRefused);
        QCOMPARE(run.platform.messages.size(), 1);
        QCOMPARE(run.platform.messages[0].text,
                 QStringLiteral("Bron Vrachtroute: het immissiepunt ligt op de lijnbron; "
                                "berekening niet uitgevoerd."));
        QVERIFY(run.warnings.isEmpty());
        QVERIFY(sameResultsBesideCheck(*s, *before));
        QCOMPARE(route.operatingHours[2], before->sources[0][1].operatingHours[2]);
        QCOMPARE(run.platform.log.last(), QStringLiteral("message:Waarschuwing"));
        QVERIFY(!run.platform.busy);
        QVERIFY(run.view.calls.isEmpty());
    }

    void damagedValue_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("field");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("label"); // empty: the command runs
        QTest::newRow("speed 0") << 1 << 0 << "speed" << 0.0 << "Rijsnelheid";
        QTest::newRow("speed NaN") << 3 << 0 << "speed" << kNaN << "Rijsnelheid";
        QTest::newRow("half a point source") << 1 << 0 << "points" << 0.5 << "Aantal puntbronnen";
        QTest::newRow("no sub-sources") << 1 << 1 << "points" << 0.0 << "Aantal deelbronnen";
        QTest::newRow("a billion points") << 2 << 0 << "points" << 1e9 << "Aantal puntbronnen";
        QTest::newRow("negative length")
            << 1 << 0 << "length" << -1.0 << "Lengte lijnbron/rijroute";
        QTest::newRow("negative movements")
            << 3 << 0 << "movements" << -1.0 << "Intenstiteit (vtg/periode)";
        QTest::newRow("infinite hours")
            << 1 << 1 << "hours" << kInf << "Effectieve bedrijfsduur (u)";
        QTest::newRow("negative hours")
            << 3 << 1 << "hours" << -0.5 << "Effectieve bedrijfsduur (u)";
        QTest::newRow("sound power NaN") << 2 << 0 << "lwA" << kNaN << "Geluidsbron";
        QTest::newRow("maximum NaN") << 2 << 1 << "lwAMax" << kNaN << "Geluidsbron";
        QTest::newRow("imported 1000000 dB") << 3 << 1 << "lwA" << 1e6 << "Geluidsbron";
        QTest::newRow("height 0") << 2 << 1 << "height" << 0.0 << "Bronhoogte";
        QTest::newRow("height 0, kind 3") << 3 << 0 << "height" << 0.0 << "Bronhoogte";
        QTest::newRow("start NaN") << 2 << 0 << "distanceA" << kNaN << "Afstand begin";
        QTest::newRow("end NaN") << 2 << 0 << "distanceB" << kNaN << "Afstand eind";
        QTest::newRow("nearest NaN") << 2 << 1 << "distanceA" << kNaN << "Kleinste afstand";
        QTest::newRow("farthest infinite") << 2 << 1 << "distanceB" << kInf << "Grootste afstand";
        QTest::newRow("screening 32767") << 2 << 1 << "screening" << 32767.0 << "Afscherming";
        // The receiving point is named by its description.
        QTest::newRow("receiver height NaN")
            << 2 << 0 << "receiver" << kNaN << "Hoogte immissiepunt";
        QTest::newRow("receiver height -3")
            << 2 << 0 << "receiver" << -3.0 << "Hoogte immissiepunt";
        QTest::newRow("facade 3000") << 2 << 0 << "facade" << 3000.0 << "Gevelreflectie";
        QTest::newRow("kind 1 ignores the receiver") << 1 << 0 << "receiver" << kNaN << QString();
        // Only what a command reads is checked.
        QTest::newRow("kind 1 ignores heights") << 1 << 1 << "height" << kNaN << QString();
        QTest::newRow("kind 1 ignores sound power") << 1 << 0 << "lwA" << kNaN << QString();
        QTest::newRow("kind 1 ignores line hours") << 1 << 0 << "hours" << kNaN << QString();
    }
    void damagedValue() {
        QFETCH(int, command);
        QFETCH(int, kind);
        QFETCH(QString, field);
        QFETCH(double, value);
        QFETCH(QString, label);
        auto s = smallSite();
        SourceRecord& src = s->sources[kind][1];
        if (field == "speed")
            src.speed = value;
        else if (field == "points")
            src.pointCount = value;
        else if (field == "length")
            src.length = value;
        else if (field == "movements")
            src.movements[1] = value;
        else if (field == "hours")
            src.operatingHours[2] = value;
        else if (field == "lwA")
            src.lwA = value;
        else if (field == "lwAMax")
            src.lwAMax = value;
        else if (field == "height")
            src.height = value;
        else if (field == "distanceA")
            src.distanceA = value;
        else if (field == "distanceB")
            src.distanceB = value;
        else if (field == "screening")
            src.screening = static_cast<qint16>(value);
        else if (field == "receiver")
            s->project.receiverHeight = value;
        else if (field == "facade")
            s->project.facadeReflection = static_cast<qint16>(value);
        const bool receiver = field == "receiver" || field == "facade";
        s->project.receiverDescription = fixedText(u"Woning 12", kReceiverDescriptionWidth);
        const auto before = std::make_unique<State>(*s);
        Run run;
        run(*s, command);
        if (label.isEmpty()) {
            QCOMPARE(run.status, CommandStatus::Done);
            return;
        }
        QCOMPARE(run.status, CommandStatus::DamagedValue);
        QCOMPARE(run.platform.messages.size(), 1);
        QCOMPARE(run.platform.messages[0].text,
                 (receiver ? QStringLiteral("Immissiepunt Woning 12")
                           : QStringLiteral("Bron ") + trimmed(src.description)) +
                     QStringLiteral(": ongeldige waarde voor ") + label +
                     QStringLiteral("; berekening niet uitgevoerd."));
        QCOMPARE(run.platform.messages[0].caption, QStringLiteral("Waarschuwing"));
        QCOMPARE(run.platform.messages[0].icon, MsgIcon::Exclamation);
        QVERIFY(!run.platform.log.contains(QStringLiteral("busy")));
        QVERIFY(run.view.calls.isEmpty());
        QVERIFY(sameResultsBesideCheck(*s, *before));
    }
};

ORV_TEST(TestCommands)
#include "tst_commands.moc"
