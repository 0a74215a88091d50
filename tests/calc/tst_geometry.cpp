// The triangle checks before a transmission run, and the numbers of the geometry test.

#include "app/numberformat.h"
#include "calc/geometry.h"
#include "calcfixture.h"
#include "common/fakeplatform.h"
#include "common/testregistry.h"

using namespace orv;
using namespace calctest;

class TestGeometry : public QObject {
    Q_OBJECT
private slots:
    void checkIt_data() {
        QTest::addColumn<double>("length");
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::addColumn<double>("mobileNearest");
        QTest::addColumn<double>("mobileFarthest");
        QTest::addColumn<QString>("message");
        // (10000 + 2500 - 900) / (2·100·50) = 1.16: no triangle.
        QTest::newRow("cosine 1.16") << 100.0 << 50.0 << 30.0 << 10.0 << 20.0
                                     << "De ingevoerde lengte van lijnbron Route komt niet "
                                        "overeen met de opgegeven afstanden tot de rijlijn!";
        QTest::newRow("cosine below -1") << 100.0 << 20.0 << 130.0 << 10.0 << 20.0
                                         << "De ingevoerde lengte van lijnbron Route komt niet "
                                            "overeen met de opgegeven afstanden tot de rijlijn!";
        // The receiving point on the line beyond the end: a distance of 0 along the line.
        QTest::newRow("cosine exactly 1") << 100.0 << 150.0 << 50.0 << 10.0 << 20.0
                                          << "Kan geen afstand tot lijnbron Route bepalen";
        // On the extension behind the start point: a flat but valid triangle.
        QTest::newRow("cosine exactly -1") << 100.0 << 50.0 << 150.0 << 10.0 << 20.0 << QString();
        QTest::newRow("mobile 80/60 m")
            << 100.0 << 50.0 << 60.0 << 80.0 << 60.0
            << "Grootste afstand tot mobiele (deel)bron Heftruck is kleiner dan kleinste afstand!";
        QTest::newRow("mobile with equal distances")
            << 100.0 << 50.0 << 60.0 << 80.0 << 80.0 << QString();
    }
    void checkIt() {
        QFETCH(double, length);
        QFETCH(double, start);
        QFETCH(double, end);
        QFETCH(double, mobileNearest);
        QFETCH(double, mobileFarthest);
        QFETCH(QString, message);
        auto s = freshState();
        Line l;
        l.description = QStringLiteral("Route");
        l.length = length;
        l.distanceA = start;
        l.distanceB = end;
        add(*s, l);
        Mobile m;
        m.distanceA = mobileNearest;
        m.distanceB = mobileFarthest;
        add(*s, m);
        orvtest::FakePlatform platform;
        const bool passed = CheckIt(*s, platform);
        QCOMPARE(passed, message.isEmpty());
        if (message.isEmpty()) {
            QVERIFY(platform.messages.isEmpty());
        } else {
            QCOMPARE(platform.messages.size(), 1);
            QCOMPARE(platform.messages[0].text, message);
            QCOMPARE(platform.messages[0].caption, QStringLiteral("Waarschuwing"));
            QCOMPARE(platform.messages[0].icon, MsgIcon::Exclamation);
        }
        QCOMPARE(s->results[0][1].lineLength, length);
        QCOMPARE(s->results[0][1].startCosine,
                 (length * length + start * start - end * end) / (2 * length * start));
    }

    void checkItStopsAtFirstFailure() {
        auto s = freshState();
        Line good;
        good.length = 100;
        good.distanceA = 50;
        good.distanceB = 60;
        Line bad = good;
        bad.description = QStringLiteral("Noord   ");
        bad.distanceB = 30;
        add(*s, good);
        add(*s, bad);
        add(*s, bad);
        orvtest::FakePlatform platform;
        QVERIFY(!CheckIt(*s, platform));
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(platform.messages[0].text.contains(QStringLiteral("lijnbron Noord komt")));
        QCOMPARE(s->results[0][1].lineLength, 100.0); // passed sources keep what was written
        QCOMPARE(s->results[0][3].lineLength, 0.0);   // later sources are not examined
    }

    void test_data() {
        QTest::addColumn<double>("length");
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<double>("perpendicular");
        QTest::addColumn<double>("angle");
        QTest::addColumn<QString>("text");
        const QString head = QStringLiteral("Lengte rijlijn = 100,0 m¹\r\n");
        QTest::newRow("obtuse start")
            << 100.0 << 50.0 << 132.288 << 0 << 43.30093836938983 << 40.89285145945434
            << head + "Loodrechte afstand tot rijlijn = 43,30 m¹\r\n"
                      "Zichthoek vanuit immissiepunt = 40,89°";
        QTest::newRow("behind the start") << 100.0 << 50.0 << 150.0 << 0 << 0.0 << 0.0
                                          << head + "Loodrechte afstand tot rijlijn = 0,00 m¹\r\n"
                                                    "Zichthoek vanuit immissiepunt = 0,00°";
        QTest::newRow("no triangle") << 100.0 << 50.0 << 30.0 << 1 << 0.0 << 0.0
                                     << head + "De ingevoerde lengte van lijnbron komt niet "
                                               "overeen met de opgegeven afstanden tot de rijlijn!";
        QTest::newRow("beyond the end") << 100.0 << 150.0 << 50.0 << 2 << 0.0 << 0.0
                                        << head + "Kan geen afstand tot lijnbron bepalen!";
    }
    void test() {
        QFETCH(double, length);
        QFETCH(double, start);
        QFETCH(double, end);
        QFETCH(int, outcome);
        QFETCH(double, perpendicular);
        QFETCH(double, angle);
        QFETCH(QString, text);
        setDecimalSeparator(QLatin1Char(','));
        const GeometryTest t =
            geometryTest(length, start, end, QStringLiteral(" Oprit  "), QStringLiteral("\r\n"));
        QCOMPARE(static_cast<int>(t.outcome), outcome);
        QCOMPARE(t.caption, QStringLiteral("Geometrie lijnbron Oprit"));
        QCOMPARE(t.text, text);
        QVERIFY(qAbs(t.perpendicularDistance - perpendicular) < 1e-9);
        QVERIFY(qAbs(t.viewAngle - angle) < 1e-9);
    }
};

ORV_TEST(TestGeometry)
#include "tst_geometry.moc"
