#include "base/numberformat.h"
#include "common/guards.h"
#include "common/testmain.h"

using namespace orv;

class TestNumberFormat : public QObject {
    Q_OBJECT
private slots:
    void format_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, double value, const char* format, QString expected) {
            QTest::newRow(name) << value << QString::fromLatin1(format) << expected;
        };
        // Exact halves go to the even neighbour, after taking 15 significant digits.
        row("57.6 whole", 57.6, "#0", "58");
        row("2.5 to even", 2.5, "#0", "2");
        row("3.5 to even", 3.5, "#0", "4");
        row("0.5 to zero", 0.5, "##0", "0");
        row("2.675 is a half at 15 digits", 2.675, "#0.00", "2.68");
        row("2.665 half to even", 2.665, "#0.00", "2.66");
        row("0.15 half to even", 0.15, "#0.0", "0.2");
        row("just above half", 0.0500001, "#0.0", "0.1");
        row("carry to new digit", 99.95, "##0.0", "100.0");
        row("negative rounds to zero", -0.04, "#0.0", "0.0");
        row("negative kept", -23.7995, "#0.0", "-23.8");
        row("hours", 0.05, "#0.0000", "0.0500");
        row("big exponent", 1e99, "#0", "1" + QString(99, '0'));
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

    void defaultSeparatorAndStoredValue() {
        const orvtest::DecimalSeparatorGuard separator(QLatin1Char(','));
        QCOMPARE(formatNumber(3.25, u"#0.0000"), QStringLiteral("3,2500"));
        QCOMPARE(roundToFormat(1.23456, u"#0.0000"), 1.2346);
    }

    void parse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value"); // NaN: not a number
        const double no = qQNaN();
        const std::pair<const char*, double> rows[] = {
            {"57,6", 57.6},  {"57.6", 57.6}, {"  12 ", 12}, {",5", 0.5}, {"5.", 5},
            {"1,000.5", no}, {"abc", no},    {"12a", no},   {"1 2", no}, {"-5", no},
            {"1e5", no},     {",", no},      {"", no}};
        for (const auto& [text, value] : rows)
            QTest::newRow(qPrintable(QStringLiteral("'%1'").arg(text))) << QString(text) << value;
    }
    void parse() {
        QFETCH(QString, text);
        QFETCH(double, value);
        const auto parsed = parseNumber(text);
        QCOMPARE(parsed.has_value(), !qIsNaN(value));
        if (parsed) QCOMPARE(*parsed, value);
    }
};

ORV_TEST_MAIN(TestNumberFormat)
#include "tst_numberformat.moc"
