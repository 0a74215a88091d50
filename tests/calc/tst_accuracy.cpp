// The fast transmission, in both builds of its loop, against the formulas written out point
// by point, on random projects within the form's limits.

#include "calc/geometry.h"
#include "calc/linesums.h"
#include "calc/procedures.h"
#include "calc/reference.h"
#include "calcfixture.h"
#include "common/fakeplatform.h"
#include "common/testregistry.h"

#include <QRandomGenerator>

using namespace orv;
using namespace calctest;

namespace {

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

} // namespace

class TestAccuracy : public QObject {
    Q_OBJECT
private slots:
    void matchesFormulas_data() {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 77u})
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }
    // Overdracht runs whichever build this processor takes; the plain loop is checked against
    // the formulas as well, and the wide one (where it can run) bit for bit against it.
    void matchesFormulas() {
        QFETCH(quint32, seed);
        QRandomGenerator rng(seed);
        auto fast = randomProject(rng, 120, 40);
        orvtest::FakePlatform platform;
        QVERIFY(CheckIt(*fast, platform));
        auto direct = std::make_unique<State>(*fast);
        QVERIFY(reference::Overdracht(*direct).isEmpty());
        for (int i = 1; i <= fast->sourceCount[0]; ++i) {
            const calc::LineSetup setup = calc::lineSetup(*fast, i);
            const long points = static_cast<long>(fast->sources[0][i].pointCount);
            const calc::LineSums plain = calc::lineSumsPlain(setup, points);
            const double loss = -10 * std::log10(plain.s1 / setup.pointCount);
            QVERIFY(near(loss, direct->results[0][i].transmission));
            QVERIFY(near(10 * std::log10(plain.s2 / setup.pointCount) + loss,
                         direct->results[0][i].cm));
            if (calc::hasWideVectors()) {
                const calc::LineSums wide = calc::lineSumsWide(setup, points);
                QCOMPARE(wide.s1, plain.s1);
                QCOMPARE(wide.s2, plain.s2);
            }
        }
        QVERIFY(Overdracht(*fast).isEmpty());
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

ORV_TEST(TestAccuracy)
#include "tst_accuracy.moc"
