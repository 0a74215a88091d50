#include "base/numberformat.h"
#include "common/datatable.h"
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
        for (const QStringList& c : orvtest::tableRows("numberformat.txt"))
            QTest::newRow(qPrintable(c[0])) << c[1].toDouble() << c[2] << c[3];
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
        for (const QStringList& c : orvtest::tableRows("parsenumber.txt"))
            QTest::newRow(qPrintable("'" + c[0] + "'"))
                << c[0] << (c[1].isNull() ? qQNaN() : c[1].toDouble());
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
