#include "app/helpers.h"
#include "common/testregistry.h"

#include <vector>

using namespace orv;

class TestHelpers : public QObject {
    Q_OBJECT
private slots:
    void paths_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("folder");
        QTest::newRow("windows path") << R"(C:\data\proj.orv)"
                                      << "proj.orv"
                                      << R"(C:\data)";
        QTest::newRow("bare name") << "proj.orv"
                                   << "proj.orv"
                                   << "proj.orv";
        QTest::newRow("trailing backslash") << R"(C:\data\)"
                                            << ""
                                            << R"(C:\data)";
        QTest::newRow("root backslash") << R"(\proj.orv)"
                                        << "proj.orv"
                                        << "";
        QTest::newRow("unix path") << "/home/a/Ornaveld.set"
                                   << "Ornaveld.set"
                                   << "/home/a";
        QTest::newRow("unix root") << "/proj.orv"
                                   << "proj.orv"
                                   << "";
        QTest::newRow("mixed, last wins") << R"(C:/a\b/c.orv)"
                                          << "c.orv"
                                          << R"(C:/a\b)";
        QTest::newRow("spaces kept") << "/my data/my proj.orv"
                                     << "my proj.orv"
                                     << "/my data";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
    }
    void paths() {
        QFETCH(QString, path);
        QTEST(GetFileName(path), "fileName");
        QTEST(GetFolder(path), "folder");
    }

    void joinPathNeverDoublesSeparator_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "/apps"
                               << "/apps/Ornaveld.set";
        QTest::newRow("ends in slash") << "/"
                                       << "/Ornaveld.set";
        QTest::newRow("ends in backslash") << R"(C:\)"
                                           << R"(C:\Ornaveld.set)";
        QTest::newRow("empty is root") << ""
                                       << "/Ornaveld.set";
    }
    void joinPathNeverDoublesSeparator() {
        QFETCH(QString, folder);
        QTEST(joinPath(folder, u"Ornaveld.set"), "expected");
    }

    void splitText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("delimiter");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("compare");
        QTest::addColumn<QStringList>("fields");
        const int cs = Qt::CaseSensitive;
        QTest::newRow("three") << "a;b;c"
                               << ";" << -1 << cs << QStringList{"a", "b", "c"};
        QTest::newRow("empty middle") << "a;;c"
                                      << ";" << -1 << cs << QStringList{"a", "", "c"};
        QTest::newRow("no empty last") << "a;b;"
                                       << ";" << -1 << cs << QStringList{"a", "b"};
        QTest::newRow("leading empty") << ";b"
                                       << ";" << -1 << cs << QStringList{"", "b"};
        QTest::newRow("empty text") << ""
                                    << ";" << -1 << cs << QStringList{};
        QTest::newRow("only delimiter") << ";"
                                        << ";" << -1 << cs << QStringList{""};
        QTest::newRow("library line") << "pomp ; 95 ; 100"
                                      << ";" << -1 << cs << QStringList{"pomp ", " 95 ", " 100"};
        QTest::newRow("one-character last") << "pomp;95;9"
                                            << ";" << -1 << cs << QStringList{"pomp", "95", "9"};
        QTest::newRow("no delimiter") << "pomp"
                                      << ";" << -1 << cs << QStringList{"pomp"};
        QTest::newRow("long delimiter") << "a<>b<>c"
                                        << "<>" << -1 << cs << QStringList{"a", "b", "c"};
        QTest::newRow("limit keeps rest") << "a;b;c;d"
                                          << ";" << 1 << cs << QStringList{"a", "b", "c;d"};
        QTest::newRow("case sensitive") << "aXbxc"
                                        << "x" << -1 << cs << QStringList{"aXb", "c"};
        QTest::newRow("case insensitive")
            << "aXbxc"
            << "x" << -1 << int(Qt::CaseInsensitive) << QStringList{"a", "b", "c"};
        QTest::newRow("empty delimiter") << "abc"
                                         << "" << -1 << cs << QStringList{"abc"};
    }
    void splitText() {
        QFETCH(QString, text);
        QFETCH(QString, delimiter);
        QFETCH(int, limit);
        QFETCH(int, compare);
        QTEST(SplitText(text, delimiter, limit, Qt::CaseSensitivity(compare)), "fields");
    }

    void arrayMaxMin_data() {
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("min");
        QTest::newRow("three") << QList<double>{3, 1, 2} << 3.0 << 1.0;
        QTest::newRow("descending") << QList<double>{5, 4, 3, 2, 1} << 5.0 << 1.0;
        QTest::newRow("negative and ties") << QList<double>{-1.5, 7, -1.5, 0, 7} << 7.0 << -1.5;
        QTest::newRow("one") << QList<double>{42} << 42.0 << 42.0;
    }
    void arrayMaxMin() {
        QFETCH(QList<double>, values);
        QList<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());

        std::vector<double> a(values.begin(), values.end());
        QTEST(ArrayMax(a), "max");
        QCOMPARE(QList<double>(a.begin(), a.end()), sorted); // callers rely on the order

        std::vector<double> b(values.begin(), values.end());
        QTEST(ArrayMin(b), "min");
        QCOMPARE(QList<double>(b.begin(), b.end()), sorted);
    }

    void arrayOfNothingIsZero() {
        std::vector<double> none;
        QCOMPARE(ArrayMax(none), 0.0);
        QCOMPARE(ArrayMin(none), 0.0);
    }
};

ORV_TEST(TestHelpers)
#include "tst_helpers.moc"
