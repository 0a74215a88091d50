#include "base/numberformat.h"
#include "common/testmain.h"
#include "input/validate.h"

using namespace orv;

namespace {
const QString kNumberTip = QStringLiteral("Voer geldig getal in");
const QString kDateTip = QStringLiteral("Voer geldige datum in (dd-mm-yyyy)");
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
        const QString num = kTagNumeric, date = kTagDate, none;
        const double noUpper = kNoUpperBound, noLower = kNoLowerBound;
        const auto row = [](const char* name, const char* text, const QString& tag, double upper,
                            double lower, const char* format, char separator, const QString& result,
                            const QString& tip = {}) {
            QTest::newRow(name) << QString::fromUtf8(text) << tag << upper << lower
                                << QString::fromLatin1(format) << QChar::fromLatin1(separator)
                                << result << tip;
        };
        // Speed of a line source: 5..80 km/h, whole numbers.
        row("empty rises to lower", "", num, 80, 5, "#0", ',', "5");
        row("spaces around", "  40 ", num, 80, 5, "#0", ',', "40");
        row("point rounds", "57.6", num, 80, 5, "#0", ',', "58");
        row("two separators", "1,2.3", num, 80, 5, "#0", ',', none, kNumberTip);
        row("digits and text", "12 m", num, 80, 5, "#0", ',', none, kNumberTip);
        // Operating hours in the day: 0..12 with four decimals, in the user's separator.
        row("hours comma", "3,25", num, 12, 0, "#0.0000", ',', "3,2500");
        row("hours point locale", "3,25", num, 12, 0, "#0.0000", '.', "3.2500");
        row("half to even at format", "0.125", num, 12, 0, "#0.00", '.', "0.12");
        // Crossed bounds: upper first, so lower wins.
        row("crossed bounds", "50", num, 10, 20, "#0", '.', "20");
        row("no bounds normalise", "123,456", num, noUpper, noLower, "##0.0", ',', "123,5");
        row("date trimmed", " 05-11-1999 ", date, 0, 0, "", ',', "05-11-1999");
        row("date leap day", "29-02-2000", date, 0, 0, "", ',', "29-02-2000");
        row("date one digit", "1-2-2000", date, 0, 0, "", ',', none, kDateTip);
        row("date not leap", "29-02-1900", date, 0, 0, "", ',', none, kDateTip);
        row("date slashes", "05/11/1999", date, 0, 0, "", ',', none, kDateTip);
        row("upper case", " Pomp a ", kTagUpper, 0, 0, "", ',', "POMP A");
        row("lower case", "Hard", kTagLower, 0, 0, "", ',', "hard");
        row("no tag never refuses", "", none, 0, 0, "#0", ',', "");
        row("tag without semicolon", " 12x ", "NUMERIC", 0, 0, "#0", ',', "12x");
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
