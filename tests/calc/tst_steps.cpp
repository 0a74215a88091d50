// The calculation steps one by one, against numbers worked out by hand from the formulas.

#include "calc/procedures.h"
#include "calcfixture.h"
#include "common/fakeplatform.h"
#include "common/testregistry.h"

using namespace orv;
using namespace calctest;

namespace {

constexpr double kTol = 5e-6; // dB or m; the expected values carry 7 or more digits

void checkIt(State& s) {
    for (int i = 1; i <= s.sourceCount[0]; ++i) {
        SourceResult& row = s.results[0][i];
        const SourceRecord& src = s.sources[0][i];
        row.lineLength = src.length;
        row.startCosine = (src.length * src.length + src.distanceA * src.distanceA -
                           src.distanceB * src.distanceB) /
                          (2 * src.length * src.distanceA);
    }
}

} // namespace

class TestSteps : public QObject {
    Q_OBJECT
private slots:
    void operatingTimeCorrection_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("points");
        QTest::addColumn<double>("length"); // line: m
        QTest::addColumn<double>("speed");  // line: km/h
        QTest::addColumn<double>("amount"); // movements (line) or hours (mobile)
        QTest::addColumn<int>("period");
        QTest::addColumn<double>("cb");
        QTest::addColumn<double>("hours"); // line: derived hours of one point source
        QTest::newRow("line 100 m, 10 points, 20 km/h, 100 by day")
            << 0 << 10.0 << 100.0 << 20.0 << 100.0 << 0 << -23.80211241711606 << 0.05;
        QTest::newRow("line without evening traffic")
            << 0 << 10.0 << 100.0 << 20.0 << 0.0 << 1 << -99.0 << 0.0;
        // The vehicles together spend longer on one piece of route than the evening lasts:
        // Cb is positive, nothing caps it.
        QTest::newRow("line busier than the period")
            << 0 << 1.0 << 1000.0 << 5.0 << 100.0 << 1 << 6.9897000433601875 << 20.0;
        QTest::newRow("mobile 4 sub-sources, 6 h by day")
            << 1 << 4.0 << 0.0 << 0.0 << 6.0 << 0 << -9.030899869919434 << 6.0;
        QTest::newRow("mobile idle at night") << 1 << 4.0 << 0.0 << 0.0 << 0.0 << 2 << -99.0 << 0.0;
        QTest::newRow("mobile whole evening") << 1 << 1.0 << 0.0 << 0.0 << 4.0 << 1 << 0.0 << 4.0;
    }
    void operatingTimeCorrection() {
        QFETCH(int, kind);
        QFETCH(double, points);
        QFETCH(double, length);
        QFETCH(double, speed);
        QFETCH(double, amount);
        QFETCH(int, period);
        QFETCH(double, cb);
        QFETCH(double, hours);
        auto s = freshState();
        if (kind == 0) {
            Line l;
            l.points = points;
            l.length = length;
            l.speed = speed;
            l.movements[0] = l.movements[1] = l.movements[2] = 0;
            l.movements[period] = amount;
            add(*s, l);
            s->sources[0][1].operatingHours[period] = 7; // a stale value must be replaced
        } else {
            Mobile m;
            m.points = points;
            m.hours[0] = m.hours[1] = m.hours[2] = 0;
            m.hours[period] = amount;
            add(*s, m);
        }
        Cbedrijfsduur(*s);
        const double got = s->results[kind][1].cb[period];
        if (cb == kSilent)
            QCOMPARE(got, kSilent);
        else
            QVERIFY2(qAbs(got - cb) < 1e-9, qPrintable(QString::number(got, 'g', 17)));
        // Line sources get their hours per point source; mobile hours are input, never written.
        QVERIFY(qAbs(s->sources[kind][1].operatingHours[period] - hours) < 1e-12);
    }

    void mobileTransmission_data() {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("hs");
        QTest::addColumn<double>("hr");
        QTest::addColumn<QString>("ground");
        QTest::addColumn<double>("distance");
        QTest::addColumn<double>("cm");
        QTest::addColumn<double>("loss");
        // 10·(1 + 5) = 60 m is not below 40.2 m: no Cm.
        QTest::newRow("20/80 m, hard") << 20.0 << 80.0 << 1.0 << 5.0 << "hard" << 40.19950248448353
                                       << 0.0 << 41.38541107680808;
        QTest::newRow("100/400 m, soft, low receiver")
            << 100.0 << 400.0 << 1.0 << 1.5 << "zacht" << 200.00062499902347 << 4.375001953115845
            << 58.120633306590136;
        QTest::newRow("100/400 m, hard")
            << 100.0 << 400.0 << 1.0 << 1.5 << "hard" << 200.00062499902347 << 4.375001953115845
            << 56.120630181595025;
        // From 2.5 m up soft ground damps as hard ground does.
        QTest::newRow("soft ground, receiver at 2.5 m")
            << 100.0 << 400.0 << 1.0 << 2.5 << "zacht" << 200.00562492090066 << 4.12502460833684
            << 56.120872321659775;
        QTest::newRow("unknown ground counts as hard")
            << 100.0 << 400.0 << 1.0 << 1.5 << "grind" << 200.00062499902347 << 4.375001953115845
            << 56.120630181595025;
    }
    void mobileTransmission() {
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, hs);
        QFETCH(double, hr);
        QFETCH(QString, ground);
        QFETCH(double, distance);
        QFETCH(double, cm);
        QFETCH(double, loss);
        auto s = freshState();
        setReceiver(*s, hr, qPrintable(ground));
        Mobile m;
        m.distanceA = a;
        m.distanceB = b;
        m.height = hs;
        add(*s, m);
        QVERIFY(Overdracht(*s).isEmpty());
        const SourceResult& row = s->results[1][1];
        QVERIFY(qAbs(row.equivalentDistance - distance) < kTol);
        QVERIFY(qAbs(row.cm - cm) < kTol);
        QVERIFY(qAbs(row.transmission - loss) < kTol);
        QCOMPARE(row.lineLength, 0.0); // line-only columns stay untouched
    }

    void lineTransmission() {
        // Two point sources at 25 and 75 m along a line square to the receiving point at its
        // start: 55.902 and 90.139 m away, losses 44.328 and 48.649 dB, Cm 2.317 and 3.336.
        auto s = freshState();
        Line l;
        l.points = 2;
        l.distanceA = 50;
        l.distanceB = std::sqrt(50.0 * 50 + 100 * 100);
        add(*s, l);
        checkIt(*s);
        QVERIFY(qAbs(s->results[0][1].startCosine) < 1e-15);
        QVERIFY(Overdracht(*s).isEmpty());
        const SourceResult& row = s->results[0][1];
        QVERIFY2(qAbs(row.transmission - 45.97189577355106) < 1e-9,
                 qPrintable(QString::number(row.transmission, 'g', 17)));
        QVERIFY(qAbs(row.cm - 2.6162286968381423) < 1e-9);
        QCOMPARE(row.equivalentDistance, 0.0);
    }

    void maximumLevel_data() {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("points");
        QTest::addColumn<double>("perpendicular");
        QTest::addColumn<double>("cmMax");
        QTest::addColumn<double>("lossMax");
        QTest::addColumn<QString>("warning");
        // Angle of 120° at the start: the start point is nearest, 50 m.
        QTest::newRow("obtuse start, too few points")
            << 50.0 << 132.288 << 2.0 << 43.30093836938983 << 2.0 << 43.32940008672037
            << "Bron Route dient minimaal uit 4 bronpunten te bestaan!";
        // Square to the middle at 30 m: 6.67 points needed, rounded to 7. At 58.310 m the
        // slant distance is 30.0009 m, just beyond 10·(1.5 + 1.5): Cm is small, not 0.
        QTest::newRow("middle, enough points")
            << 58.310 << 58.310 << 7.0 << 30.00093498543004 << 0.0001558260485037266
            << 38.79270047111066 << QString();
        QTest::newRow("middle, one point short")
            << 58.310 << 58.310 << 6.0 << 30.00093498543004 << 0.0001558260485037266
            << 38.79270047111066 << "Bron Route dient minimaal uit 7 bronpunten te bestaan!";
        QTest::newRow("middle at 58.3 m: no Cm")
            << 58.3 << 58.3 << 7.0 << 29.981494292313045 << 0.0 << 38.786972961475506 << QString();
    }
    void maximumLevel() {
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, points);
        QFETCH(double, perpendicular);
        QFETCH(double, cmMax);
        QFETCH(double, lossMax);
        QFETCH(QString, warning);
        auto s = freshState();
        Line l;
        l.points = points;
        l.distanceA = a;
        l.distanceB = b;
        add(*s, l);
        checkIt(*s);
        orvtest::FakePlatform platform;
        const MaxLevelRun run = OverdrachtMax(*s, platform);
        QVERIFY(run.refusal.isEmpty());
        const SourceResult& row = s->results[0][1];
        QVERIFY(qAbs(row.perpendicularDistance - perpendicular) < kTol);
        QVERIFY2(qAbs(row.cmMax - cmMax) < 1e-9, qPrintable(QString::number(row.cmMax, 'g', 17)));
        QVERIFY(qAbs(row.transmissionMax - lossMax) < kTol);
        if (warning.isEmpty()) {
            QVERIFY(run.warnings.isEmpty());
            QVERIFY(platform.messages.isEmpty());
        } else {
            QCOMPARE(run.warnings, QStringList{warning});
            QCOMPARE(platform.messages.size(), 1);
            QCOMPARE(platform.messages[0].text, warning);
            QCOMPARE(platform.messages[0].caption, QStringLiteral("Waarschuwing"));
            QCOMPARE(platform.messages[0].icon, MsgIcon::Exclamation);
            QCOMPARE(platform.messages[0].buttons, MsgButtons::Ok);
        }
    }

    void maximumLevelWarningsShareOneBox() {
        auto s = freshState();
        Line l;
        l.points = 2;
        l.distanceA = 50;
        l.distanceB = 132.288;
        l.description = QStringLiteral("  Laad noord   ");
        add(*s, l);
        l.points = 10; // enough
        l.description = QStringLiteral("Midden");
        add(*s, l);
        l.points = 1;
        l.description = QStringLiteral("Zuid");
        add(*s, l);
        Mobile m;
        m.distanceA = 30;
        m.distanceB = 300; // a mobile source's LAmax ignores its farthest distance
        add(*s, m);
        checkIt(*s);
        orvtest::FakePlatform platform;
        const MaxLevelRun run = OverdrachtMax(*s, platform);
        const QStringList expected{
            QStringLiteral("Bron   Laad noord dient minimaal uit 4 bronpunten te bestaan!"),
            QStringLiteral("Bron Zuid dient minimaal uit 4 bronpunten te bestaan!")};
        QCOMPARE(run.warnings, expected);
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages[0].text, expected.join(QStringLiteral("\r\n")));
        QVERIFY(qAbs(s->results[1][1].transmissionMax - 38.79242509439325) < kTol);
        QCOMPARE(s->results[1][1].cmMax, 0.0);
        QCOMPARE(s->results[1][1].perpendicularDistance, 0.0);
    }

    void immission_data() {
        QTest::addColumn<double>("lwA");
        QTest::addColumn<double>("lwAMax");
        QTest::addColumn<QList<double>>("laeq");
        QTest::addColumn<QList<double>>("lamax");
        // LwA 100 dB(A), 4 sub-sources 6 h by day and 2 h in the evening, 100/400 m, hs 1 m,
        // hr 1.5 m on soft ground, screening 5, reflection 2, façade 3: 34.494 dB(A) by day.
        const double day = 34.4940647836542;
        const double evening = day; // 2 of 4 hours: the same share of its period
        QTest::newRow("levels") << 100.0 << 105.0 << QList<double>{day, evening, 0}
                                << QList<double>{50.149863303107765, 50.149863303107765, 0};
        QTest::newRow("no maximum sound power")
            << 100.0 << 0.0 << QList<double>{day, evening, 0} << QList<double>{0, 0, 0};
        QTest::newRow("no sound power") << 0.0 << 105.0 << QList<double>{0, 0, 0}
                                        << QList<double>{50.149863303107765, 50.149863303107765, 0};
    }
    void immission() {
        QFETCH(double, lwA);
        QFETCH(double, lwAMax);
        QFETCH(QList<double>, laeq);
        QFETCH(QList<double>, lamax);
        auto s = freshState();
        setReceiver(*s, 1.5, "zacht", 3);
        Mobile m;
        m.lwA = lwA;
        m.lwAMax = lwAMax;
        m.points = 4;
        m.hours[0] = 6;
        m.hours[1] = 2;
        m.hours[2] = 0;
        m.height = 1;
        m.distanceA = 100;
        m.distanceB = 400;
        m.screening = 5;
        m.reflection = 2;
        add(*s, m);
        orvtest::FakePlatform platform;
        Cbedrijfsduur(*s);
        QVERIFY(Overdracht(*s).isEmpty());
        OverdrachtMax(*s, platform);
        Immissie(*s);
        const SourceResult& row = s->results[1][1];
        for (int p = 0; p < 3; ++p) {
            if (laeq[p] == 0)
                QCOMPARE(row.laeq[p], 0.0);
            else
                QVERIFY2(qAbs(row.laeq[p] - laeq[p]) < 1e-9, qPrintable(QString::number(p)));
            if (lamax[p] == 0)
                QCOMPARE(row.lamax[p], 0.0);
            else
                QVERIFY(qAbs(row.lamax[p] - lamax[p]) < 1e-9);
        }
    }

    void emission_data() {
        QTest::addColumn<int>("flags"); // bit 0: line sources (flag 1), bit 1: mobile (flag 2)
        QTest::addColumn<QList<double>>("cumulative");
        QTest::addColumn<double>("height");
        // Equal corrected sound power by day at 2 m and 4 m, the 2 m one also in the
        // evening, neither at night: heights 3, 2 and none, so (3 + 2) / 2.
        const double day = 90 + 10 * std::log10(2.0);
        const double evening = 90 + 10 * std::log10(2.0 / 4); // the silent one adds 10^-20
        QTest::newRow("both kinds") << 3 << QList<double>{day, evening, -196.98970004336016} << 2.5;
        QTest::newRow("neither kind") << 0 << QList<double>{0, 0, 0} << 0.0;
    }
    void emission() {
        QFETCH(int, flags);
        QFETCH(QList<double>, cumulative);
        QFETCH(double, height);
        auto s = freshState();
        // 4 sub-sources of 93 dB(A), screened 5 dB, reflecting 2 dB, for the whole day:
        // cb + LwA + 10·log10(4) - 5 + 2 = -6.02 + 93 + 6.02 - 3 = 90.
        Mobile m;
        m.lwA = 93;
        m.points = 4;
        m.screening = 5;
        m.reflection = 2;
        m.height = 2;
        m.hours[1] = 2;
        add(*s, m);
        Line l; // a line source with power 90 and cb 0 by day: 1 point, 1000 m, 5 km/h
        l.lwA = 90;
        l.points = 1;
        l.length = 1000;
        l.speed = 5;
        l.movements[0] = 60;
        l.height = 4;
        add(*s, l);
        s->sectionFlags[1] = flags & 1;
        s->sectionFlags[2] = (flags >> 1) & 1;
        s->correctedLw[0][1][0] = 123; // left alone when its kind is not chosen
        Cbedrijfsduur(*s);
        QCOMPARE(s->results[0][1].cb[0], 0.0);
        Emissie(*s);
        Bron_Hoogte(*s);
        for (int p = 0; p < 3; ++p) {
            QVERIFY2(qAbs(s->cumulativeLw[p] - cumulative[p]) < 1e-9,
                     qPrintable(QString::number(s->cumulativeLw[p], 'g', 17)));
        }
        QVERIFY(qAbs(s->replacementHeight - height) < 1e-12);
        if (flags == 0) {
            QCOMPARE(s->correctedLw[0][1][0], 123.0);
        } else {
            QCOMPARE(s->correctedLw[0][1][1], kNoCorrectedLw);
            QVERIFY(qAbs(s->correctedLw[1][1][1] - (90 + 10 * std::log10(2.0 / 4))) < 1e-9);
        }
    }
};

ORV_TEST(TestSteps)
#include "tst_steps.moc"
