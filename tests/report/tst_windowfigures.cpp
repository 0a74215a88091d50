// The geometry window's figure, apart from the window: the triangle placed on its picture.

#include "common/testmain.h"
#include "report/geometryfigure.h"

#include <cmath>
#include <QLineF>

using namespace orv;

class TestWindowFigures : public QObject {
    Q_OBJECT
private slots:
    // Whatever the shape, both ends lie inside the picture, the sides keep the ratio of the
    // distances and open at the view angle.
    void triangle_data() {
        QTest::addColumn<double>("angle");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::newRow("hand-checked site") << 40.89 << 50.0 << 132.288;
        QTest::newRow("receiver behind the start") << 0.0 << 50.0 << 150.0;
        QTest::newRow("flat, receiver on the line") << 180.0 << 100.0 << 100.0;
        QTest::newRow("very unequal sides") << 90.0 << 500.0 << 1.0;
        QTest::newRow("short line far away") << 1.0 << 500.0 << 499.0;
    }
    void triangle() {
        QFETCH(double, angle);
        QFETCH(double, a);
        QFETCH(double, b);
        const TriangleFigure f = CalcTriangle(angle, a, b);
        QCOMPARE(f.receiver, QPointF(50, 20));
        for (const QPointF& p : {f.start, f.end})
            QVERIFY(p.x() >= 5 && p.x() <= 95 && p.y() >= 19.99 && p.y() <= 95);
        const QLineF sideA(f.receiver, f.start), sideB(f.receiver, f.end);
        QVERIFY(std::abs(sideA.length() * b - sideB.length() * a) < 1e-9 * a * b);
        QVERIFY(std::abs(sideA.angleTo(sideB) - angle) < 1e-9 ||
                std::abs(sideB.angleTo(sideA) - angle) < 1e-9);
        // The larger side reaches the edge: the figure is not drawn smaller than it must.
        const QPointF far = a >= b ? f.start : f.end;
        QVERIFY(far.x() <= 6 + 1e-9 || far.x() >= 94 - 1e-9 || far.y() >= 94 - 1e-9);
    }
};

ORV_TEST_MAIN(TestWindowFigures)
#include "tst_windowfigures.moc"
