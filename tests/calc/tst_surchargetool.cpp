// The surcharge tool's model: the entry it opens on and what its boxes then show.

#include "calc/surchargetool.h"
#include "common/calcfixture.h"
#include "common/datatable.h"
#include "common/guards.h"
#include "common/testmain.h"

using namespace orv;
using namespace calctest;

namespace {

// Two line sources and two mobile sources; results as a run would leave them.
std::unique_ptr<State> site(const QStringList& surcharges) {
    auto s = freshState();
    add(*s, Line{.description = QStringLiteral("Route A")});
    add(*s, Line{.description = QStringLiteral("Route B")});
    add(*s, Mobile{.description = QStringLiteral("Heftruck")});
    add(*s, Mobile{.description = QStringLiteral("Koelunit")});
    // "<alle bronnen>", Route A, Route B, Heftruck, Koelunit.
    const std::pair<int, int> places[] = {{0, 0}, {0, 1}, {0, 2}, {1, 1}, {1, 2}};
    for (int i = 0; i < 5; ++i)
        s->sources[places[i].first][places[i].second].surchargeKx =
            static_cast<qint16>(surcharges[i].toInt());
    s->totalLaeq[0] = 52.26;
    s->totalLaeq[1] = 44;
    s->results[1][2].laeq[0] = 47.04;
    s->results[1][2].cb[0] = -4.7712125471966; // 4 of 12 hours
    s->results[1][2].cb[1] = -99;
    return s;
}

} // namespace

class TestSurchargeTool : public QObject {
    Q_OBJECT
private slots:
    void opening_data() { orvtest::dataTable("surcharge_tool_opening.txt"); }
    void opening() {
        QFETCH(QStringList, f);
        const orvtest::DecimalSeparatorGuard comma(QLatin1Char(','));
        auto s = site(f[0].split(u' '));
        const SurchargeTool tool(*s);
        QCOMPARE(tool.entries(),
                 (QStringList{"<alle bronnen>", "Route A", "Route B", "Heftruck", "Koelunit"}));
        const int entry = tool.preselection();
        const SurchargeBoxes b = tool.refresh(f[1].toInt(), entry);
        QCOMPARE(QStringList({QString::number(entry), b.total, b.sourceLevel.value_or("-"),
                              b.hours.value_or("-"), QString::number(b.surchargeEntry)}),
                 f.mid(2));
    }
};

ORV_TEST_MAIN(TestSurchargeTool)
#include "tst_surchargetool.moc"
