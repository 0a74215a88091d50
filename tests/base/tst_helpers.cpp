#include "base/helpers.h"
#include "common/datatable.h"
#include "common/testmain.h"

#include <vector>

using namespace orv;

class TestHelpers : public QObject {
    Q_OBJECT
private slots:
    void paths_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("folder");
        const QString none;
        QTest::newRow("windows path")
            << R"(C:\data\proj.orv)" << QString("proj.orv") << R"(C:\data)";
        QTest::newRow("trailing backslash") << R"(C:\data\)" << none << R"(C:\data)";
        QTest::newRow("mixed, last wins") << R"(C:/a\b/c.orv)" << QString("c.orv") << R"(C:/a\b)";
        QTest::newRow("empty") << none << none << none;
    }
    void paths() {
        QFETCH(QString, path);
        QTEST(GetFileName(path), "fileName");
        QTEST(GetFolder(path), "folder");
    }

    void splitText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("delimiter");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QStringList>("fields");
        for (const QStringList& c : orvtest::tableRows("splittext.txt"))
            QTest::newRow(qPrintable(c[0])) << c[1] << c[2] << c[3].toInt() << c.mid(4);
    }
    void splitText() {
        QFETCH(QString, text);
        QFETCH(QString, delimiter);
        QFETCH(int, limit);
        QTEST(SplitText(text, delimiter, limit, Qt::CaseSensitive), "fields");
        QCOMPARE(SplitText(u"aXbxc", u"x", -1, Qt::CaseInsensitive), QStringList({"a", "b", "c"}));
    }

    void arrayMaxMin_data() {
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("min");
        QTest::newRow("negative and ties") << QList<double>{-1.5, 7, -1.5, 0, 7} << 7.0 << -1.5;
        QTest::newRow("one") << QList<double>{42} << 42.0 << 42.0;
        QTest::newRow("none") << QList<double>{} << 0.0 << 0.0;
    }
    void arrayMaxMin() {
        QFETCH(QList<double>, values);
        QList<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        std::vector<double> a(values.begin(), values.end()), b = a;
        QTEST(ArrayMax(a), "max");
        QTEST(ArrayMin(b), "min");
        QCOMPARE(QList<double>(a.begin(), a.end()), sorted); // callers rely on the order
        QCOMPARE(QList<double>(b.begin(), b.end()), sorted);
    }
};

ORV_TEST_MAIN(TestHelpers)
#include "tst_helpers.moc"
