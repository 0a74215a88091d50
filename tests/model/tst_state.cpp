#include "common/testregistry.h"
#include "model/state.h"

using namespace orv;

class TestState : public QObject {
    Q_OBJECT
private slots:
    void resetClearsProjectAndResultsButNotEmission()
    {
        auto st = std::make_unique<State>();
        st->sourceCount = {3, 2};
        st->sources[0][2].lwA = 95;
        st->sources[1][500].description = QStringLiteral("x");
        st->sources[0][0].surchargeKx = 5;
        st->project.groundType = QStringLiteral("zacht");
        st->project.receiverHeight = 5;
        st->results[1][7].laeq[2] = 40;
        st->totalLaeq[1] = 50;
        st->letmaal = 55;
        st->lden = 54;
        st->lnight = 44;
        st->correctedLw[0][1][0] = 90;
        st->cumulativeLw[0] = 91;
        st->replacementHeight = 2.5;

        Reset(*st);

        QCOMPARE(st->sourceCount[0], qint16(0));
        QCOMPARE(st->sourceCount[1], qint16(0));
        QCOMPARE(st->sources[0][2].lwA, 0.0);
        QCOMPARE(st->sources[1][500].description, QString(25, ' '));
        QCOMPARE(st->sources[0][0].surchargeKx, qint16(0));
        QCOMPARE(st->project.groundType, QStringLiteral("hard "));
        QCOMPARE(st->project.receiverHeight, 1.5);
        QCOMPARE(st->project.facadeReflection, qint16(0));
        QCOMPARE(st->project.projectDate, QString(10, ' '));
        QCOMPARE(st->results[1][7].laeq[2], 0.0);
        QCOMPARE(st->totalLaeq[1], 0.0);
        QCOMPARE(st->letmaal, 0.0);
        QCOMPARE(st->lden, 0.0);
        QCOMPARE(st->lnight, 0.0);
        // The emission command rewrites these itself; a reset leaves them.
        QCOMPARE(st->correctedLw[0][1][0], 90.0);
        QCOMPARE(st->cumulativeLw[0], 91.0);
        QCOMPARE(st->replacementHeight, 2.5);
    }
};

ORV_TEST(TestState)
#include "tst_state.moc"
