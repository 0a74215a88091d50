#include "base/numberformat.h"
#include "common/testmain.h"

using namespace orv;

class TestNumberFormat : public QObject {
    Q_OBJECT
private slots:
    void format_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");
        // Exact halves go to the even neighbour, after taking 15 significant digits.
        QTest::newRow("57.6 whole") << 57.6 << "#0"
                                    << "58";
        QTest::newRow("2.5 to even") << 2.5 << "#0"
                                     << "2";
        QTest::newRow("3.5 to even") << 3.5 << "#0"
                                     << "4";
        QTest::newRow("-2.5 to even") << -2.5 << "#0"
                                      << "-2";
        QTest::newRow("0.5 to zero") << 0.5 << "##0"
                                     << "0";
        QTest::newRow("2.675 is a half at 15 digits") << 2.675 << "#0.00"
                                                      << "2.68";
        QTest::newRow("2.665 half to even") << 2.665 << "#0.00"
                                            << "2.66";
        QTest::newRow("0.05 half to even") << 0.05 << "#0.0"
                                           << "0.0";
        QTest::newRow("0.15 half to even") << 0.15 << "#0.0"
                                           << "0.2";
        QTest::newRow("just above half") << 0.0500001 << "#0.0"
                                         << "0.1";
        QTest::newRow("carry through nines") << 9.96 << "#0.0"
                                             << "10.0";
        QTest::newRow("carry to new digit") << 99.95 << "##0.0"
                                            << "100.0";
        QTest::newRow("negative rounds to zero") << -0.04 << "#0.0"
                                                 << "0.0";
        QTest::newRow("negative whole to zero") << -0.4 << "#0"
                                                << "0";
        QTest::newRow("negative kept") << -23.7995 << "#0.0"
                                       << "-23.8";
        QTest::newRow("tiny") << 1e-20 << "#0.0"
                              << "0.0";
        QTest::newRow("zero four decimals") << 0.0 << "#0.0000"
                                            << "0.0000";
        QTest::newRow("large") << 123456.789 << "##0.0"
                               << "123456.8";
        QTest::newRow("four decimals") << 3.25 << "#0.0000"
                                       << "3.2500";
        QTest::newRow("hours") << 0.05 << "#0.0000"
                               << "0.0500";
        QTest::newRow("small positive to one") << 0.6 << "#0"
                                               << "1";
        QTest::newRow("small to first decimal") << 0.06 << "#0.0"
                                                << "0.1";
        QTest::newRow("two decimals") << 43.30127 << "#0.00"
                                      << "43.30";
        QTest::newRow("big exponent") << 1e99 << "#0" << ("1" + QString(99, '0'));
    }
    void format() {
        QFETCH(double, value);
        QFETCH(QString, format);
        QFETCH(QString, expected);
        QCOMPARE(formatNumber(value, format, QLatin1Char('.')), expected);
        // The Dutch comma replaces the point and nothing else.
        QCOMPARE(formatNumber(value, format, QLatin1Char(',')),
                 QString(expected).replace('.', ','));
    }

    void defaultSeparator() {
        const QChar before = decimalSeparator();
        setDecimalSeparator(QLatin1Char(','));
        QCOMPARE(formatNumber(3.25, u"#0.0000"), QStringLiteral("3,2500"));
        setDecimalSeparator(before);
    }

    void roundToFormatStoresShownValue() {
        QCOMPARE(roundToFormat(57.6, u"#0"), 58.0);
        QCOMPARE(roundToFormat(1.23456, u"#0.0000"), 1.2346);
    }

    void parse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<double>("value");
        QTest::newRow("comma") << "57,6" << true << 57.6;
        QTest::newRow("point") << "57.6" << true << 57.6;
        QTest::newRow("spaces around") << "  12 " << true << 12.0;
        QTest::newRow("leading separator") << ",5" << true << 0.5;
        QTest::newRow("trailing separator") << "5." << true << 5.0;
        QTest::newRow("two separators") << "1,000.5" << false << 0.0;
        QTest::newRow("letters") << "abc" << false << 0.0;
        QTest::newRow("digits and letters") << "12a" << false << 0.0;
        QTest::newRow("inner space") << "1 2" << false << 0.0;
        QTest::newRow("sign") << "-5" << false << 0.0;
        QTest::newRow("exponent") << "1e5" << false << 0.0;
        QTest::newRow("separator only") << "," << false << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
    }
    void parse() {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QFETCH(double, value);
        const auto parsed = parseNumber(text);
        QCOMPARE(parsed.has_value(), isNumber);
        if (isNumber) QCOMPARE(*parsed, value);
    }
};

ORV_TEST_MAIN(TestNumberFormat)
#include "tst_numberformat.moc"
