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
#include "common/guards.h"
#include "common/testmain.h"

#include <array>
#include <limits>
#include <map>
#include <QRandomGenerator>

using namespace orv;
using namespace calctest;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kTol = 5e-6; // dB or m, for values given to 7 digits or more

// `amount`: movements (line) or hours (mobile); `hours`: what a line's point source gets.
struct CbCase {
    int kind;
    double points, amount;
    int period;
    double cb, hours;
};
struct TransmissionCase { // points 0: a mobile source at 1 m
    int points;
    double a, b, hr;
    const char* ground;
    double distance, cm, loss;
};
struct OnReceiverCase { // a line whose start cosine is exactly 1
    double points, spacing, a, height;
    bool refused;
};
struct MaxCase {
    double a, b, points, perpendicular, cmMax, lossMax;
    const char* warning;
};
struct CheckCase { // a line of 100 m and a mobile source with nearest distance 80 m
    double start, end, farthest;
    const char* message;
};

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

using Levels = std::array<double, 3>;
struct TotalsCase { // LAeq of two mobile sources per period, 0: no level
    Levels first, second, total, penalised;
    double letmaal, lden;
    int silent = -1; // a period in which the first source does not operate
};
struct SurchargeCase { // day levels 48.35 and 45 (50 in total), 8 and 4 h of 12
    int onTotal, onSecond;
    double secondHours, total;
};
struct DamagedCase { // `kind` of the first source whose `field` is damaged
    int command, kind;
    const char* field;
    double value;
    const char* label; // empty: the command runs
};
struct RatedCase {
    double total, source, hours;
    Refusal refusal;
    double value;
    const char* message;
};

} // namespace

class TestSteps : public QObject {
    Q_OBJECT
private slots:
    void operatingTimeCorrection_data() {
        table<CbCase>({// A line of 100 m at 20 km/h.
                       {"line, 10 points, 100 by day", {0, 10, 100, 0, -23.80211241711606, 0.05}},
                       {"line without evening traffic", {0, 10, 0, 1, kSilent, 0}},
                       {"mobile, 4 sub-sources 6 h by day", {1, 4, 6, 0, -9.030899869919434, 6}},
                       {"mobile whole evening", {1, 1, 4, 1, 0, 4}}});
    }
    void operatingTimeCorrection() {
        QFETCH(CbCase, row);
        auto s = freshState();
        auto put = [&](auto src) {
            src.points = row.points;
            src.amount[0] = 0;
            src.amount[row.period] = row.amount;
            add(*s, src);
        };
        row.kind == 0 ? put(Line{}) : put(Mobile{});
        s->sources[0][1].operatingHours[row.period] = 7; // a stale line value must be replaced
        Cbedrijfsduur(*s);
        const double got = s->results[row.kind][1].cb[row.period];
        if (row.cb == kSilent)
            QCOMPARE(got, kSilent);
        else
            QVERIFY(near(got, row.cb));
        // Line sources get their hours per point source; mobile hours are input, never written.
        QVERIFY(near(s->sources[row.kind][1].operatingHours[row.period], row.hours, 1e-12));
    }

    void transmission_data() {
        const double b = std::sqrt(50.0 * 50 + 100 * 100);
        table<TransmissionCase>({
            // 10·(1 + 5) = 60 m is not below 40.2 m: no Cm.
            {"mobile 20/80 m, hard",
             {0, 20, 80, 5, "hard", 40.19950248448353, 0, 41.38541107680808}},
            // Below 2.5 m soft ground damps 2 dB more than hard ground.
            {"mobile 100/400 m, soft, low receiver",
             {0, 100, 400, 1.5, "zacht", 200.00062499902347, 4.375001953115845,
              58.120633306590136}},
            // From 2.5 m up soft ground damps as hard ground does.
            {"soft ground, receiver at 2.5 m",
             {0, 100, 400, 2.5, "zacht", 200.00562492090066, 4.12502460833684, 56.120872321659775}},
            // Points at 25 and 75 m along a line square to the receiving point at its start.
            {"line, two points", {2, 50, b, 1.5, "hard", 0, 2.6162286968381423, 45.97189577355106}},
        });
    }
    void transmission() {
        QFETCH(TransmissionCase, row);
        auto s = freshState();
        setReceiver(*s, row.hr, row.ground);
        const int kind = row.points ? 0 : 1;
        if (row.points)
            add(*s, Line{.points = double(row.points), .distanceA = row.a, .distanceB = row.b});
        else
            add(*s, Mobile{.height = 1, .distanceA = row.a, .distanceB = row.b});
        QVERIFY(CheckIt(*s).done());
        QVERIFY(Overdracht(*s).done());
        const SourceResult& result = s->results[kind][1];
        const double tol = row.points ? 1e-9 : kTol;
        QVERIFY(near(result.equivalentDistance, row.distance, kTol));
        QVERIFY(near(result.cm, row.cm, tol));
        QVERIFY(near(result.transmission, row.loss, tol));
    }

    // The receiving point lies on the line itself at distance a: a point source at exactly
    // a has d = 0. The loop takes four points at a time and fills the last group up with
    // points that do not exist; on a finely divided line it steps from point to point.
    void pointOnReceiver_data() {
        table<OnReceiverCase>({
            {"first point", {5, 16, 8, 1.5, true}},
            {"last point, in the last group", {7, 16, 104, 1.5, true}},
            {"only past the last point", {7, 16, 120, 1.5, false}},
            {"source above the receiving point", {5, 16, 8, 2.5, false}},
            {"600th of 1000 points, 2 m apart", {1000, 2, 1199, 1.5, true}},
        });
    }
    void pointOnReceiver() {
        QFETCH(OnReceiverCase, row);
        auto s = freshState();
        setReceiver(*s, 1.5, "hard");
        add(*s, Line{.points = row.points,
                     .length = row.spacing * row.points,
                     .height = row.height,
                     .distanceA = row.a,
                     .distanceB = row.a});
        s->results[0][1].startCosine = 1; // as only a damaged geometry can give
        const QString refusal =
            row.refused ? coincidentPointMessage(s->sources[0][1].description) : QString();
        auto direct = std::make_unique<State>(*s);
        QCOMPARE(reference::Overdracht(*direct), refusal);
        const Outcome run = Overdracht(*s);
        QCOMPARE(run.refusal, row.refused ? Refusal::Geometry : Refusal::None);
        QCOMPARE(run.message, refusal);
        const calc::LineSetup setup = calc::lineSetup(*s, 1);
        const long points = static_cast<long>(row.points);
        QCOMPARE(calc::lineSumsPlain(setup, points).coincident, row.refused);
        if (calc::hasWideVectors())
            QCOMPARE(calc::lineSumsWide(setup, points).coincident, row.refused);
    }

    void maximumLevel_data() {
        table<MaxCase>({
            // Angle of 120° at the start: the start point is nearest, 50 m.
            {"obtuse start, too few points",
             {50, 132.288, 2, 43.30093836938983, 2.0, 43.32940008672037,
              "Bron Route dient minimaal uit 4 bronpunten te bestaan!"}},
            // Square to the middle at 30 m: 6.67 points needed, rounded to 7. At 58.310 m the
            // slant distance is 30.0009 m, just beyond 10·(1.5 + 1.5): Cm is small, not 0.
            {"middle, enough points",
             {58.310, 58.310, 7, 30.00093498543004, 0.0001558260485037266, 38.79270047111066, ""}},
        });
    }
    void maximumLevel() {
        QFETCH(MaxCase, row);
        auto s = freshState();
        add(*s, Line{.points = row.points, .distanceA = row.a, .distanceB = row.b});
        QVERIFY(CheckIt(*s).done());
        const Outcome run = OverdrachtMax(*s);
        QVERIFY(run.done());
        const SourceResult& result = s->results[0][1];
        QVERIFY(near(result.perpendicularDistance, row.perpendicular, kTol));
        QVERIFY(near(result.cmMax, row.cmMax));
        QVERIFY(near(result.transmissionMax, row.lossMax, kTol));
        const QString warning = QString::fromUtf8(row.warning);
        QCOMPARE(run.warnings, warning.isEmpty() ? QStringList() : QStringList{warning});
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

    void checkIt_data() {
        const char* noTriangle = "De ingevoerde lengte van lijnbron Route komt niet overeen "
                                 "met de opgegeven afstanden tot de rijlijn!";
        table<CheckCase>({
            // (10000 + 2500 - 900) / (2·100·50) = 1.16: no triangle.
            {"cosine 1.16", {50, 30, 80, noTriangle}},
            // The receiving point on the line beyond the end: a distance of 0 along the line.
            {"cosine exactly 1", {150, 50, 80, "Kan geen afstand tot lijnbron Route bepalen"}},
            // On the extension behind the start point: a flat but valid triangle.
            {"cosine exactly -1", {50, 150, 80, ""}},
            {"mobile 80/60 m",
             {50, 60, 60,
              "Grootste afstand tot mobiele (deel)bron Heftruck is kleiner dan kleinste "
              "afstand!"}},
        });
    }
    void checkIt() {
        QFETCH(CheckCase, row);
        auto s = freshState();
        add(*s, Line{.distanceA = row.start, .distanceB = row.end});
        add(*s, Mobile{.distanceA = 80, .distanceB = row.farthest});
        const Outcome check = CheckIt(*s);
        QCOMPARE(check.message, QString::fromUtf8(row.message));
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

    void totals_data() {
        const double lDay = 51.76434862436484, below = -3.0102999566398116;
        table<TotalsCase>({
            // Day levels 50 and 47, an evening level of 45, no night.
            {"two sources",
             {{50, 45, 0}, {47, 0, 0}, {lDay, 45, 0}, {lDay, 50, 0}, lDay, 49.624941675941095}},
            // The penalty follows the energy sum: totals below 0 dB are still penalised.
            {"totals below 0 dB",
             {{below, 0, below},
              {0, 0, 0},
              {below, 0, below},
              {below, 0, 6.989700043360188},
              6.989700043360188,
              3.1875876262441287}},
            {"no levels", {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, 0, 0}},
            // A level left in a silent period (only a damaged row holds one) adds nothing.
            {"silent night with a level",
             {{50, 0, 55}, {0, 0, 0}, {50, 0, 0}, {50, 0, 0}, 50, 46.989743472591236, 2}},
        });
    }
    void totals() {
        QFETCH(TotalsCase, row);
        auto s = freshState();
        for (const Levels& levels : {row.first, row.second}) {
            const int i = add(*s, Mobile{});
            for (int p = 0; p < 3; ++p)
                s->results[1][i].laeq[p] = levels[p];
        }
        if (row.silent >= 0) s->results[1][1].cb[row.silent] = kSilent;
        const Assessment a = assess(*s, ListedKinds{});
        for (int p = 0; p < 3; ++p) {
            QVERIFY(near(a.totalLaeq[p], row.total[p]));
            QVERIFY(near(a.penalisedLevel[p], row.penalised[p]));
        }
        QVERIFY(near(a.letmaal, row.letmaal));
        QCOMPARE(a.lnight, a.totalLaeq[2]);
        QVERIFY(near(a.lden, row.lden));
    }

    void surchargeStep_data() {
        table<SurchargeCase>({
            {"on the total", {5, 0, 4, 55}},
            {"on a source 4 of 12 h", {0, 5, 4, 53.377800965674005}},
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
        auto s = freshState();
        setReceiver(*s, 5, "zacht", 3);
        add(*s, Line{});
        add(*s, Mobile{});
        s->sections = Sections::initial(static_cast<ReportKind>(row.command));
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
        const Outcome check = findDamagedValue(*s, static_cast<ReportKind>(row.command));
        QCOMPARE(check.refusal, label.isEmpty() ? Refusal::None : Refusal::DamagedValue);
        if (label.isEmpty()) return;
        QCOMPARE(check.message, (receiver ? QStringLiteral("Immissiepunt Woning 12")
                                          : QStringLiteral("Bron ") + trimmed(src.description)) +
                                    QStringLiteral(": ongeldige waarde voor ") + label +
                                    QStringLiteral("; berekening niet uitgevoerd."));
    }

    void rated_data() {
        using S = Refusal;
        table<RatedCase>({
            {"4 of 12 h", {50, 45, 4, S::None, 53.377800965674005, ""}},
            {"beyond the period", {50, 45, 12.5, S::None, 55, ""}},
            {"source is the total", {50, 50, 4, S::None, 55, ""}},
            {"no total", {0, 45, 4, S::TotalMissing, 0, "LAeq(totaal) niet ingevuld!"}},
            {"source above total",
             {44.9, 45, 4, S::SourceAboveTotal, 0, "LAeq(deelbron) is groter dan LAeq(totaal)!"}},
        });
    }
    void rated() {
        QFETCH(RatedCase, row);
        const RatedLevel r = ratedLevel(row.total, row.source, row.hours, 12, 5);
        QCOMPARE(r.outcome.refusal, row.refusal);
        QCOMPARE(r.outcome.message, QString::fromUtf8(row.message));
        if (r.outcome.done()) QVERIFY(near(r.value, row.value));
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
