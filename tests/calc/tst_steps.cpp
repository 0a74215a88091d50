// The calculation steps one by one and the geometry checks, against numbers worked out by
// hand from the formulas.

#include "app/numberformat.h"
#include "calc/geometry.h"
#include "calc/procedures.h"
#include "calcfixture.h"
#include "common/fakeplatform.h"
#include "common/testregistry.h"

using namespace orv;
using namespace calctest;

namespace {

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
struct MaxCase {
    double a, b, points, perpendicular, cmMax, lossMax;
    const char* warning;
};
struct CheckCase { // a line of 100 m and a mobile source with nearest distance 80 m
    double start, end, farthest;
    const char* message;
};
struct GeometryCase {
    double end;
    int outcome;
    double perpendicular, angle;
    const char* text;
};

void expectOneWarning(const orvtest::FakePlatform& platform, const QString& text) {
    QCOMPARE(platform.messages.size(), text.isEmpty() ? 0 : 1);
    if (text.isEmpty()) return;
    QCOMPARE(platform.messages[0].text, text);
    QCOMPARE(platform.messages[0].caption, QStringLiteral("Waarschuwing"));
    QCOMPARE(platform.messages[0].icon, MsgIcon::Exclamation);
}

} // namespace

Q_DECLARE_METATYPE(CbCase)
Q_DECLARE_METATYPE(TransmissionCase)
Q_DECLARE_METATYPE(MaxCase)
Q_DECLARE_METATYPE(CheckCase)
Q_DECLARE_METATYPE(GeometryCase)

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
        if (row.kind == 0) {
            Line l{.points = row.points, .amount = {0, 0, 0}};
            l.amount[row.period] = row.amount;
            add(*s, l);
            s->sources[0][1].operatingHours[row.period] = 7; // a stale value must be replaced
        } else {
            Mobile m{.points = row.points, .amount = {0, 0, 0}};
            m.amount[row.period] = row.amount;
            add(*s, m);
        }
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
            {"mobile 100/400 m, soft, low receiver",
             {0, 100, 400, 1.5, "zacht", 200.00062499902347, 4.375001953115845,
              58.120633306590136}},
            {"mobile 100/400 m, hard",
             {0, 100, 400, 1.5, "hard", 200.00062499902347, 4.375001953115845, 56.120630181595025}},
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
        orvtest::FakePlatform platform;
        QVERIFY(CheckIt(*s, platform));
        QVERIFY(Overdracht(*s).isEmpty());
        const SourceResult& result = s->results[kind][1];
        const double tol = row.points ? 1e-9 : kTol;
        QVERIFY(near(result.equivalentDistance, row.distance, kTol));
        QVERIFY(near(result.cm, row.cm, tol));
        QVERIFY(near(result.transmission, row.loss, tol));
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
        orvtest::FakePlatform platform;
        QVERIFY(CheckIt(*s, platform));
        const MaxLevelRun run = OverdrachtMax(*s, platform);
        QVERIFY(run.refusal.isEmpty());
        const SourceResult& result = s->results[0][1];
        QVERIFY(near(result.perpendicularDistance, row.perpendicular, kTol));
        QVERIFY(near(result.cmMax, row.cmMax));
        QVERIFY(near(result.transmissionMax, row.lossMax, kTol));
        const QString warning = QString::fromUtf8(row.warning);
        QCOMPARE(run.warnings, warning.isEmpty() ? QStringList() : QStringList{warning});
        expectOneWarning(platform, warning);
    }

    void immission() {
        // 4 sub-sources 6 h by day and 2 h in the evening (the same share of each period),
        // 100/400 m, hs 1 m, hr 1.5 m on soft ground, screening 5, reflection 2, façade 3.
        auto s = freshState();
        setReceiver(*s, 1.5, "zacht", 3);
        add(*s, Mobile{.points = 4,
                       .amount = {6, 2, 0},
                       .height = 1,
                       .distanceA = 100,
                       .distanceB = 400,
                       .reflection = 2,
                       .screening = 5});
        orvtest::FakePlatform platform;
        Cbedrijfsduur(*s);
        QVERIFY(Overdracht(*s).isEmpty());
        OverdrachtMax(*s, platform);
        Immissie(*s);
        const SourceResult& result = s->results[1][1];
        for (int p = 0; p < 2; ++p) {
            QVERIFY(near(result.laeq[p], 34.4940647836542));
            QVERIFY(near(result.lamax[p], 50.149863303107765));
        }
        QCOMPARE(result.laeq[2], 0.0);
        QCOMPARE(result.lamax[2], 0.0);
    }

    void emission() {
        // Corrected sound power 90 by day at 2 m and 4 m, the 2 m one also in the evening,
        // neither at night: heights 3, 2 and none, so (3 + 2) / 2 = 2.5 m.
        auto s = freshState();
        // 93 + 10·log10(4) - 6.02 (Cb of 12 h over 4 sub-sources) - 5 + 2 = 90
        add(*s, Mobile{.lwA = 93,
                       .points = 4,
                       .amount = {12, 2, 0},
                       .height = 2,
                       .reflection = 2,
                       .screening = 5});
        // Cb 0 by day: 1 point, 1000 m, 5 km/h, 60 movements.
        add(*s, Line{.lwA = 90,
                     .points = 1,
                     .length = 1000,
                     .speed = 5,
                     .amount = {60, 0, 0},
                     .height = 4});
        s->sectionFlags[1] = s->sectionFlags[2] = 1;
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
        orvtest::FakePlatform platform;
        const QString message = QString::fromUtf8(row.message);
        QCOMPARE(CheckIt(*s, platform), message.isEmpty());
        expectOneWarning(platform, message);
    }

    void geometryTest_data() {
        table<GeometryCase>({
            {"obtuse start",
             {132.288, 0, 43.30093836938983, 40.89285145945434,
              "Lengte rijlijn = 100,0 m¹\r\nLoodrechte afstand tot rijlijn = 43,30 m¹\r\n"
              "Zichthoek vanuit immissiepunt = 40,89°"}},
            {"no triangle",
             {30, 1, 0, 0,
              "Lengte rijlijn = 100,0 m¹\r\nDe ingevoerde lengte van lijnbron komt niet "
              "overeen met de opgegeven afstanden tot de rijlijn!"}},
        });
    }
    void geometryTest() {
        QFETCH(GeometryCase, row);
        setDecimalSeparator(QLatin1Char(','));
        const GeometryTest t =
            orv::geometryTest(100, 50, row.end, QStringLiteral(" Oprit  "), QStringLiteral("\r\n"));
        QCOMPARE(static_cast<int>(t.outcome), row.outcome);
        QCOMPARE(t.caption, QStringLiteral("Geometrie lijnbron Oprit"));
        QCOMPARE(t.text, QString::fromUtf8(row.text));
        QVERIFY(near(t.perpendicularDistance, row.perpendicular));
        QVERIFY(near(t.viewAngle, row.angle));
    }
};

ORV_TEST(TestSteps)
#include "tst_steps.moc"
