// What the overview and geometry windows draw, apart from the windows: the triangle placed on
// its picture, and the character formats of the overview's blocks.

#include "common/guards.h"
#include "common/testmain.h"
#include "report/geometryfigure.h"
#include "report/overviewstyles.h"

#include <cmath>
#include <memory>
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
        for (const QPointF& p : {f.start, f.end}) {
            QVERIFY2(p.x() >= 5 && p.x() <= 95 && p.y() >= 19.99 && p.y() <= 95,
                     qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
        }
        const QLineF sideA(f.receiver, f.start), sideB(f.receiver, f.end);
        QVERIFY(std::abs(sideA.length() * b - sideB.length() * a) < 1e-9 * a * b);
        QVERIFY(std::abs(sideA.angleTo(sideB) - angle) < 1e-9 ||
                std::abs(sideB.angleTo(sideA) - angle) < 1e-9);
        // The larger side reaches the edge: the figure is not drawn smaller than it must.
        const QPointF far = a >= b ? f.start : f.end;
        QVERIFY(far.x() <= 6 + 1e-9 || far.x() >= 94 - 1e-9 || far.y() >= 94 - 1e-9);
    }

    void labels() {
        const orvtest::DecimalSeparatorGuard comma(QLatin1Char(','));
        const TriangleFigure f = CalcTriangle(40.89, 50, 132.3);
        QCOMPARE(f.startLabel, QStringLiteral("  50"));
        QCOMPARE(f.endLabel, QStringLiteral("  132,3"));
    }

    // Heading, first and second body style -> bold/italic of title, project block, tables;
    // the assessment line is always bold.
    void formats_data() {
        QTest::addColumn<QList<int>>("styles");
        QTest::addColumn<QString>("expected"); // b/i/- per range: title, project, tables, line
        QTest::newRow("Standaard") << QList<int>{3, 1, 2} << "b-,--,-i,b-";
        QTest::newRow("bold italic everywhere") << QList<int>{4, 4, 4} << "bi,bi,bi,b-";
        QTest::newRow("not yet set") << QList<int>{0, 0, 0} << "--,--,--,b-";
        QTest::newRow("out of range") << QList<int>{9, -1, 5} << "--,--,--,b-";
    }
    void formats() {
        QFETCH(QList<int>, styles);
        auto s = std::make_unique<State>();
        s->settings.headerStyle = static_cast<qint16>(styles[0]);
        s->settings.bodyStyle1 = static_cast<qint16>(styles[1]);
        s->settings.bodyStyle2 = static_cast<qint16>(styles[2]);
        const char* blocks[] = {"TITEL\r\n\r\n", "Project\r\n", "Tabel\r\n", "Noten\r\n",
                                "Letmaal\r\n"};
        for (int i = 0; i < 5; ++i)
            s->reportBlocks[i] = QString::fromLatin1(blocks[i]);
        const QString text = overviewDisplayText(*s);
        QCOMPARE(text, QStringLiteral("TITEL\n\nProject\nTabel\nNoten\nLetmaal\n"));
        QStringList got;
        QStringList pieces;
        for (const OverviewFormat& f : overviewFormats(*s)) {
            got << QString(QLatin1Char(f.bold ? 'b' : '-')) + QLatin1Char(f.italic ? 'i' : '-');
            pieces << text.mid(f.start, f.length) + QString::number(f.pointSize);
        }
        QTEST(got.join(QLatin1Char(',')), "expected");
        QCOMPARE(pieces,
                 (QStringList{"TITEL\n\n10", "Project\n10", "Tabel\nNoten\n8", "Letmaal\n8"}));
    }
};

ORV_TEST_MAIN(TestWindowFigures)
#include "tst_windowfigures.moc"
