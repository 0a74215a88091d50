// Two variants side by side: the bundled example against itself and against copies with
// one change, and the matching of sources by name on small hand-made lists.

#include "app/projectfile.h"
#include "calc/assessment.h"
#include "calc/variants.h"
#include "common/files.h"
#include "common/testmain.h"

#include <cmath>
#include <cstring>
#include <memory>
#include <QTest>

using namespace orv;

namespace {

std::unique_ptr<State> example() {
    auto state = std::make_unique<State>();
    if (!readProjectFile(orvtest::kExample, *state).ok()) qFatal("example missing");
    return state;
}

// "name|description|day LAeq" per source, ";" between them.
VariantLevels variant(const QString& list) {
    VariantLevels v;
    for (const QString& item : list.split(u';', Qt::SkipEmptyParts)) {
        const QStringList f = item.split(u'|');
        const int number = static_cast<int>(v.sources.size()) + 1;
        v.sources.push_back({LineSource,
                             number,
                             f[1],
                             f[0],
                             variantKey(f[0], f[1]),
                             {f[2].toDouble(), 0, 0},
                             {0, 0, 0}});
    }
    return v;
}

} // namespace

class TestVariants : public QObject {
    Q_OBJECT
private slots:

    // Compared with itself every difference is 0 and every source finds itself; the open
    // project, its results and its assessment stay as they were, byte for byte.
    void exampleAgainstItself() {
        const auto state = example();
        state->results[1][2].laeq[0] = 12.5; // what an earlier run left must survive
        const QByteArray before = encodeProject(*state);
        const auto resultsBefore = state->results;
        const VariantLevels a = assessVariant(*state);
        QVERIFY(a.outcome.done());
        const Comparison c = compareVariants(a, a, {});
        QCOMPARE(c.sources.size(), std::size_t(state->sourceCount[0] + state->sourceCount[1]));
        for (const ComparedSource& s : c.sources) {
            QVERIFY(s.numberA > 0 && s.numberB > 0);
            QCOMPARE(s.largestChange, 0.0);
        }
        QCOMPARE(encodeProject(*state), before);
        QVERIFY(std::memcmp(&state->results, &resultsBefore, sizeof resultsBefore) == 0);
    }

    // "Laden en lossen terrein" (mobile source 1) 3 dB louder. By day the site's energy
    // 10^5.3781 = 238 848 and the source's 10^5.0826 = 120 959 grow by 120 959 · (10^0.3 - 1)
    // = 120 386 to 359 233: 55.554 dB(A) against 53.781. The source leads with +3.0 in the
    // periods it operates; its LAmax comes from Lw,A,max and stays. Limits give both margins.
    void raisedSourceLeads() {
        const auto a = example();
        auto b = std::make_unique<State>(*a);
        b->sources[1][1].lwA += 3;
        SheetLimits limits;
        limits.rated[0] = 55;
        limits.lamax[0] = 70;
        const VariantLevels va = assessVariant(*a), vb = assessVariant(*b);
        const Comparison c = compareVariants(va, vb, limits);
        const ComparedSource& first = c.sources.front();
        QCOMPARE(first.description, QStringLiteral("Laden en lossen terrein"));
        QCOMPARE(first.laeq[0].difference().value_or(0), 3.0);
        QCOMPARE(first.lamax[0].difference().value_or(1), 0.0);
        QVERIFY(!first.laeq[2].a && !first.laeq[2].difference()); // silent at night
        const double day =
            10 * std::log10(std::pow(10, *c.periods[0].laeq.a / 10) +
                            std::pow(10, *first.laeq[0].a / 10) * (std::pow(10, 0.3) - 1));
        QVERIFY(std::abs(*c.periods[0].laeq.b - day) < 1e-9);
        QVERIFY(std::abs(day - 55.554) < 5e-4);
        QCOMPARE(*c.periods[0].margin.a, 55 - va.ratedLevel[0]);
        QCOMPARE(*c.periods[0].margin.b, 55 - vb.ratedLevel[0]);
        QCOMPARE(*c.periods[0].lamaxMargin.b, 70 - vb.totalLamax[0]);
    }

    // Matching on name and description, trimmed by the reader, without regard to case; the
    // n-th of equal sources matches the n-th; order by the largest change, then by name.
    void matching_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("expected"); // name:numberA-numberB in the listed order
        QTest::newRow("case") << "Bus|Route|40"
                              << "BUS|route|43"
                              << "Bus:1-1";
        QTest::newRow("only in one") << "Bus|Route|40;Kar|Hal|30"
                                     << "Bus|Route|40;Pomp|Put|20"
                                     << "Kar:2-0,Pomp:0-2,Bus:1-1";
        QTest::newRow("duplicates in order") << "Bus|Route|40;Bus|Route|41"
                                             << "Bus|Route|40;Bus|Route|45"
                                             << "Bus:2-2,Bus:1-1";
        QTest::newRow("ties by name") << "Zaag|A|40;Boor|A|40"
                                      << "Zaag|A|40;Boor|A|40"
                                      << "Boor:2-2,Zaag:1-1";
    }
    void matching() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, expected);
        QStringList got;
        for (const ComparedSource& s : compareVariants(variant(a), variant(b), {}).sources)
            got << QStringLiteral("%1:%2-%3").arg(s.sourceName).arg(s.numberA).arg(s.numberB);
        QCOMPARE(got.join(u','), expected);
    }
};

ORV_TEST_MAIN(TestVariants)
#include "tst_variants.moc"
