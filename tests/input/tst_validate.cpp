#include "base/numberformat.h"
#include "common/datatable.h"
#include "common/testmain.h"
#include "input/validate.h"

using namespace orv;

namespace {
const QString kToday = QStringLiteral("07-03-2024");
} // namespace

class TestValidate : public QObject {
    Q_OBJECT
private slots:
    void init() { saved_ = decimalSeparator(); }
    void cleanup() { setDecimalSeparator(saved_); }

    void check_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<double>("upper");
        QTest::addColumn<double>("lower");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("result"); // null: refused
        QTest::addColumn<QString>("toolTip");
        const auto bound = [](const QString& c, double none) {
            return c == "none" ? none : c.toDouble();
        };
        for (const QStringList& c : orvtest::tableRows("validate.txt"))
            QTest::newRow(qPrintable(c[0]))
                << c[1] << c[2] << bound(c[3], kNoUpperBound) << bound(c[4], kNoLowerBound) << c[5]
                << c[6].at(0) << c[7] << c[8];
    }
    void check() {
        QFETCH(QString, text);
        QFETCH(QString, tag);
        QFETCH(double, upper);
        QFETCH(double, lower);
        QFETCH(QString, format);
        QFETCH(QChar, separator);
        QFETCH(QString, result);
        setDecimalSeparator(separator);
        const ValidateResult r = ValiDate(text, tag, upper, lower, format, kToday);
        QCOMPARE(r.accepted, !result.isNull());
        QCOMPARE(r.text, result);
        QTEST(r.toolTip, "toolTip");
    }

    // What a caller stores is the displayed value, whichever separator the user has.
    void numberIsTheRoundedValue() {
        for (QChar separator : {QLatin1Char(','), QLatin1Char('.')}) {
            setDecimalSeparator(separator);
            QCOMPARE(ValiDate(u"12,34567", kTagNumeric, 99, 0, u"##0.0", kToday).number(), 12.3);
            QCOMPARE(ValiDate(u"x", kTagNumeric, 99, 0, u"##0.0", kToday).number(), 0.0);
        }
    }

private:
    QChar saved_;
};

ORV_TEST_MAIN(TestValidate)
#include "tst_validate.moc"
