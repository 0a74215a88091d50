// The print preview's zoom, page navigation and scroll ranges.

#include "common/testmain.h"
#include "report/previewpaging.h"

using namespace orv;

class TestPreviewPaging : public QObject {
    Q_OBJECT
private slots:
    void zoom_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QSizeF>("page");
        QTest::addColumn<QSizeF>("container");
        QTest::addColumn<double>("factor");
        QTest::addColumn<int>("larger"); // the choice Ctrl++ goes to, then Ctrl+-
        QTest::addColumn<int>("smaller");
        const QSizeF landscape(1123, 794), portrait(794, 1123);
        QTest::newRow("page width") << 1 << portrait << QSizeF(417.5, 100) << 397.0 / 794 << 0 << 2;
        // A landscape page in a tall container: the width decides.
        QTest::newRow("whole landscape, tall")
            << 2 << landscape << QSizeF(581.5, 2000) << 561.0 / 1123 << 0 << 2;
        // A portrait page in a wide container: the height decides.
        QTest::newRow("whole portrait, wide")
            << 2 << portrait << QSizeF(2000, 581.5) << 561.0 / 1123 << 0 << 2;
    }
    void zoom() {
        QFETCH(int, choice);
        QFETCH(QSizeF, page);
        QFETCH(QSizeF, container);
        QFETCH(double, factor);
        const double z = zoomFactor(choice, page.width(), page.height(), container.width(),
                                    container.height(), 20);
        QVERIFY2(std::abs(z - factor) < 1e-12, qPrintable(QString::number(z)));
        for (const auto& [direction, step] : {std::pair{1, "larger"}, std::pair{-1, "smaller"}})
            QTEST(zoomStep(choice, direction, page.width(), page.height(), container.width(),
                           container.height(), 20),
                  step);
    }

    void navigation_data() {
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("after");
        QTest::addColumn<QString>("buttons"); // begin, terug, volgende, eind after the click
        QTest::newRow("one page") << 1 << 1 << "volgende" << 1 << "0000";
        QTest::newRow("three, opened on the last") << 3 << 3 << "" << 3 << "1100";
        QTest::newRow("three, begin") << 3 << 3 << "begin" << 1 << "0011";
        QTest::newRow("three, terug") << 3 << 3 << "terug" << 2 << "1111";
    }
    void navigation() {
        QFETCH(int, total);
        QFETCH(int, page);
        QFETCH(QString, key);
        QFETCH(int, after);
        const int now = navigatePage(key, page, total);
        QCOMPARE(now, after);
        const NavigationButtons b = ButtonEnabled(total, now);
        QString shown;
        for (bool on : {b.begin, b.terug, b.volgende, b.eind})
            shown += on ? '1' : '0';
        QTEST(shown, "buttons");
    }

    void scrollRanges_data() {
        QTest::addColumn<double>("container");
        QTest::addColumn<double>("page");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<int>("maximum");
        QTest::newRow("fits with room") << 800.0 << 600.0 << false << 0;
        QTest::newRow("just over") << 800.0 << 790.5 << true << 1;
        QTest::newRow("larger page") << 800.0 << 1123.0 << true << 333;
    }
    void scrollRanges() {
        QFETCH(double, container);
        QFETCH(double, page);
        const ScrollRange r = scrollRange(container, page, 10);
        QTEST(r.visible, "visible");
        QTEST(r.maximum, "maximum");
    }
};

ORV_TEST_MAIN(TestPreviewPaging)
#include "tst_previewpaging.moc"
