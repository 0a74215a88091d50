// The fast transmission against the formulas written out point by point, and the promise
// that every value the checks let through gives finite numbers everywhere.

#include "calc/commands.h"
#include "calc/geometry.h"
#include "calc/linesums.h"
#include "calc/procedures.h"
#include "calc/reference.h"
#include "calcfixture.h"
#include "common/fakemainview.h"
#include "common/fakeplatform.h"
#include "common/testregistry.h"

#include <cmath>
#include <QRandomGenerator>

using namespace orv;
using namespace calctest;

namespace {

// A line source whose three lengths form a triangle: the end distance follows from a
// random angle at the start point.
void randomTriangle(QRandomGenerator& rng, SourceRecord& r, double length, double start,
                    double shortest = 0, double longest = 1e300) {
    r.length = length;
    r.distanceA = start;
    do {
        const double cosine = rng.bounded(2.0) - 1.0;
        r.distanceB = std::sqrt(start * start + length * length - 2 * start * length * cosine);
    } while (r.distanceB < shortest || r.distanceB > longest);
}

double uniform(QRandomGenerator& rng, double low, double high) {
    return low + rng.bounded(high - low);
}

double logUniform(QRandomGenerator& rng, double low, double high) {
    return std::exp(std::log(low) + rng.bounded(1.0) * (std::log(high) - std::log(low)));
}

// A project within the form's limits, values as the form stores them (one decimal).
std::unique_ptr<State> randomProject(QRandomGenerator& rng, int lines, int mobiles) {
    auto s = freshState();
    const char* grounds[2] = {"hard", "zacht"};
    setReceiver(*s, std::round(uniform(rng, 1.5, 99.0) * 10) / 10, grounds[rng.bounded(2)]);
    if (rng.bounded(3) == 0)
        s->project.receiverHeight = rng.bounded(2) ? 1.5 : 2.5; // both sides of the threshold
    for (int i = 0; i < lines; ++i) {
        Line l;
        l.points = 1 + rng.bounded(1000);
        l.height = std::round(uniform(rng, 0.1, 99.0) * 10) / 10;
        if (rng.bounded(4) == 0)
            l.height = s->project.receiverHeight; // level with the receiver: no height term
        const int k = add(*s, l);
        randomTriangle(rng, s->sources[0][k], std::round(uniform(rng, 1.0, 1000.0) * 10) / 10,
                       std::round(uniform(rng, 1.0, 500.0) * 10) / 10);
    }
    for (int i = 0; i < mobiles; ++i) {
        Mobile m;
        m.distanceA = std::round(uniform(rng, 1.0, 500.0) * 10) / 10;
        m.distanceB = std::round(uniform(rng, m.distanceA, 500.0) * 10) / 10;
        m.height = std::round(uniform(rng, 0.1, 99.0) * 10) / 10;
        add(*s, m);
    }
    return s;
}

QList<double> allNumbers(const State& s) {
    QList<double> v;
    for (int k = 0; k < 2; ++k) {
        for (int i = 1; i <= s.sourceCount[k]; ++i) {
            const SourceResult& r = s.results[k][i];
            for (int p = 0; p < 3; ++p)
                v << r.cb[p] << r.laeq[p] << r.lamax[p] << s.correctedLw[k][i][p]
                  << s.sources[k][i].operatingHours[p];
            v << r.levelEqBase << r.levelMaxBase << r.cm << r.cmMax << r.transmission
              << r.transmissionMax << r.equivalentDistance << r.lineLength << r.startCosine
              << r.perpendicularDistance;
        }
    }
    for (int p = 0; p < 3; ++p)
        v << s.totalLaeq[p] << s.totalLamax[p] << s.penalisedLevel[p] << s.cumulativeLw[p];
    v << s.letmaal << s.lden << s.lnight << s.replacementHeight;
    return v;
}

} // namespace

class TestAccuracy : public QObject {
    Q_OBJECT
private slots:
    void fastTransmissionMatchesFormulas_data() {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 3u, 4u, 5u})
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }
    void fastTransmissionMatchesFormulas() {
        QFETCH(quint32, seed);
        QRandomGenerator rng(seed);
        auto fast = randomProject(rng, 120, 40);
        orvtest::FakePlatform platform;
        QVERIFY(CheckIt(*fast, platform));
        auto direct = std::make_unique<State>(*fast);
        QVERIFY(Overdracht(*fast).isEmpty());
        QVERIFY(reference::Overdracht(*direct).isEmpty());
        double worst = 0;
        for (int k = 0; k < 2; ++k) {
            for (int i = 1; i <= fast->sourceCount[k]; ++i) {
                const SourceResult& f = fast->results[k][i];
                const SourceResult& d = direct->results[k][i];
                worst = std::max(
                    {worst, std::abs(f.transmission - d.transmission), std::abs(f.cm - d.cm)});
                QCOMPARE(f.equivalentDistance, d.equivalentDistance);
            }
        }
        QVERIFY2(worst < 1e-9, qPrintable(QStringLiteral("worst %1 dB").arg(worst)));
    }

    // Both builds of the loop, whichever one this processor runs in Overdracht: the plain
    // one against the formulas, the wide one (where it can run) bit for bit against it.
    void bothBuildsOfTheLoop() {
        QRandomGenerator rng(77);
        auto s = randomProject(rng, 200, 0);
        orvtest::FakePlatform platform;
        QVERIFY(CheckIt(*s, platform));
        auto direct = std::make_unique<State>(*s);
        QVERIFY(reference::Overdracht(*direct).isEmpty());
        for (int i = 1; i <= s->sourceCount[0]; ++i) {
            const calc::LineSetup setup = calc::lineSetup(*s, i);
            const long points = static_cast<long>(s->sources[0][i].pointCount);
            const calc::LineSums plain = calc::lineSumsPlain(setup, points);
            const double loss = -10 * std::log10(plain.s1 / setup.pointCount);
            const double cm = 10 * std::log10(plain.s2 / setup.pointCount) + loss;
            QVERIFY(std::abs(loss - direct->results[0][i].transmission) < 1e-9);
            QVERIFY(std::abs(cm - direct->results[0][i].cm) < 1e-9);
            if (calc::hasWideVectors()) {
                const calc::LineSums wide = calc::lineSumsWide(setup, points);
                QCOMPARE(wide.s1, plain.s1);
                QCOMPARE(wide.s2, plain.s2);
            }
        }
    }

    // Values at the edges of what the damaged-value check lets through still give finite
    // numbers in every table and total, for every command.
    void extremeAcceptedValuesStayFinite_data() {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {11u, 12u, 13u, 14u, 15u, 16u})
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }
    void extremeAcceptedValuesStayFinite() {
        QFETCH(quint32, seed);
        QRandomGenerator rng(seed);
        auto s = freshState();
        auto pick = [&](double low, double high) {
            switch (rng.bounded(3)) {
            case 0:
                return low;
            case 1:
                return high;
            default:
                return logUniform(rng, low, high);
            }
        };
        auto level = [&] { return (rng.bounded(2) ? 1 : -1) * pick(1e-3, 500); };
        s->project.receiverHeight = pick(1e-3, 1e4);
        s->project.facadeReflection = static_cast<qint16>(rng.bounded(-100, 101));
        for (int i = 0; i < 6; ++i) {
            Line l;
            l.lwA = level();
            l.lwAMax = level();
            l.points = std::round(pick(1, 2e3));
            l.speed = pick(1e-3, 1e4);
            for (double& m : l.movements)
                m = rng.bounded(4) ? pick(1e-6, 1e9) : 0;
            l.height = rng.bounded(2) ? pick(1e-3, 1e4) : s->project.receiverHeight;
            l.reflection = static_cast<qint16>(rng.bounded(-100, 101));
            l.screening = static_cast<qint16>(rng.bounded(-100, 101));
            const int k = add(*s, l);
            randomTriangle(rng, s->sources[0][k], pick(1e-3, 5e3), pick(1e-3, 5e3), 1e-3, 1e4);
            Mobile m;
            m.lwA = level();
            m.lwAMax = level();
            m.points = pick(1, 1e6);
            for (double& h : m.hours)
                h = rng.bounded(4) ? pick(1e-6, 1e6) : 0;
            m.height = pick(1e-3, 1e4);
            m.distanceA = pick(1e-3, 1e4);
            m.distanceB = rng.bounded(2) ? 1e4 : m.distanceA;
            m.reflection = static_cast<qint16>(rng.bounded(-100, 101));
            m.screening = static_cast<qint16>(rng.bounded(-100, 101));
            add(*s, m);
        }
        s->sources[1][1].surchargeKx = 10;
        for (int kind = 1; kind <= 3; ++kind) {
            orvtest::FakePlatform platform;
            orvtest::FakeMainView view;
            const CommandStatus status = runCalculationCommand(*s, platform, view, kind);
            QVERIFY2(
                status == CommandStatus::Done || status == CommandStatus::GeometryRefused,
                qPrintable(platform.messages.isEmpty() ? QString() : platform.messages[0].text));
            const QList<double> numbers = allNumbers(*s);
            for (int i = 0; i < numbers.size(); ++i)
                QVERIFY2(std::isfinite(numbers[i]), qPrintable(QStringLiteral("value %1").arg(i)));
        }
    }
};

ORV_TEST(TestAccuracy)
#include "tst_accuracy.moc"
