// The calculation steps one by one, the geometry checks, the period totals with Letmaal,
// Lden and Lnight, and LAr,LT, against numbers worked out by hand from the formulas; the fast
// transmission, in both builds of its loop, against the formulas written out point by point
// on random projects within the form's limits.

#include "base/numberformat.h"
#include "calc/assessment.h"
#include "calc/damaged.h"
#include "calc/geometry.h"
#include "calc/linesums.h"
#include "calc/procedures.h"
#include "calc/reference.h"
#include "calc/surcharge.h"
#include "common/calcfixture.h"
#include "common/datatable.h"
#include "common/guards.h"
#include "common/testmain.h"

#include <map>
#include <QRandomGenerator>

using namespace orv;
using namespace calctest;
using orvtest::num;

namespace {

constexpr double kTol = 5e-6; // dB or m, for values given to 7 digits or more

// One decimal, as the form stores values.
double pick(QRandomGenerator& rng, double low, double high) {
    return std::round((low + rng.bounded(high - low)) * 10) / 10;
}

std::unique_ptr<State> randomProject(QRandomGenerator& rng, int lines, int mobiles) {
    auto s = freshState();
    setReceiver(*s, pick(rng, 1.5, 99.0), rng.bounded(2) ? "hard" : "zacht");
    if (rng.bounded(3) == 0)
        s->project.receiverHeight = rng.bounded(2) ? 1.5 : 2.5; // both sides of the threshold
    for (int i = 0; i < lines; ++i) {
        // The end distance follows from a random angle at the start point: a triangle.
        Line l{.points = 1.0 + rng.bounded(1000), .length = pick(rng, 1, 1000)};
        l.height = rng.bounded(4) ? pick(rng, 0.1, 99) : s->project.receiverHeight;
        l.distanceA = pick(rng, 1, 500);
        const double cosine = rng.bounded(2.0) - 1.0;
        l.distanceB = std::sqrt(l.distanceA * l.distanceA + l.length * l.length -
                                2 * l.distanceA * l.length * cosine);
        add(*s, l);
    }
    for (int i = 0; i < mobiles; ++i) {
        Mobile m{.height = pick(rng, 0.1, 99), .distanceA = pick(rng, 1, 500)};
        m.distanceB = pick(rng, m.distanceA, 500);
        add(*s, m);
    }
    return s;
}

struct SurchargeCase { // day levels 48.35 and 45 (50 in total), 8 and 4 h of 12
    int onTotal, onSecond;
    double secondHours, total;
};
} // namespace

class TestSteps : public QObject {
    Q_OBJECT
private slots:
    void operatingTimeCorrection_data() { orvtest::dataTable("steps_operating_time.txt"); }
    void operatingTimeCorrection() {
        QFETCH(QStringList, f);
        const int kind = f[0].toInt(), period = f[3].toInt();
        auto s = freshState();
        auto put = [&](auto src) {
            src.points = num(f[1]);
            src.amount[0] = 0;
            src.amount[period] = num(f[2]);
            add(*s, src);
        };
        kind == 0 ? put(Line{}) : put(Mobile{});
        s->sources[0][1].operatingHours[period] = 7; // a stale line value must be replaced
        Cbedrijfsduur(*s);
        const double got = s->results[kind][1].cb[period], cb = num(f[4]);
        if (cb == kSilent)
            QCOMPARE(got, kSilent);
        else
            QVERIFY(near(got, cb));
        // Line sources get their hours per point source; mobile hours are input, never written.
        QVERIFY(near(s->sources[kind][1].operatingHours[period], num(f[5]), 1e-12));
    }

    void transmission_data() { orvtest::dataTable("steps_transmission.txt"); }
    void transmission() {
        QFETCH(QStringList, f);
        const double points = num(f[0]), a = num(f[1]), b = num(f[2]);
        auto s = freshState();
        setReceiver(*s, num(f[3]), qPrintable(f[4]));
        const int kind = points ? 0 : 1;
        if (points)
            add(*s, Line{.points = points, .distanceA = a, .distanceB = b});
        else
            add(*s, Mobile{.height = 1, .distanceA = a, .distanceB = b});
        QVERIFY(CheckIt(*s).done());
        QVERIFY(Overdracht(*s).done());
        const SourceResult& result = s->results[kind][1];
        const double tol = points ? 1e-9 : kTol;
        QVERIFY(near(result.equivalentDistance, num(f[5]), kTol));
        QVERIFY(near(result.cm, num(f[6]), tol));
        QVERIFY(near(result.transmission, num(f[7]), tol));
    }

    void pointOnReceiver_data() { orvtest::dataTable("steps_point_on_receiver.txt"); }
    void pointOnReceiver() {
        QFETCH(QStringList, f);
        const double count = num(f[0]), a = num(f[2]);
        const bool refused = f[4] == u"1";
        auto s = freshState();
        setReceiver(*s, 1.5, "hard");
        add(*s, Line{.points = count,
                     .length = num(f[1]) * count,
                     .height = num(f[3]),
                     .distanceA = a,
                     .distanceB = a});
        s->results[0][1].startCosine = 1; // as only a damaged geometry can give
        const QString refusal =
            refused ? coincidentPointMessage(s->sources[0][1].description) : QString();
        auto direct = std::make_unique<State>(*s);
        QCOMPARE(reference::Overdracht(*direct), refusal);
        const Outcome run = Overdracht(*s);
        QCOMPARE(run.refusal, refused ? Refusal::Geometry : Refusal::None);
        QCOMPARE(run.message, refusal);
        const calc::LineSetup setup = calc::lineSetup(*s, 1);
        const long points = static_cast<long>(count);
        QCOMPARE(calc::lineSumsPlain(setup, points).coincident, refused);
        if (calc::hasWideVectors()) QCOMPARE(calc::lineSumsWide(setup, points).coincident, refused);
    }

    void maximumLevel_data() { orvtest::dataTable("steps_maximum_level.txt"); }
    void maximumLevel() {
        QFETCH(QStringList, f);
        auto s = freshState();
        add(*s, Line{.points = num(f[2]), .distanceA = num(f[0]), .distanceB = num(f[1])});
        QVERIFY(CheckIt(*s).done());
        const Outcome run = OverdrachtMax(*s);
        QVERIFY(run.done());
        const SourceResult& result = s->results[0][1];
        QVERIFY(near(result.perpendicularDistance, num(f[3]), kTol));
        QVERIFY(near(result.cmMax, num(f[4])));
        QVERIFY(near(result.transmissionMax, num(f[5]), kTol));
        QCOMPARE(run.warnings, f[6].isEmpty() ? QStringList() : QStringList{f[6]});
    }

    void immission() {
        // 4 sub-sources 6 h by day and 2 h in the evening (the same share of each period),
        // 100/400 m, hs 1 m, hr 1.5 m on soft ground, screening 5, reflection 2, façade 3.
        auto s = freshState();
        setReceiver(*s, 1.5, "zacht", 3);
        Mobile m{.points = 4, .amount = {6, 2, 0}, .height = 1, .distanceA = 100};
        m.distanceB = 400;
        m.reflection = 2;
        m.screening = 5;
        add(*s, m);
        Cbedrijfsduur(*s);
        QVERIFY(Overdracht(*s).done());
        QVERIFY(OverdrachtMax(*s).done());
        Immissie(*s);
        const SourceResult& result = s->results[1][1];
        for (int p = 0; p < 3; ++p) {
            QVERIFY(near(result.laeq[p], p < 2 ? 34.4940647836542 : 0));
            QVERIFY(near(result.lamax[p], p < 2 ? 50.149863303107765 : 0));
        }
    }

    void emission() {
        // Corrected sound power 90 by day at 2 m and 4 m, the 2 m one also in the evening,
        // neither at night: heights 3, 2 and none, so (3 + 2) / 2 = 2.5 m.
        auto s = freshState();
        // 93 + 10·log10(4) - 6.02 (Cb of 12 h over 4 sub-sources) - 5 + 2 = 90
        Mobile m{.lwA = 93, .points = 4, .amount = {12, 2, 0}, .height = 2};
        m.reflection = 2;
        m.screening = 5;
        add(*s, m);
        // Cb 0 by day: 1 point, 1000 m, 5 km/h, 60 movements.
        add(*s,
            Line{.lwA = 90, .points = 1, .length = 1000, .speed = 5, .amount = {60}, .height = 4});
        s->sections = Sections::initial(ReportKind::Emission);
        Cbedrijfsduur(*s);
        Emissie(*s);
        Bron_Hoogte(*s);
        const double expected[3] = {90 + 10 * std::log10(2.0), 90 + 10 * std::log10(2.0 / 4),
                                    -196.98970004336016}; // the silent one adds 10^-20
        for (int p = 0; p < 3; ++p)
            QVERIFY(near(s->cumulativeLw[p], expected[p]));
        QVERIFY(near(s->replacementHeight, 2.5, 1e-12));
        QCOMPARE(s->correctedLw[0][1][1], kNoCorrectedLw);
    }

    void checkIt_data() { orvtest::dataTable("steps_geometry_check.txt"); }
    void checkIt() {
        QFETCH(QStringList, f);
        auto s = freshState();
        add(*s, Line{.distanceA = num(f[0]), .distanceB = num(f[1])});
        add(*s, Mobile{.distanceA = 80, .distanceB = num(f[2])});
        const Outcome check = CheckIt(*s);
        QCOMPARE(check.message, f[3]);
        QCOMPARE(check.done(), check.message.isEmpty());
    }

    void geometryTest() {
        const orvtest::DecimalSeparatorGuard separator(QLatin1Char(','));
        const GeometryTest t =
            orv::geometryTest(100, 50, 132.288, QStringLiteral(" Oprit  "), QStringLiteral("\r\n"));
        QVERIFY(t.outcome.done());
        QCOMPARE(t.caption, QStringLiteral("Geometrie lijnbron Oprit"));
        QCOMPARE(t.text,
                 QStringLiteral("Lengte rijlijn = 100,0 m¹\r\nLoodrechte afstand tot "
                                "rijlijn = 43,30 m¹\r\nZichthoek vanuit immissiepunt = 40,89°"));
    }

    void totals_data() { orvtest::dataTable("steps_totals.txt"); }
    void totals() {
        QFETCH(QStringList, f);
        const auto level = [&](int column, int p) { return num(f[column].split(u' ')[p]); };
        auto s = freshState();
        for (int column : {0, 1}) {
            const int i = add(*s, Mobile{});
            for (int p = 0; p < 3; ++p)
                s->results[1][i].laeq[p] = level(column, p);
        }
        if (f[6] != u"-1") s->results[1][1].cb[f[6].toInt()] = kSilent;
        const Assessment a = assess(*s, ListedKinds{});
        for (int p = 0; p < 3; ++p) {
            QVERIFY(near(a.totalLaeq[p], level(2, p)));
            QVERIFY(near(a.penalisedLevel[p], level(3, p)));
        }
        QVERIFY(near(a.letmaal, num(f[4])));
        QCOMPARE(a.lnight, a.totalLaeq[2]);
        QVERIFY(near(a.lden, num(f[5])));
    }

    void surchargeStep_data() {
        table<SurchargeCase>({
            {"on the total", {5, 0, 4, 55}},
            {"on a source all day", {0, 5, 12, 55}},
            // A surcharge on a source replaces one on the total level.
            {"on both", {10, 5, 4, 53.377800965674005}},
        });
    }
    void surchargeStep() {
        QFETCH(SurchargeCase, row);
        auto s = freshState();
        s->sources[0][0].surchargeKx = static_cast<qint16>(row.onTotal);
        add(*s, Mobile{.amount = {8, 0, 0}});
        add(*s, Mobile{.amount = {row.secondHours, 0, 0}});
        s->sources[1][2].surchargeKx = static_cast<qint16>(row.onSecond);
        s->results[1][1].laeq[0] = 10 * std::log10(1e5 - std::pow(10, 4.5));
        s->results[1][2].laeq[0] = 45;
        const Assessment a = assess(*s, ListedKinds{});
        QVERIFY(near(a.totalLaeq[0], row.total));
        QCOMPARE(a.totalLaeq[1], 0.0); // a period without level gets no surcharge
        QVERIFY(near(a.penalisedLevel[0], row.total));
    }

    void damagedValue_data() { orvtest::dataTable("steps_damaged_values.txt"); }
    void damagedValue() {
        QFETCH(QStringList, f);
        const QString &field = f[2], &label = f[4];
        const double value = num(f[3]);
        const auto command = static_cast<ReportKind>(f[0].toInt());
        auto s = freshState();
        setReceiver(*s, 5, "zacht", 3);
        add(*s, Line{});
        add(*s, Mobile{});
        s->sections = Sections::initial(command);
        SourceRecord& src = s->sources[f[1].toInt()][1];
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
            src.screening = static_cast<qint16>(value);
        else if (field == "facade")
            s->project.facadeReflection = static_cast<qint16>(value);
        else
            *cells.at(field) = value;
        const bool receiver = field == "receiver" || field == "facade";
        s->project.receiverDescription = fixedText(u"Woning 12", kReceiverDescriptionWidth);
        const Outcome check = findDamagedValue(*s, command);
        QCOMPARE(check.refusal, label.isEmpty() ? Refusal::None : Refusal::DamagedValue);
        if (label.isEmpty()) return;
        QCOMPARE(check.message, (receiver ? QStringLiteral("Immissiepunt Woning 12")
                                          : QStringLiteral("Bron ") + trimmed(src.description)) +
                                    QStringLiteral(": ongeldige waarde voor ") + label +
                                    QStringLiteral("; berekening niet uitgevoerd."));
    }

    void rated_data() { orvtest::dataTable("steps_rated_level.txt"); }
    void rated() {
        QFETCH(QStringList, f);
        const std::map<QString, Refusal> refusals{{"None", Refusal::None},
                                                  {"TotalMissing", Refusal::TotalMissing},
                                                  {"SourceAboveTotal", Refusal::SourceAboveTotal}};
        const RatedLevel r = ratedLevel(num(f[0]), num(f[1]), num(f[2]), 12, 5);
        QCOMPARE(r.outcome.refusal, refusals.at(f[3]));
        QCOMPARE(r.outcome.message, f[5]);
        if (r.outcome.done()) QVERIFY(near(r.value, num(f[4])));
    }

    void matchesFormulas_data() {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 77u})
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }
    // Overdracht runs whichever build this processor takes; both builds of the loop are
    // checked against the formulas (the wide one rounds differently: fused multiply-add).
    void matchesFormulas() {
        QFETCH(quint32, seed);
        QRandomGenerator rng(seed);
        auto fast = randomProject(rng, 120, 40);
        QVERIFY(CheckIt(*fast).done());
        auto direct = std::make_unique<State>(*fast);
        QVERIFY(reference::Overdracht(*direct).isEmpty());
        const int builds = calc::hasWideVectors() ? 2 : 1;
        for (int i = 1; i <= fast->sourceCount[0]; ++i) {
            const calc::LineSetup setup = calc::lineSetup(*fast, i);
            const long points = static_cast<long>(fast->sources[0][i].pointCount);
            for (int b = 0; b < builds; ++b) {
                const calc::LineSums sums =
                    b ? calc::lineSumsWide(setup, points) : calc::lineSumsPlain(setup, points);
                const double loss = -10 * std::log10(sums.s1 / setup.pointCount);
                QVERIFY(near(loss, direct->results[0][i].transmission));
                QVERIFY(near(10 * std::log10(sums.s2 / setup.pointCount) + loss,
                             direct->results[0][i].cm));
            }
        }
        QVERIFY(Overdracht(*fast).done());
        for (int k = 0; k < 2; ++k) {
            for (int i = 1; i <= fast->sourceCount[k]; ++i) {
                const SourceResult& f = fast->results[k][i];
                const SourceResult& d = direct->results[k][i];
                QVERIFY(near(f.transmission, d.transmission));
                QVERIFY(near(f.cm, d.cm));
                QCOMPARE(f.equivalentDistance, d.equivalentDistance);
            }
        }
    }
};

ORV_TEST_MAIN(TestSteps)
#include "tst_steps.moc"
